#pragma once

#include <QIcon>

// The program icon in every size the game has: 16, 32, 48, 128 and 256 pixels, and the
// small designs again at twice the density.
QIcon programIcon();
