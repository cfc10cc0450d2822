#pragma once

class QString;

namespace playfair {

struct ClassSetPrint;
struct Worksheet;

// Draws a worksheet into a PDF file on A4 pages: the exercise on page 1, the
// answer key from page 2 (which a long task continues on a third). False if
// the file could not be written whole; then no file is left at `path`, or
// the one that was there before.
bool writeWorksheetPdf(const Worksheet &sheet, const QString &path);

// Draws a class set into one PDF file, whole or not at all as above: a page
// for each variant's sheet, then the answer key of them all, several
// variants a page.
bool writeClassSetPdf(const ClassSetPrint &set, const QString &path);

} // namespace playfair
