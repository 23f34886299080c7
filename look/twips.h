// Positions and sizes of controls are laid out in twips: 15 twips a pixel
// at 96 dpi (Qt scales pixels for high-dpi screens).
#pragma once

#include <QRect>
#include <QSize>

namespace amorix {

constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

constexpr QSize twipsSize(int width, int height) { return QSize(pixels(width), pixels(height)); }

} // namespace amorix
