#pragma once

// What the break window's two source files share: its colours and how its
// controls are named for tests.

#include <QColor>

namespace playfair::breakwindowparts {

inline QColor startColour()
{
    return {0, 255, 0};
}

inline QColor stopColour()
{
    return {255, 0, 0};
}

// The status line's and the key word's panels.
inline QColor noteColour()
{
    return {255, 255, 240};
}

template<typename T>
T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

} // namespace playfair::breakwindowparts
