#include "Icon.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artdraw
{

QImage drawIcon(int size, int scale)
{
    // Small sizes are drawn large and scaled down, which keeps the rim and glow even.
    const int big = size * (size < 64 ? 8 : 2) * scale;
    QImage canvas(big, big, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = big;
    const QPointF centre(s / 2, s / 2);
    // Tiny icons need a chunkier rim or it vanishes.
    const qreal outer = s * 0.47;
    const qreal rimWidth = s * (size <= 16 ? 0.09 : size <= 32 ? 0.065 : 0.05);
    const qreal lens = outer - rimWidth;

    // Brushed-metal rim: alternating light and dark bands around the ring.
    QConicalGradient metal(centre, 35);
    metal.setColorAt(0.00, QColor(245, 245, 250));
    metal.setColorAt(0.18, QColor(120, 122, 130));
    metal.setColorAt(0.35, QColor(225, 227, 235));
    metal.setColorAt(0.55, QColor(90, 92, 100));
    metal.setColorAt(0.75, QColor(210, 212, 220));
    metal.setColorAt(0.90, QColor(110, 112, 120));
    metal.setColorAt(1.00, QColor(245, 245, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawEllipse(centre, outer, outer);
    p.setBrush(QColor(20, 20, 22));
    p.drawEllipse(centre, lens + s * 0.006, lens + s * 0.006);

    // Glossy black glass, faintly lit from below by the room.
    QRadialGradient glass(QPointF(centre.x(), centre.y() + lens * 0.55), lens * 1.3);
    glass.setColorAt(0.0, QColor(52, 52, 58));
    glass.setColorAt(0.45, QColor(14, 14, 16));
    glass.setColorAt(1.0, QColor(0, 0, 0));
    p.setBrush(glass);
    p.drawEllipse(centre, lens, lens);

    // The red light: a hot core inside a wide soft glow.
    QRadialGradient glow(centre, lens * 0.62);
    glow.setColorAt(0.0, QColor(255, 236, 220));
    glow.setColorAt(0.12, QColor(255, 120, 90));
    glow.setColorAt(0.28, QColor(240, 20, 20));
    glow.setColorAt(0.55, QColor(160, 0, 0, 150));
    glow.setColorAt(1.0, QColor(90, 0, 0, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, lens * 0.62, lens * 0.62);

    // Curved highlight: a crescent along the upper inside of the glass.
    QPainterPath upper;
    upper.addEllipse(
        QRectF(centre.x() - lens * 0.8, centre.y() - lens * 0.92, lens * 1.6, lens * 1.1));
    QPainterPath cut;
    cut.addEllipse(
        QRectF(centre.x() - lens * 1.0, centre.y() - lens * 0.62, lens * 2.0, lens * 1.3));
    const QPainterPath crescent = upper.subtracted(cut);
    QLinearGradient shine(QPointF(0, centre.y() - lens * 0.92),
                          QPointF(0, centre.y() - lens * 0.2));
    shine.setColorAt(0.0, QColor(255, 255, 255, 235));
    shine.setColorAt(1.0, QColor(255, 255, 255, 30));
    p.fillPath(crescent, shine);
    p.end();

    return canvas
        .scaled(size * scale, size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace artdraw
