#pragma once

#include <QColor>
#include <QImage>

namespace artdraw
{

// The felt the cards lie on; card corners take it so they look rounded.
inline constexpr QRgb tableGreen = qRgb(0, 128, 0);
inline constexpr QRgb black = qRgb(0, 0, 0);
inline constexpr QRgb white = qRgb(255, 255, 255);

// The game's pictures carry no alpha channel.
inline QImage opaqueCanvas(int width, int height, QRgb fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Black outline with table-green corners, shared by faces and backs. At `scale` times the
// pixel density the line is `scale` pixels thick and each corner a scale x scale block.
inline void drawCardOutline(QImage &card, int scale)
{
    const int w = card.width();
    const int h = card.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool nearX = x < scale || x >= w - scale;
            const bool nearY = y < scale || y >= h - scale;
            if (nearX && nearY)
                card.setPixel(x, y, tableGreen);
            else if (nearX || nearY)
                card.setPixel(x, y, black);
        }
}

} // namespace artdraw
