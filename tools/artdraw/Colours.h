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

// Black outline with table-green corner pixels, shared by faces and backs.
inline void drawCardOutline(QImage &card)
{
    const int right = card.width() - 1;
    const int bottom = card.height() - 1;
    for (int x = 0; x <= right; ++x) {
        card.setPixel(x, 0, black);
        card.setPixel(x, bottom, black);
    }
    for (int y = 0; y <= bottom; ++y) {
        card.setPixel(0, y, black);
        card.setPixel(right, y, black);
    }
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        card.setPixel(corner, tableGreen);
}

} // namespace artdraw
