#pragma once

#include <QImage>
#include <QString>

namespace artdraw
{

enum class Suit { Hearts, Spades };

inline constexpr int faceWidth = 35;
inline constexpr int faceHeight = 48;
inline constexpr int rankCount = 5; // Two, Jack, Queen, King, Ace

QImage drawFace(Suit suit, int rank);
QString faceFileName(Suit suit, int rank);

} // namespace artdraw
