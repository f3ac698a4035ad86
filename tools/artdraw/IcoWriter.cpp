#include "IcoWriter.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace artdraw
{
namespace
{

// Old shells show the palette image with a hard mask, so half-transparent edges snap.
constexpr int maskThreshold = 128;

bool opaqueAt(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) >= maskThreshold;
}

int stride(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

struct Box {
    std::vector<QRgb> colours;

    int spread(int channel) const
    {
        int lo = 255;
        int hi = 0;
        for (QRgb c : colours) {
            const int v = (c >> (16 - 8 * channel)) & 0xff;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    }
};

// Median cut over the visible pixels; entry 0 stays black for the masked-out ones.
std::vector<QRgb> buildPalette(const QImage &image)
{
    std::vector<Box> boxes(1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (opaqueAt(image, x, y))
                boxes[0].colours.push_back(image.pixel(x, y) & 0xffffff);

    while (boxes.size() < 255) {
        int best = -1;
        int bestChannel = 0;
        int bestSpread = 0;
        for (int i = 0; i < int(boxes.size()); ++i)
            for (int channel = 0; channel < 3; ++channel) {
                const int spread = boxes[i].spread(channel);
                if (spread > bestSpread && boxes[i].colours.size() > 1) {
                    best = i;
                    bestChannel = channel;
                    bestSpread = spread;
                }
            }
        if (best < 0)
            break;
        std::vector<QRgb> &all = boxes[best].colours;
        const int shift = 16 - 8 * bestChannel;
        std::sort(all.begin(), all.end(), [shift](QRgb a, QRgb b) {
            return ((a >> shift) & 0xff) < ((b >> shift) & 0xff);
        });
        Box upper;
        upper.colours.assign(all.begin() + all.size() / 2, all.end());
        all.resize(all.size() / 2);
        boxes.push_back(std::move(upper));
    }

    std::vector<QRgb> palette{qRgb(0, 0, 0)};
    for (const Box &box : boxes) {
        if (box.colours.empty())
            continue;
        long r = 0, g = 0, b = 0;
        for (QRgb c : box.colours) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const long n = long(box.colours.size());
        palette.push_back(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    return palette;
}

int nearest(const std::vector<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 1; i < int(palette.size()); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

void writeAndMask(QDataStream &out, const QImage &image, bool (*opaque)(const QImage &, int, int))
{
    const int rowBytes = stride(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<quint8> row(rowBytes, 0);
        for (int x = 0; x < image.width(); ++x)
            if (!opaque(image, x, y))
                row[x / 8] |= quint8(0x80 >> (x % 8));
        out.writeRawData(reinterpret_cast<const char *>(row.data()), rowBytes);
    }
}

QByteArray paletteDib(const QImage &image)
{
    const std::vector<QRgb> palette = buildPalette(image);
    const int w = image.width();
    const int h = image.height();
    QByteArray dib;
    QDataStream out(&dib, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(8) << quint32(0)
        << quint32((stride(w, 8) + stride(w, 1)) * h) << qint32(0) << qint32(0) << quint32(256)
        << quint32(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[i] : qRgb(0, 0, 0);
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<quint8> row(stride(w, 8), 0);
        for (int x = 0; x < w; ++x)
            if (opaqueAt(image, x, y))
                row[x] = quint8(nearest(palette, image.pixel(x, y)));
        out.writeRawData(reinterpret_cast<const char *>(row.data()), int(row.size()));
    }
    writeAndMask(out, image, opaqueAt);
    return dib;
}

QByteArray alphaDib(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    QByteArray dib;
    QDataStream out(&dib, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
        << quint32((stride(w, 32) + stride(w, 1)) * h) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(qAlpha(c));
        }
    // The alpha channel rules; the mask only hides what is wholly clear.
    writeAndMask(out, image,
                 [](const QImage &img, int x, int y) { return qAlpha(img.pixel(x, y)) > 0; });
    return dib;
}

} // namespace

QByteArray writeIco(const QList<IcoEntry> &entries)
{
    std::vector<QByteArray> dibs;
    for (const IcoEntry &entry : entries) {
        const QImage image = entry.image.convertToFormat(QImage::Format_ARGB32);
        if (image.width() != image.height() || image.width() > 255)
            throw std::invalid_argument("icon images must be square and under 256 pixels");
        if (entry.bitsPerPixel == 8)
            dibs.push_back(paletteDib(image));
        else if (entry.bitsPerPixel == 32)
            dibs.push_back(alphaDib(image));
        else
            throw std::invalid_argument("icon images are 8 or 32 bits per pixel");
    }

    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (int i = 0; i < int(entries.size()); ++i) {
        const int size = entries[i].image.width();
        // Colour count 0 means "256 or more".
        out << quint8(size) << quint8(size) << quint8(0) << quint8(0) << quint16(1)
            << quint16(entries[i].bitsPerPixel) << quint32(dibs[i].size()) << offset;
        offset += quint32(dibs[i].size());
    }
    for (const QByteArray &dib : dibs)
        out.writeRawData(dib.constData(), int(dib.size()));
    return ico;
}

} // namespace artdraw
