#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace artdraw
{

struct IcoEntry {
    QImage image;     // ARGB, square, at most 255 pixels
    int bitsPerPixel; // 8 (palette plus mask) or 32 (alpha)
};

// Windows .ico container written by hand, so every entry has exactly the depth we ask for.
QByteArray writeIco(const QList<IcoEntry> &entries);

} // namespace artdraw
