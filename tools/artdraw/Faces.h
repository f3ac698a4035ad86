#pragma once

#include <QImage>
#include <QString>

namespace artdraw
{

enum class Suit { Hearts, Spades };

inline constexpr int faceWidth = 35;
inline constexpr int faceHeight = 48;
inline constexpr int rankCount = 5; // Two, Jack, Queen, King, Ace

// `scale` is the pixel density: 1 for the 35 x 48 picture, 2 for its 70 x 96 variant.
QImage drawFace(Suit suit, int rank, int scale);
// "hearts-2" and so on, without the suffix.
QString faceBaseName(Suit suit, int rank);

} // namespace artdraw
