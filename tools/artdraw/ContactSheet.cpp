#include "ContactSheet.h"

#include <QPainter>

#include <algorithm>

namespace artdraw
{
namespace
{

constexpr int zoom = 4;
constexpr int gap = 12;
constexpr int labelHeight = 16;
constexpr int sheetWidth = 2560;

QSize cellSize(const QImage &image)
{
    return {image.width() * (1 + zoom) + 3 * gap, image.height() * zoom + labelHeight + 2 * gap};
}

// Transparent icons go on a checkerboard so their edges show.
void drawBacking(QPainter &painter, const QRect &area, bool checkered)
{
    if (!checkered)
        return;
    constexpr int square = 8;
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y <= area.bottom(); y += square)
        for (int x = area.left(); x <= area.right(); x += square) {
            const bool light = ((x - area.left()) / square + (y - area.top()) / square) % 2 == 0;
            painter.fillRect(x, y, square, square,
                             light ? QColor(200, 200, 200) : QColor(150, 150, 150));
        }
    painter.restore();
}

} // namespace

QImage drawContactSheet(const QList<SheetItem> &items)
{
    // Lay the cells out in rows first, so the sheet can be sized to fit.
    QList<QPoint> origins;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    int usedWidth = 0;
    for (const SheetItem &item : items) {
        const QSize cell = cellSize(item.image);
        if (x > 0 && x + cell.width() > sheetWidth) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        origins.append(QPoint(x, y));
        x += cell.width();
        usedWidth = std::max(usedWidth, x);
        rowHeight = std::max(rowHeight, cell.height());
    }

    QImage sheet(usedWidth, y + rowHeight, QImage::Format_RGB32);
    sheet.fill(QColor(64, 64, 72));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (int i = 0; i < int(items.size()); ++i) {
        const QImage &image = items[i].image;
        const QPoint at = origins[i] + QPoint(gap, gap);
        painter.setPen(QColor(235, 235, 235));
        painter.drawText(QRect(at, QSize(cellSize(image).width(), labelHeight)),
                         Qt::AlignLeft | Qt::AlignTop, items[i].label);
        const QPoint small = at + QPoint(0, labelHeight);
        const QRect large(small + QPoint(image.width() + gap, 0), image.size() * zoom);
        const bool checkered = image.hasAlphaChannel();
        drawBacking(painter, QRect(small, image.size()), checkered);
        drawBacking(painter, large, checkered);
        painter.drawImage(small, image);
        // Nearest-neighbour on purpose: the point is to see the real pixels.
        painter.drawImage(large.topLeft(), image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio,
                                                        Qt::FastTransformation));
    }
    return sheet;
}

} // namespace artdraw
