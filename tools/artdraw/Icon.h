#pragma once

#include <QImage>

namespace artdraw
{

// The program icon designed for `size` pixels, drawn at `scale` times that density, ARGB with
// a transparent background.
QImage drawIcon(int size, int scale = 1);

} // namespace artdraw
