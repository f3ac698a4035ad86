#include "runtime/Density.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmapCache>

#include <cmath>

namespace rt
{

namespace
{

struct Variant {
    QString file;
    qreal ratio;
};

Variant densestVariant(const QString &path)
{
    if (qApp->devicePixelRatio() > 1.0) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const QString denser = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        if (QFile::exists(denser))
            return {denser, 2.0};
    }
    return {path, 1.0};
}

} // namespace

QPixmap loadPicture(const QString &path)
{
    const Variant variant = densestVariant(path);
    QPixmap pixmap = QPixmap::fromImage(QImage(variant.file));
    pixmap.setDevicePixelRatio(variant.ratio);
    return pixmap;
}

QPixmap fitted(const QPixmap &picture, const QSize &points, qreal ratio)
{
    if (picture.isNull() || points.isEmpty())
        return picture;
    const QSize pixels(int(std::lround(points.width() * ratio)),
                       int(std::lround(points.height() * ratio)));
    if (picture.size() == pixels && picture.devicePixelRatio() == ratio)
        return picture;
    // Every slot shows the same back: scale it for the first and share the result.
    const QString key = QStringLiteral("rt::fitted %1 %2x%3 %4")
                            .arg(picture.cacheKey())
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio);
    QPixmap scaled;
    if (QPixmapCache::find(key, &scaled))
        return scaled;
    scaled = picture.size() == pixels
                 ? picture
                 : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, scaled);
    return scaled;
}

} // namespace rt
