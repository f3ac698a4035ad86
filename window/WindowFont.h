#pragma once

#include "window/FormDescription.h"

#include <QFont>

// The font of the window's captions on a screen of the given device pixel ratio.
QFont windowFont(FontStyle style, qreal ratio);
