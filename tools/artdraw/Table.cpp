#include "Table.h"

#include "Colours.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace artdraw
{
namespace
{

// Outlines in a 100 x 100 design square; each is later stretched onto its own box.
QPainterPath heartPath()
{
    QPainterPath p;
    p.moveTo(50, 100);
    p.cubicTo(22, 74, 0, 55, 0, 29);
    p.cubicTo(0, 11, 12, 0, 27, 0);
    p.cubicTo(38, 0, 47, 7, 50, 18);
    p.cubicTo(53, 7, 62, 0, 73, 0);
    p.cubicTo(88, 0, 100, 11, 100, 29);
    p.cubicTo(100, 55, 78, 74, 50, 100);
    p.closeSubpath();
    return p;
}

QPainterPath stemPath()
{
    QPainterPath stem;
    stem.moveTo(47, 60);
    stem.lineTo(53, 60);
    stem.quadTo(55, 90, 72, 100);
    stem.lineTo(28, 100);
    stem.quadTo(45, 90, 47, 60);
    stem.closeSubpath();
    return stem;
}

QPainterPath spadePath()
{
    QPainterPath body;
    body.moveTo(50, 0);
    body.cubicTo(64, 20, 100, 36, 100, 58);
    body.cubicTo(100, 73, 89, 81, 77, 81);
    body.cubicTo(66, 81, 58, 76, 53, 68);
    body.lineTo(47, 68);
    body.cubicTo(42, 76, 34, 81, 23, 81);
    body.cubicTo(11, 81, 0, 73, 0, 58);
    body.cubicTo(0, 36, 36, 20, 50, 0);
    body.closeSubpath();
    return body.united(stemPath());
}

QPainterPath clubPath()
{
    QPainterPath p;
    p.addEllipse(QPointF(50, 24), 24, 24);
    p.addEllipse(QPointF(24, 58), 24, 24);
    p.addEllipse(QPointF(76, 58), 24, 24);
    p.addRect(QRectF(40, 40, 20, 25));
    p.setFillRule(Qt::WindingFill);
    return p.simplified().united(stemPath());
}

QPainterPath diamondPath()
{
    QPainterPath p;
    p.moveTo(50, 0);
    p.quadTo(70, 30, 100, 50);
    p.quadTo(70, 70, 50, 100);
    p.quadTo(30, 70, 0, 50);
    p.quadTo(30, 30, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath inset(const QPainterPath &shape, qreal by)
{
    QPainterPathStroker stroker;
    stroker.setWidth(2 * by);
    stroker.setJoinStyle(Qt::RoundJoin);
    return shape.subtracted(stroker.createStroke(shape));
}

struct Finish {
    QColor base;
    QColor deep;  // shading towards the lower edge
    QColor gleam; // the reflected window of light
};

void paintGlossy(QPainter &painter, const QPainterPath &shape, const Finish &finish)
{
    const QRectF r = shape.boundingRect();

    // Body: flat base colour over most of it, deepening only near the bottom.
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0.0, finish.base);
    body.setColorAt(0.6, finish.base);
    body.setColorAt(1.0, finish.deep);
    painter.fillPath(shape, body);

    // A soft rim of light along the lower edge, as from the felt below.
    const QPainterPath inner = inset(shape, r.width() * 0.035);
    QPainterPath rim = shape.subtracted(inner);
    QLinearGradient rimLight(r.topLeft(), r.bottomLeft());
    QColor rimColour = finish.gleam;
    rimColour.setAlpha(0);
    rimLight.setColorAt(0.55, rimColour);
    rimColour.setAlpha(110);
    rimLight.setColorAt(1.0, rimColour);
    painter.fillPath(rim, rimLight);

    // The gloss: a bright window across the upper half that fades downwards.
    const QRectF window(r.left() + r.width() * 0.08, r.top() - r.height() * 0.18, r.width() * 0.84,
                        r.height() * 0.66);
    QPainterPath windowPath;
    windowPath.addEllipse(window);
    const QPainterPath gloss = inset(shape, r.width() * 0.06).intersected(windowPath);
    QLinearGradient glossFade(QPointF(0, r.top()), QPointF(0, window.bottom()));
    QColor gleam = finish.gleam;
    gleam.setAlpha(235);
    glossFade.setColorAt(0.0, gleam);
    gleam.setAlpha(150);
    glossFade.setColorAt(0.45, gleam);
    gleam.setAlpha(20);
    glossFade.setColorAt(1.0, gleam);
    painter.fillPath(gloss, glossFade);

    // A small hard sparkle near the upper left.
    const QPointF spot(r.left() + r.width() * 0.3, r.top() + r.height() * 0.22);
    QRadialGradient sparkle(spot, r.width() * 0.09);
    sparkle.setColorAt(0.0, QColor(255, 255, 255, 230));
    sparkle.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.save();
    painter.setClipPath(inner);
    painter.fillRect(QRectF(spot.x() - r.width() * 0.1, spot.y() - r.width() * 0.1, r.width() * 0.2,
                            r.width() * 0.2),
                     sparkle);
    painter.restore();
}

QPainterPath placed(const QPainterPath &design, const QRectF &target)
{
    const QRectF from = design.boundingRect();
    QTransform t;
    t.translate(target.left(), target.top());
    t.scale(target.width() / from.width(), target.height() / from.height());
    t.translate(-from.left(), -from.top());
    return t.map(design);
}

} // namespace

QImage drawTable(int scale)
{
    QImage table = opaqueCanvas(tableWidth * scale, tableHeight * scale, tableGreen);
    QPainter painter(&table);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const Finish red{QColor(237, 27, 36), QColor(176, 12, 20), QColor(255, 215, 215)};
    const Finish ink{QColor(0, 0, 0), QColor(0, 0, 0), QColor(200, 200, 200)};
    for (const TableCorner &corner : tableCorners) {
        // Keep a small gap inside the box so antialiasing cannot spill over its edge.
        const QRectF box = QRectF(corner.box).adjusted(0.3, 0.3, -0.3, -0.3);
        switch (corner.symbol) {
        case TableSymbol::Heart:
            paintGlossy(painter, placed(heartPath(), box.adjusted(2, 0, -2, -1)), red);
            break;
        case TableSymbol::Spade:
            paintGlossy(painter, placed(spadePath(), box.adjusted(2, 0, -2, -1)), ink);
            break;
        case TableSymbol::Club:
            paintGlossy(painter, placed(clubPath(), box.adjusted(1, 0, -1, -0.5)), ink);
            break;
        case TableSymbol::Diamond:
            paintGlossy(painter, placed(diamondPath(), box), red);
            break;
        }
    }
    return table;
}

} // namespace artdraw
