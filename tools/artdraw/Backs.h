#pragma once

#include <QImage>

namespace artdraw
{

enum class BackColour { Red, Blue };

inline constexpr int backWidth = 45;
inline constexpr int backHeight = 62;

QImage drawBack(BackColour colour);

} // namespace artdraw
