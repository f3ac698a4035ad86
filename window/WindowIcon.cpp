#include "window/WindowIcon.h"

#include <QPixmap>

namespace
{

struct IconImage {
    qreal scale; // its pixel density
    const char *file;
};

// The 256-pixel image serves twice: as the largest size and as the 128 design at twice the
// density.
constexpr IconImage iconImages[] = {
    {1, ":/art/icon-16.png"},    {2, ":/art/icon-16@2x.png"},  {1, ":/art/icon-32.png"},
    {2, ":/art/icon-32@2x.png"}, {1, ":/art/icon-48.png"},     {2, ":/art/icon-48@2x.png"},
    {1, ":/art/icon-128.png"},   {1, ":/art/icon-128@2x.png"}, {2, ":/art/icon-128@2x.png"},
};

} // namespace

// Qt's own engine chooses by density first and size second, in the way the running Qt asks:
// an engine of ours would have to know how each Qt version passes the size.
QIcon programIcon()
{
    QIcon icon;
    for (const IconImage &image : iconImages) {
        QPixmap pixmap(QString::fromLatin1(image.file));
        pixmap.setDevicePixelRatio(image.scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}
