#include "runtime/Density.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPixmapCache>
#include <QResource>
#include <QThreadPool>

#include <cmath>
#include <future>
#include <memory>

namespace rt
{

namespace
{

quint32 little(const uchar *bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

// The table is the largest picture and the first one painted. Stored as a plain 24-bit
// bitmap, uncompressed in the program, it is read where it lies: a copy instead of a decode.
// Null for anything else.
QImage plainBitmap(const QString &path)
{
    const QResource resource(path);
    const uchar *bytes = resource.data();
    const qint64 size = resource.size();
    if (!bytes || resource.compressionAlgorithm() != QResource::NoCompression || size < 54 ||
        bytes[0] != 'B' || bytes[1] != 'M' || little(bytes, 28, 2) != 24 ||
        little(bytes, 30, 4) != 0)
        return {};
    const quint32 offset = little(bytes, 10, 4);
    const int width = int(little(bytes, 18, 4));
    const int height = int(little(bytes, 22, 4)); // positive: the bottom row comes first
    const qint64 stride = (qint64(width) * 3 + 3) & ~qint64(3);
    if (width <= 0 || height <= 0 || qint64(offset) + stride * height > size)
        return {};
    // Read as red-green-blue, which Qt widens fastest, then put blue and red back in place.
    const QImage rows(bytes + offset, width, height, stride, QImage::Format_RGB888);
    QImage image = rows.convertToFormat(QImage::Format_RGB32);
    return std::move(image).rgbSwapped().mirrored();
}

QImage readImage(const QString &path)
{
    const QImage bitmap = plainBitmap(path);
    return bitmap.isNull() ? QImage(path) : bitmap;
}

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

QHash<QString, std::shared_future<QImage>> &readsUnderWay()
{
    static QHash<QString, std::shared_future<QImage>> reads;
    return reads;
}

} // namespace

void startReading(const QStringList &paths)
{
    // Qt sets up its image readers where an image is first read. Set up on a pool thread,
    // they left the program hanging on its way out on Windows; so here, on the window's.
    QImageReader::supportedImageFormats();
    for (const QString &path : paths) {
        if (readsUnderWay().contains(path))
            continue;
        auto read = std::make_shared<std::packaged_task<QImage()>>(
            [file = densestVariant(path).file] { return readImage(file); });
        readsUnderWay().insert(path, read->get_future().share());
        QThreadPool::globalInstance()->start([read] { (*read)(); });
    }
}

QPixmap loadPicture(const QString &path)
{
    const Variant variant = densestVariant(path);
    QImage image;
    if (const auto read = readsUnderWay().constFind(path); read != readsUnderWay().cend()) {
        image = read->get();
        readsUnderWay().erase(read);
    } else {
        image = readImage(variant.file);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
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
