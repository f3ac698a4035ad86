#include "Faces.h"

#include "Colours.h"

#include <array>

namespace artdraw
{
namespace
{

// Hand-set glyphs: at ten pixels high no font renders the same on two machines.
using Glyph = std::array<const char *, 10>;

constexpr std::array<Glyph, rankCount> rankGlyphs = {{
    {".######.", //
     "###..###", //
     "##....##", //
     ".....###", //
     "....###.", //
     "..####..", //
     ".###....", //
     "###.....", //
     "########", //
     "########"},
    {"..######", //
     "..######", //
     ".....##.", //
     ".....##.", //
     ".....##.", //
     ".....##.", //
     "##...##.", //
     "##...##.", //
     "#######.", //
     ".#####.."},
    {"..####..", //
     ".######.", //
     "###..###", //
     "##....##", //
     "##....##", //
     "##....##", //
     "##.##.##", //
     "###.####", //
     ".######.", //
     "..###.##"},
    {"##....##", //
     "##...###", //
     "##..###.", //
     "##.###..", //
     "#####...", //
     "#####...", //
     "##.###..", //
     "##..###.", //
     "##...###", //
     "##....##"},
    {"...##...", //
     "..####..", //
     "..####..", //
     ".##..##.", //
     ".##..##.", //
     "##....##", //
     "########", //
     "########", //
     "##....##", //
     "##....##"},
}};

// '#' is the outline, 'r' the red fill.
constexpr std::array<const char *, 10> heart = {
    ".###...###.", //
    "#rrr#.#rrr#", //
    "#rrrr#rrrr#", //
    "#rrrrrrrrr#", //
    "#rrrrrrrrr#", //
    ".#rrrrrrr#.", //
    "..#rrrrr#..", //
    "...#rrr#...", //
    "....#r#....", //
    ".....#.....",
};

constexpr std::array<const char *, 11> spade = {
    ".....#.....", //
    "....###....", //
    "...#####...", //
    "..#######..", //
    ".#########.", //
    "###########", //
    "###########", //
    ".#########.", //
    "..##.#.##..", //
    "....###....", //
    "...#####...",
};

// Top-right glyph origin; the bottom-left copy is its half-turn about the card centre.
constexpr QPoint rankOrigin(23, 3);
constexpr int glyphWidth = 8;
constexpr int glyphHeight = 10;

template <std::size_t Rows>
void stamp(QImage &card, QPoint origin, const std::array<const char *, Rows> &rows)
{
    for (int y = 0; y < int(Rows); ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x) {
            const char cell = rows[y][x];
            if (cell == '#')
                card.setPixel(origin.x() + x, origin.y() + y, black);
            else if (cell == 'r')
                card.setPixel(origin.x() + x, origin.y() + y, qRgb(255, 0, 0));
        }
}

} // namespace

QImage drawFace(Suit suit, int rank)
{
    QImage card = opaqueCanvas(faceWidth, faceHeight, white);
    drawCardOutline(card);

    const Glyph &glyph = rankGlyphs.at(rank);
    stamp(card, rankOrigin, glyph);
    for (int y = 0; y < glyphHeight; ++y)
        for (int x = 0; x < glyphWidth; ++x)
            if (glyph[y][x] == '#')
                card.setPixel(faceWidth - 1 - (rankOrigin.x() + x),
                              faceHeight - 1 - (rankOrigin.y() + y), black);

    // Middle box is columns 12-22, rows 18-28; both symbols sit on its centre column.
    if (suit == Suit::Hearts)
        stamp(card, QPoint(12, 19), heart);
    else
        stamp(card, QPoint(12, 18), spade);
    return card;
}

QString faceFileName(Suit suit, int rank)
{
    static constexpr std::array<const char *, rankCount> names = {"2", "j", "q", "k", "a"};
    return QStringLiteral("%1-%2.png")
        .arg(suit == Suit::Hearts ? QStringLiteral("hearts") : QStringLiteral("spades"),
             QString::fromLatin1(names.at(rank)));
}

} // namespace artdraw
