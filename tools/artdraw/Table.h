#pragma once

#include <QImage>
#include <QRect>

#include <array>

namespace artdraw
{

inline constexpr int tableWidth = 490;
inline constexpr int tableHeight = 325;

enum class TableSymbol { Heart, Spade, Club, Diamond };

struct TableCorner {
    TableSymbol symbol;
    QRect box; // the symbol must stay wholly inside
};

// One glossy symbol per corner; the centre of the felt stays plain for the controls.
inline constexpr std::array<TableCorner, 4> tableCorners = {{
    {TableSymbol::Heart, QRect(QPoint(8, 12), QPoint(82, 91))},
    {TableSymbol::Spade, QRect(QPoint(413, 8), QPoint(483, 87))},
    {TableSymbol::Club, QRect(QPoint(7, 238), QPoint(84, 315))},
    {TableSymbol::Diamond, QRect(QPoint(418, 241), QPoint(480, 317))},
}};

// `scale` is the pixel density; the corner boxes above are in 1x pixels.
QImage drawTable(int scale);

} // namespace artdraw
