#pragma once

#include <QIcon>

// The program icon in every size the game has: 16, 32, 48, 128 and 256 pixels, and the
// small designs again at twice the density. A file is decoded only when something asks for
// its size, so that the sizes nobody shows cost start-up nothing.
QIcon programIcon();
