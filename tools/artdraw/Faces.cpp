#include "Faces.h"

#include "Colours.h"

#include <array>
#include <string>
#include <vector>

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

// Top-right glyph origin in 1x pixels; the bottom-left copy is its half-turn about the card
// centre.
constexpr QPoint rankOrigin(23, 3);

// A hand-set pattern, one string per row.
using Pattern = std::vector<std::string>;

template <std::size_t Rows> Pattern pattern(const std::array<const char *, Rows> &rows)
{
    return Pattern(rows.begin(), rows.end());
}

// Twice the density: each cell becomes four, and a corner cell takes its two neighbours'
// value where they agree across a diagonal, so staircases become finer slopes instead of
// bigger steps. It keeps the pattern's own colours and commutes with the half-turn.
Pattern doubled(const Pattern &rows)
{
    const int h = int(rows.size());
    const int w = int(rows.front().size());
    const auto at = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ? '.' : rows[y][x];
    };
    Pattern out(2 * h, std::string(2 * w, '.'));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char p = at(x, y);
            const char up = at(x, y - 1);
            const char right = at(x + 1, y);
            const char left = at(x - 1, y);
            const char down = at(x, y + 1);
            out[2 * y][2 * x] = left == up && left != down && up != right ? up : p;
            out[2 * y][2 * x + 1] = up == right && up != left && right != down ? right : p;
            out[2 * y + 1][2 * x] = down == left && down != right && left != up ? left : p;
            out[2 * y + 1][2 * x + 1] = right == down && right != up && down != left ? down : p;
        }
    return out;
}

Pattern atScale(const Pattern &rows, int scale)
{
    return scale == 2 ? doubled(rows) : rows;
}

// '#' is black ink, 'r' the red fill; anything else leaves the card white.
void stamp(QImage &card, QPoint origin, const Pattern &rows, bool turned)
{
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x) {
            const char cell = rows[y][x];
            if (cell != '#' && cell != 'r')
                continue;
            QPoint at = origin + QPoint(x, y);
            if (turned)
                at = QPoint(card.width() - 1 - at.x(), card.height() - 1 - at.y());
            card.setPixel(at, cell == '#' ? black : qRgb(255, 0, 0));
        }
}

} // namespace

QImage drawFace(Suit suit, int rank, int scale)
{
    QImage card = opaqueCanvas(faceWidth * scale, faceHeight * scale, white);
    drawCardOutline(card, scale);

    const Pattern glyph = atScale(pattern(rankGlyphs.at(rank)), scale);
    stamp(card, rankOrigin * scale, glyph, false);
    stamp(card, rankOrigin * scale, glyph, true);

    // Middle box is columns 12-22, rows 18-28; both symbols sit on its centre column.
    if (suit == Suit::Hearts)
        stamp(card, QPoint(12, 19) * scale, atScale(pattern(heart), scale), false);
    else
        stamp(card, QPoint(12, 18) * scale, atScale(pattern(spade), scale), false);
    return card;
}

QString faceBaseName(Suit suit, int rank)
{
    static constexpr std::array<const char *, rankCount> names = {"2", "j", "q", "k", "a"};
    return QStringLiteral("%1-%2").arg(suit == Suit::Hearts ? QStringLiteral("hearts")
                                                            : QStringLiteral("spades"),
                                       QString::fromLatin1(names.at(rank)));
}

} // namespace artdraw
