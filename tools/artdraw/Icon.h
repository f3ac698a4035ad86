#pragma once

#include <QImage>

namespace artdraw
{

// The program icon at any square size, ARGB with a transparent background.
QImage drawIcon(int size);

} // namespace artdraw
