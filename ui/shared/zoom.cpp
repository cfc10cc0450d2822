#include "zoom.h"

#include "windowcolours.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace playfair {

namespace {

// Properties a window that follows the zoom carries: that it follows, the
// zoom it is shown at, its font at 100 % and, for fixed geometry, each
// control's geometry at 100 %.
constexpr char followsProperty[] = "playfairFollowsZoom";
constexpr char percentProperty[] = "playfairZoom";
constexpr char baseFontProperty[] = "playfairFontAt100";
constexpr char baseSizeProperty[] = "playfairSizeAt100";
constexpr char baseGeometryProperty[] = "playfairGeometryAt100";
constexpr char scrollsProperty[] = "playfairScrolls";

QString zoomKey()
{
    return QStringLiteral("zoom");
}

// The settings file the language is kept in (see translations.cpp).
class Settings : public QSettings
{
public:
    Settings()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("playfair"),
                    QStringLiteral("playfair"))
    {
        setFallbacksEnabled(false);
    }
};

// The step nearest to `percent`.
int nearestStep(int percent)
{
    const QList<int> &steps = zoomSteps();
    return *std::min_element(steps.cbegin(), steps.cend(),
                             [percent](int a, int b) { return std::abs(a - percent) < std::abs(b - percent); });
}

std::optional<int> &shown()
{
    static std::optional<int> percent;
    return percent;
}

int scaled(int value, int percent)
{
    return qRound(value * percent / 100.0);
}

// A window larger than the screen is kept with its top-left corner on it,
// so that its title bar and first controls can be reached.
void keepOnScreen(QWidget *window, const QRect &frameBefore, const QSize &sizeBefore)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect place(QPoint(0, 0), window->size() + (frameBefore.size() - sizeBefore));
    place.moveCenter(frameBefore.center());
    place.moveLeft(std::max(available.left(), std::min(place.left(), available.right() + 1 - place.width())));
    place.moveTop(std::max(available.top(), std::min(place.top(), available.bottom() + 1 - place.height())));
    window->move(place.topLeft());
}

// The program's style with what it draws at a fixed number of pixels (the
// scroll bars, the check boxes' and radio buttons' indicators) grown by a
// zoom.
class ZoomedStyle : public QProxyStyle
{
public:
    ZoomedStyle(const QString &base, int percent)
        : QProxyStyle(QStyleFactory::create(base))
        , m_percent(percent)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return scaled(value, m_percent);
        default:
            return value;
        }
    }

private:
    int m_percent;
};

// The application's font and style grown by the zoom too: the font is the
// one of the message boxes and the file dialogs, which set no font of their
// own. Left alone until a zoom other than 100 % is shown.
void applyApplicationZoom(int percent)
{
    static std::optional<QFont> fontAtFirst;
    static QString styleAtFirst;
    if (!fontAtFirst) {
        if (percent == 100)
            return;
        fontAtFirst = QApplication::font();
        styleAtFirst = QApplication::style()->name();
    }
    QFont font = *fontAtFirst;
    font.setPointSizeF(fontAtFirst->pointSizeF() * percent / 100.0);
    if (font != QApplication::font())
        QApplication::setFont(font);
    if (percent == 100)
        QApplication::setStyle(QStyleFactory::create(styleAtFirst));
    else
        QApplication::setStyle(new ZoomedStyle(styleAtFirst, percent));
}

// A window built with layouts that needs more than `room` at the zoom
// shown (the break window at 300 % on a small screen) gets its controls in
// a scroll area that fills it, once and for good: it can then be as small
// as the screen, and the user scrolls to what lies beyond.
void scrollIfTooLarge(QWidget *window, const QSize &room)
{
    QLayout *layout = window->layout();
    if (!layout || window->property(scrollsProperty).toBool())
        return;
    layout->activate();
    const QSize least = window->minimumSizeHint();
    if (least.width() <= room.width() && least.height() <= room.height())
        return;
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("zoomedContent"));
    content->setLayout(layout); // takes the layout and its controls from the window
    auto *area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("zoomScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    QPalette palette = area->viewport()->palette();
    palette.setColor(QPalette::Window, windowColour);
    area->viewport()->setPalette(palette);
    area->viewport()->setAutoFillBackground(true);
    area->setWidget(content);
    auto *whole = new QVBoxLayout(window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(area);
    window->setProperty(scrollsProperty, true);
}

void applyZoom(QWidget *window, int percent)
{
    const int before = window->property(percentProperty).isValid() ? window->property(percentProperty).toInt() : 100;
    if (before == percent)
        return;
    const QRect frameBefore = window->frameGeometry();
    const QSize sizeBefore = window->size();

    if (!window->property(baseFontProperty).isValid())
        window->setProperty(baseFontProperty, window->font());
    QFont font = window->property(baseFontProperty).value<QFont>();
    font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    window->setProperty(percentProperty, percent);
    // Every control that does not set its own size of font takes it from
    // the window, and the window and its controls measure again (FontChange).
    window->setFont(font);
    // A control with a style sheet takes its font from the application and
    // the sheet when it is polished, and only then.
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->styleSheet().isEmpty())
            child->setStyleSheet(child->styleSheet());
    }

    // A window not sized yet takes its size when it opens.
    const bool sized = window->isVisible() || window->testAttribute(Qt::WA_Resized);
    const QScreen *screen = window->screen();
    // The room a window has on the screen, less its frame (or, not shown
    // yet, what a frame usually takes).
    const QSize frame = window->isVisible() ? frameBefore.size() - sizeBefore : QSize(16, 48);
    const QSize room = screen ? screen->availableGeometry().size() - frame : QSize();
    if (screen && percent > 100 && window->minimumSize() != window->maximumSize())
        scrollIfTooLarge(window, room);
    if (sized && window->minimumSize() != window->maximumSize()) {
        // A window built with layouts grows with the zoom, within the
        // screen, but never below what its controls need at the new size.
        if (QLayout *layout = window->layout())
            layout->activate();
        const double growth = double(percent) / before;
        QSize size(qRound(sizeBefore.width() * growth), qRound(sizeBefore.height() * growth));
        if (screen)
            size = size.boundedTo(room);
        window->resize(size.expandedTo(window->minimumSizeHint()).expandedTo(window->minimumSize()));
    }
    if (window->isVisible())
        keepOnScreen(window, frameBefore, sizeBefore);
}

void addShortcut(QWidget *window, const char *name, const QList<QKeySequence> &keys, void (*run)())
{
    auto *shortcut = new QShortcut(window);
    shortcut->setObjectName(QLatin1String(name));
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, window, run);
}

QKeySequence zoomInKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_Plus);
}

QKeySequence zoomOutKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_Minus);
}

QKeySequence zoomResetKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_0);
}

} // namespace

const QList<int> &zoomSteps()
{
    static const QList<int> steps{100, 125, 150, 175, 200, 250, 300};
    return steps;
}

int zoomPercent()
{
    std::optional<int> &percent = shown();
    if (!percent) {
        bool ok = false;
        const int stored = Settings().value(zoomKey()).toInt(&ok);
        percent = ok ? nearestStep(stored) : 100;
    }
    return *percent;
}

int zoomed(int pixels)
{
    return scaled(pixels, zoomPercent());
}

void showZoom(int percent)
{
    shown() = nearestStep(percent);
    applyApplicationZoom(*shown());
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->property(followsProperty).toBool())
            applyZoom(window, *shown());
    }
}

void chooseZoom(int percent)
{
    showZoom(percent);
    Settings().setValue(zoomKey(), zoomPercent());
}

void zoomIn()
{
    const QList<int> &steps = zoomSteps();
    const auto next = std::upper_bound(steps.cbegin(), steps.cend(), zoomPercent());
    if (next != steps.cend())
        chooseZoom(*next);
}

void zoomOut()
{
    const QList<int> &steps = zoomSteps();
    const auto at = std::lower_bound(steps.cbegin(), steps.cend(), zoomPercent());
    if (at != steps.cbegin())
        chooseZoom(*(at - 1));
}

void zoomReset()
{
    chooseZoom(100);
}

void followZoom(QWidget *window)
{
    window->setProperty(followsProperty, true);
    addShortcut(window, "zoomInShortcut", {zoomInKey(), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &zoomIn);
    addShortcut(window, "zoomOutShortcut", {zoomOutKey()}, &zoomOut);
    addShortcut(window, "zoomResetShortcut", {zoomResetKey()}, &zoomReset);
    if (zoomPercent() != 100) {
        applyApplicationZoom(zoomPercent());
        applyZoom(window, zoomPercent());
    }
}

QRect scaledRect(const QRect &rect, int percent)
{
    return {scaled(rect.x(), percent), scaled(rect.y(), percent), scaled(rect.width(), percent),
            scaled(rect.height(), percent)};
}

void scaleFixedGeometry(QWidget *window, const QList<QWidget *> &containers)
{
    const int percent = zoomPercent();
    if (!window->property(baseSizeProperty).isValid())
        window->setProperty(baseSizeProperty, window->size());
    const QSize base = window->property(baseSizeProperty).toSize();
    window->setFixedSize(scaled(base.width(), percent), scaled(base.height(), percent));
    for (QWidget *container : containers) {
        const QList<QWidget *> children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            if (child->isWindow())
                continue;
            if (!child->property(baseGeometryProperty).isValid())
                child->setProperty(baseGeometryProperty, child->geometry());
            child->setGeometry(scaledRect(child->property(baseGeometryProperty).toRect(), percent));
        }
    }
}

void addZoomMenu(QMenu *menu)
{
    QMenu *zoom = menu->addMenu(QCoreApplication::translate("ZoomMenu", "Мащаб"));
    zoom->setObjectName(QStringLiteral("zoomMenu"));
    // The shortcut after a tab, as a menu shows it, without a second
    // shortcut that would stand beside the window's own.
    const auto withKey = [](const QString &text, const QKeySequence &key) {
        return text + u'\t' + key.toString(QKeySequence::NativeText);
    };
    QAction *larger = zoom->addAction(withKey(QCoreApplication::translate("ZoomMenu", "Увеличи"), zoomInKey()));
    larger->setObjectName(QStringLiteral("zoomIn"));
    larger->setEnabled(zoomPercent() < zoomSteps().last());
    QObject::connect(larger, &QAction::triggered, larger, &zoomIn);
    QAction *smaller = zoom->addAction(withKey(QCoreApplication::translate("ZoomMenu", "Намали"), zoomOutKey()));
    smaller->setObjectName(QStringLiteral("zoomOut"));
    smaller->setEnabled(zoomPercent() > zoomSteps().first());
    QObject::connect(smaller, &QAction::triggered, smaller, &zoomOut);
    QAction *normal
        = zoom->addAction(withKey(QCoreApplication::translate("ZoomMenu", "Нормален размер"), zoomResetKey()));
    normal->setObjectName(QStringLiteral("zoomReset"));
    QObject::connect(normal, &QAction::triggered, normal, &zoomReset);
    zoom->addSeparator();

    auto *group = new QActionGroup(zoom);
    for (const int percent : zoomSteps()) {
        //: A step of the zoom: %1 is a number such as 150.
        QAction *step = zoom->addAction(QCoreApplication::translate("ZoomMenu", "%1 %").arg(percent));
        step->setObjectName(QStringLiteral("zoom_%1").arg(percent));
        step->setCheckable(true);
        step->setChecked(percent == zoomPercent());
        step->setActionGroup(group);
        QObject::connect(step, &QAction::triggered, step, [percent] { chooseZoom(percent); });
    }
}

} // namespace playfair
