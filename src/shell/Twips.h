#pragma once

#include <QRect>

// Window positions and sizes are kept in twips: 1440 to the inch, 15 to the pixel at
// 96 dots per inch.
constexpr int tw(int twips)
{
    return (twips + 7) / 15;
}

inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}
