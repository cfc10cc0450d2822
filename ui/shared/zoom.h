#pragma once

#include <QList>

class QMenu;
class QRect;
class QWidget;

namespace playfair {

// The zoom for a projector: every window of the program shown larger, in
// steps from 100 % to 300 %, all at once, and the step kept with the
// language for the next start.
//
// A window that follows the zoom gets its font at 100 % times the factor;
// the rest follows from the font. The windows built with layouts measure
// what they size in pixels (input widths, cells, least heights) from their
// font again on QEvent::FontChange; the main window multiplies its fixed
// geometry (scaleFixedGeometry). At 100 % nothing is changed at all: a window
// is touched only once a zoom other than 100 % is shown.

// The steps offered: 100, 125, 150, 175, 200, 250 and 300.
const QList<int> &zoomSteps();

// The zoom shown, in per cent. The first call reads the step the user chose
// last (from the settings, beside the language), 100 if none.
int zoomPercent();

// `pixels` at 100 % grown by the zoom shown, rounded.
int zoomed(int pixels);

// Shows every window that follows the zoom at `percent` (the nearest step),
// without remembering it.
void showZoom(int percent);

// The user's choice: shows the zoom and remembers it for the next start.
void chooseZoom(int percent);

// The next larger or smaller step, or 100 %, chosen by the user.
void zoomIn();
void zoomOut();
void zoomReset();

// Makes the top-level `window` follow the zoom: shows it at the zoom shown
// now and at every later one, and gives it the shortcuts Ctrl++ (also
// Ctrl+=, as keyboards type it), Ctrl+- and Ctrl+0. Call once, after the
// window has its font and controls.
void followZoom(QWidget *window);

// For a window of fixed pixel geometry: the fixed size of `window` and the
// geometry of every direct child of each of `containers` (the window
// itself, a frame) set to what they were at 100 % times the zoom shown.
// The geometry at 100 % is what they have when this is first called.
void scaleFixedGeometry(QWidget *window, const QList<QWidget *> &containers);

// `rect` at 100 % grown by `percent`: each of its four numbers multiplied
// and rounded, so that a window keeps its proportions exactly.
QRect scaledRect(const QRect &rect, int percent);

// Adds the "Мащаб" ("Zoom") submenu to a window's menu: larger, smaller,
// the normal size with their shortcuts, then the steps, the one shown
// checked.
void addZoomMenu(QMenu *menu);

} // namespace playfair
