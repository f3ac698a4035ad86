#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace rt
{

// A compiled-in picture in the variant that suits the densest screen: "x@2x.png" beside
// "x.png" when a screen needs more than one pixel per point. The variant carries its device
// pixel ratio, so its size in points is the 1x picture's.
QPixmap loadPicture(const QString &path);

// The picture ready to paint one to one into `points` on a device of pixel ratio `ratio`:
// the same pixels when they already fit, otherwise scaled smoothly once.
QPixmap fitted(const QPixmap &picture, const QSize &points, qreal ratio);

} // namespace rt
