#include "window/WindowIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace
{

struct IconImage {
    int points; // the size it was designed for
    int scale;  // its pixel density
    const char *file;
    int pixels() const { return points * scale; }
};

constexpr IconImage iconImages[] = {
    {16, 1, ":/art/icon-16.png"},   {16, 2, ":/art/icon-16@2x.png"},
    {32, 1, ":/art/icon-32.png"},   {32, 2, ":/art/icon-32@2x.png"},
    {48, 1, ":/art/icon-48.png"},   {48, 2, ":/art/icon-48@2x.png"},
    {128, 1, ":/art/icon-128.png"}, {256, 1, ":/art/icon-128@2x.png"},
};

class LazyIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels. The design made for this size and density wins; else the
    // smallest image at least as large, scaled down smoothly.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        const int wanted = std::max(size.width(), size.height());
        const IconImage *best = &iconImages[0];
        for (const IconImage &image : iconImages) {
            if (image.pixels() == wanted && image.scale == int(std::lround(scale)))
                return QPixmap(QString::fromLatin1(image.file));
            const bool fits = image.pixels() >= wanted;
            const bool bestFits = best->pixels() >= wanted;
            if (fits ? !bestFits || image.pixels() < best->pixels()
                     : !bestFits && image.pixels() > best->pixels())
                best = &image;
        }
        const QPixmap pixmap(QString::fromLatin1(best->file));
        return pixmap.width() == wanted
                   ? pixmap
                   : pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap pixmap = scaledPixmap(rect.size() * scale, mode, state, scale);
        pixmap.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), pixmap);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(std::min(size.width(), size.height()), 256);
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const IconImage &image : iconImages)
            if (image.scale == 1)
                sizes.append(QSize(image.points, image.points));
        return sizes;
    }

    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("ombrix-lazy"); }
    QIconEngine *clone() const override { return new LazyIconEngine; }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new LazyIconEngine);
}
