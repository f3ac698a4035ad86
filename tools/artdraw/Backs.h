#pragma once

#include <QImage>

namespace artdraw
{

enum class BackColour { Red, Blue };

inline constexpr int backWidth = 45;
inline constexpr int backHeight = 62;

// `scale` is the pixel density: 1 for the 45 x 62 picture, 2 for its 90 x 124 variant.
QImage drawBack(BackColour colour, int scale);

} // namespace artdraw
