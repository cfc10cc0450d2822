#include "worksheetpdf.h"

#include "worksheet.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace playfair {

namespace {

constexpr int dotsPerInch = 300;

// Light versions of the window's colours, which print well in grey too.
const QColor numberFill(215, 215, 255);
const QColor cellFill(255, 215, 170);
const QColor givenFill(235, 235, 235);
const QColor lineColour(60, 60, 60);

// The class set's key, in millimetres: the cells of its small squares, the
// line of a pair and the line above each variant's square.
constexpr qreal keyCell = 5;
constexpr qreal keyLineHeight = 4.8;
constexpr qreal keyBlockHeaderHeight = 6;
constexpr qreal keyBlockGap = 5;
constexpr qreal keyBlockTop = 1.5 + keyBlockHeaderHeight + 1; // the rule, the line, a gap

// Draws on the pages of one PDF file; lengths are in millimetres from the
// top-left corner of the printable area.
class SheetPainter
{
public:
    SheetPainter(QPdfWriter &writer, QPainter &painter)
        : m_writer(writer)
        , m_painter(painter)
    {
    }

    static qreal px(qreal millimetres) { return millimetres * dotsPerInch / 25.4; }
    qreal width() const { return m_writer.width() * 25.4 / dotsPerInch; }
    qreal height() const { return m_writer.height() * 25.4 / dotsPerInch; }

    void setFont(qreal points, bool bold = false)
    {
        QFont font(QStringLiteral("Times New Roman"));
        font.setStyleHint(QFont::Serif);
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
    }

    // Text in a box of the given width starting at (left, top), wrapped at
    // word boundaries; returns the bottom of what was drawn.
    qreal text(const QString &text, qreal left, qreal top, qreal boxWidth, int alignment = Qt::AlignLeft)
    {
        const QRectF box(px(left), px(top), px(boxWidth), px(height() * 2));
        const int flags = alignment | Qt::AlignTop | Qt::TextWordWrap;
        QRectF used = m_painter.boundingRect(box, flags, text);
        m_painter.setPen(Qt::black);
        m_painter.drawText(box, flags, text);
        return used.bottom() * 25.4 / dotsPerInch;
    }

    // One line of text placed in a box, e.g. centred vertically beside others.
    void label(const QString &text, qreal left, qreal top, qreal boxWidth, qreal boxHeight, int alignment)
    {
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRectF(px(left), px(top), px(boxWidth), px(boxHeight)), alignment, text);
    }

    // How tall `text` would be at the current font, wrapped in `boxWidth`.
    qreal textHeight(const QString &text, qreal boxWidth)
    {
        const QRectF box(0, 0, px(boxWidth), px(height() * 2));
        return m_painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text).height() * 25.4
            / dotsPerInch;
    }

    // A square box with an optional letter centred in it.
    void box(qreal left, qreal top, qreal side, const QColor &fill, const QString &letter = {})
    {
        const QRectF rect(px(left), px(top), px(side), px(side));
        m_painter.setPen(QPen(lineColour, px(0.3)));
        m_painter.setBrush(fill);
        m_painter.drawRect(rect);
        if (!letter.isEmpty()) {
            m_painter.setPen(Qt::black);
            m_painter.drawText(rect, Qt::AlignCenter, letter);
        }
    }

    // The square with its row and column numbers; empty cells when `letters`
    // is empty. Returns its bottom.
    qreal square(qreal left, qreal top, qreal cell, const QString &letters, SquareShape shape)
    {
        const qreal pitch = cell * 1.12;
        setFont(cell * 1.3, true);
        for (int i = 0; i < shape.columns; ++i)
            box(left + pitch * (i + 1), top, cell, numberFill, QString::number(i + 1));
        for (int i = 0; i < shape.rows; ++i)
            box(left, top + pitch * (i + 1), cell, numberFill, QString::number(i + 1));
        for (int k = 0; k < shape.cells(); ++k) {
            const QString letter = k < letters.size() ? QString(letters[k]) : QString();
            const SquarePosition place = SquarePosition::ofCell(k, shape);
            box(left + pitch * (place.column + 1), top + pitch * (place.row + 1), cell,
                letters.isEmpty() ? Qt::white : cellFill, letter);
        }
        return top + squareSide(cell, shape.rows);
    }

    // The width (with `lines` columns) or the height (with `lines` rows) of
    // a square with its numbers.
    static qreal squareSide(qreal cell, int lines = 5) { return cell * 1.12 * lines + cell; }

    // How wide `text` is at the current font, in millimetres.
    qreal textWidth(const QString &text) const
    {
        return m_painter.fontMetrics().horizontalAdvance(text) * 25.4 / dotsPerInch;
    }

    // `text` cut short with "…" to fit `boxWidth`.
    QString elided(const QString &text, qreal boxWidth) const
    {
        return m_painter.fontMetrics().elidedText(text, Qt::ElideRight, int(px(boxWidth)));
    }

    // A thin horizontal rule.
    void line(qreal left, qreal top, qreal length)
    {
        m_painter.setPen(QPen(lineColour, px(0.3)));
        m_painter.drawLine(QPointF(px(left), px(top)), QPointF(px(left + length), px(top)));
    }

private:
    QPdfWriter &m_writer;
    QPainter &m_painter;
};

void drawExercise(SheetPainter &page, const Worksheet &sheet)
{
    const qreal width = page.width();
    qreal y = 0;
    if (!sheet.heading.isEmpty()) {
        // The set's number at the right, the heading beside it, cut short
        // with "…" if even a cleaned name is wider than its room.
        page.setFont(10);
        const qreal numberWidth = page.textWidth(sheet.setLine) + 2;
        page.label(sheet.setLine, width - numberWidth, 0, numberWidth, 9, Qt::AlignRight | Qt::AlignVCenter);
        page.setFont(20, true);
        page.label(page.elided(sheet.heading, width - numberWidth - 4), 0, 0, width - numberWidth - 4, 9,
                   Qt::AlignLeft | Qt::AlignVCenter);
        y = 9;
        page.line(0, y + 1.5, width);
        y += 5;
    }
    page.setFont(sheet.heading.isEmpty() ? 18 : 15, true);
    y = page.text(sheet.title, 0, y, width, Qt::AlignHCenter) + 5;
    page.setFont(12);
    y = page.text(sheet.pupilLine, 0, y, width) + 6;
    y = page.text(sheet.instruction, 0, y, width) + 6;

    if (sheet.squareShown) {
        page.setFont(12);
        if (!sheet.keyWordLine.isEmpty())
            y = page.text(sheet.keyWordLine, 0, y, width, Qt::AlignHCenter) + 3;
        y = page.square((width - SheetPainter::squareSide(11, sheet.shape.columns)) / 2, y, 11, sheet.square,
                        sheet.shape)
            + 3;
        y = page.text(sheet.alphabetLine, 0, y, width, Qt::AlignHCenter) + 6;
    } else {
        page.setFont(16, true);
        y = page.text(sheet.keyWordLine, 0, y, width, Qt::AlignHCenter) + 4;
        y = page.square((width - SheetPainter::squareSide(11, sheet.shape.columns)) / 2, y, 11, QString(), sheet.shape)
            + 3;
        page.setFont(12);
        y = page.text(sheet.alphabetLine, 0, y, width, Qt::AlignHCenter) + 6;
    }

    page.setFont(12, true);
    y = page.text(QStringLiteral("%1 → %2").arg(sheet.givenHeading, sheet.answerHeading), 0, y, width) + 3;

    // Three pairs a row: the number, the given pair, an arrow, two empty boxes.
    const qreal columnWidth = width / 3;
    const qreal side = 9;
    for (int i = 0; i < sheet.given.size(); ++i) {
        const qreal left = columnWidth * (i % 3);
        const qreal top = y + (side + 6) * (i / 3);
        page.setFont(12);
        page.label(QStringLiteral("%1.").arg(i + 1), left, top, 8, side, Qt::AlignRight | Qt::AlignVCenter);
        page.setFont(16, true);
        page.box(left + 10, top, side, givenFill, sheet.given[i].left(1));
        page.box(left + 10 + side, top, side, givenFill, sheet.given[i].mid(1, 1));
        page.setFont(14);
        page.label(QStringLiteral("→"), left + 10 + 2 * side, top, 8, side, Qt::AlignCenter);
        page.box(left + 18 + 2 * side, top, side, Qt::white);
        page.box(left + 18 + 3 * side, top, side, Qt::white);
    }
}

void drawKey(QPdfWriter &writer, SheetPainter &page, const Worksheet &sheet)
{
    const qreal width = page.width();
    page.setFont(18, true);
    qreal y = page.text(sheet.keyTitle, 0, 0, width, Qt::AlignHCenter) + 4;
    page.setFont(12);
    y = page.text(sheet.keyLine, 0, y, width, Qt::AlignHCenter) + 3;
    y = page.square((width - SheetPainter::squareSide(8, sheet.shape.columns)) / 2, y, 8, sheet.square, sheet.shape) + 7;

    const qreal ruleLeft = 32;
    for (int i = 0; i < sheet.given.size(); ++i) {
        page.setFont(10.5);
        const qreal needed = page.textHeight(sheet.rules[i], width - ruleLeft);
        if (y + needed > page.height()) {
            writer.newPage();
            page.setFont(14, true);
            y = page.text(sheet.keyContinued, 0, 0, width, Qt::AlignHCenter) + 4;
        }
        page.setFont(12, true);
        page.text(QStringLiteral("%1. %2 → %3").arg(i + 1).arg(sheet.given[i], sheet.answers[i]), 0, y - 0.5,
                  ruleLeft);
        page.setFont(10.5);
        y = page.text(sheet.rules[i], ruleLeft, y, width - ruleLeft) + 3;
    }
}

// How tall the key's block of a variant of `pairs` pairs is, gap included.
qreal classSetKeyBlockHeight(int pairs, int squareRows)
{
    const qreal pairsHeight = keyLineHeight * ((pairs + 1) / 2);
    return keyBlockTop + std::max(SheetPainter::squareSide(keyCell, squareRows), pairsHeight) + keyBlockGap;
}

// The answer key of a class set: under the heading, a block for each
// variant with its key word, its square and its pairs with their answers and
// rules, as many blocks a page as fit whole.
void drawClassSetKey(QPdfWriter &writer, SheetPainter &page, const ClassSetPrint &set)
{
    const qreal width = page.width();
    const auto heading = [&](const QString &title) {
        page.setFont(16, true);
        qreal y = page.text(title, 0, 0, width, Qt::AlignHCenter) + 1;
        page.setFont(10.5);
        return page.text(set.keyLine, 0, y, width, Qt::AlignHCenter) + 4;
    };
    qreal y = heading(set.keyTitle);
    for (const Worksheet &sheet : set.sheets) {
        const qreal height = classSetKeyBlockHeight(int(sheet.given.size()), sheet.shape.rows);
        if (y + height > page.height()) {
            writer.newPage();
            y = heading(set.keyContinued);
        }
        const qreal blockTop = y;
        page.line(0, y, width);
        y += 1.5;
        page.setFont(11, true);
        const qreal keyWordWidth = page.textWidth(sheet.keyWordLine) + 2;
        page.label(page.elided(sheet.keyHeading, width - keyWordWidth - 4), 0, y, width - keyWordWidth - 4,
                   keyBlockHeaderHeight, Qt::AlignLeft | Qt::AlignVCenter);
        page.setFont(11);
        page.label(sheet.keyWordLine, width - keyWordWidth, y, keyWordWidth, keyBlockHeaderHeight,
                   Qt::AlignRight | Qt::AlignVCenter);
        y = blockTop + keyBlockTop;
        page.square(0, y, keyCell, sheet.square, sheet.shape);

        // The pairs in two columns beside the square, down the first column first.
        const qreal left = SheetPainter::squareSide(keyCell, sheet.shape.columns) + 7;
        const qreal columnWidth = (width - left) / 2;
        const int rows = (int(sheet.given.size()) + 1) / 2;
        for (int i = 0; i < sheet.given.size(); ++i) {
            const qreal x = left + columnWidth * (i / rows);
            const qreal top = y + keyLineHeight * (i % rows);
            page.setFont(10.5, true);
            page.label(QStringLiteral("%1.").arg(i + 1), x, top, 7, keyLineHeight, Qt::AlignRight | Qt::AlignVCenter);
            page.label(QStringLiteral("%1 → %2").arg(sheet.given[i], sheet.answers[i]), x + 8, top, 20,
                       keyLineHeight, Qt::AlignLeft | Qt::AlignVCenter);
            page.setFont(9.5);
            page.label(page.elided(sheet.ruleNames.value(i), columnWidth - 30), x + 28, top, columnWidth - 30,
                       keyLineHeight, Qt::AlignLeft | Qt::AlignVCenter);
        }
        y = blockTop + height;
    }
}

// Writes the pages `draw` draws to `path`, whole or not at all.
bool writePdf(const QString &path, const QString &title, const std::function<void(QPdfWriter &, SheetPainter &)> &draw)
{
    // The sheets go into a temporary file beside `path`, which takes its
    // name only once every byte is written: a disk that fills up leaves no
    // half a sheet behind, and an earlier file of that name stays whole.
    // (QPdfWriter itself reports success whatever the writes did.)
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Playfair"));

        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        SheetPainter page(writer, painter);
        draw(writer, page);
        painter.end();
    }
    // commit() misses a failure to write what is still in the file's
    // buffer, which is all of a small sheet: flush it first.
    if (!file.flush())
        file.cancelWriting();
    return file.commit();
}

} // namespace

bool writeWorksheetPdf(const Worksheet &sheet, const QString &path)
{
    return writePdf(path, sheet.title, [&sheet](QPdfWriter &writer, SheetPainter &page) {
        drawExercise(page, sheet);
        writer.newPage();
        drawKey(writer, page, sheet);
    });
}

bool writeClassSetPdf(const ClassSetPrint &set, const QString &path)
{
    return writePdf(path, set.title, [&set](QPdfWriter &writer, SheetPainter &page) {
        for (const Worksheet &sheet : set.sheets) {
            drawExercise(page, sheet);
            writer.newPage();
        }
        drawClassSetKey(writer, page, set);
    });
}

} // namespace playfair
