#include "Backs.h"

#include "Colours.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artdraw
{
namespace
{

// The design is a field of "levels": 0 is the darkest ink, 0.8 the palest tint, 1 white.
// Working in levels and colouring last keeps every pixel, antialiased ones included, on
// the deck's own ramp.
struct Ramp {
    QColor dark;
    QColor pale;
};

QRgb colourAt(const Ramp &ramp, double level)
{
    const auto mix = [](const QColor &a, const QColor &b, double t) {
        return qRgb(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                    int(std::lround(a.green() + (b.green() - a.green()) * t)),
                    int(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
    };
    constexpr double paleLevel = 0.8;
    level = std::clamp(level, 0.0, 1.0);
    if (level <= paleLevel)
        return mix(ramp.dark, ramp.pale, level / paleLevel);
    return mix(ramp.pale, QColor(Qt::white), (level - paleLevel) / (1.0 - paleLevel));
}

constexpr double centreX = backWidth / 2.0;
constexpr double centreY = backHeight / 2.0;

// Triangle wave with period `period`, 0 at multiples and 1 half-way between.
double tri(double t, double period)
{
    const double f = t / period - std::floor(t / period);
    return 1.0 - std::abs(2.0 * f - 1.0);
}

// Ink levels used by the pixel-aligned parts of the design.
constexpr double ink = 0.0;
constexpr double deep = 0.14;
constexpr double mid = 0.42;
constexpr double tint = 0.72;
constexpr double pale = 0.86;
constexpr double shine = 1.0;

// A point of the card, both as the pixel it lies in (folded onto the top-left quarter,
// counted from the centre lines) and as exact distances from the centre for smooth curves.
struct Spot {
    int fu; // 0 on the centre column, 19 on the first inked column
    int fv; // 0 on the two centre rows, 27 on the first inked row
    double u;
    double v;
};

// Border band: a chain of little pale crosses with white eyes on dark ink, linked by a
// faint thread.
double border(int edge, int along)
{
    const int phase = along % 4;
    switch (edge) {
    case 0:
    case 4:
        return ink;
    case 1:
    case 3:
        return phase == 0 ? pale : deep;
    default:
        return phase == 0 ? shine : phase == 2 ? mid : pale;
    }
}

// Fine lace trellis behind the medallion.
double lace(int fu, int fv)
{
    const bool a = (fu + fv) % 4 == 0;
    const bool b = (fu + 40 - fv) % 4 == 0;
    if (a && b)
        return pale;
    if (a || b)
        return tint - 0.12;
    return deep;
}

double levelAt(const Spot &s)
{
    const int edge = std::min(19 - s.fu, 27 - s.fv);
    if (edge < 0)
        return shine; // the white margin
    if (edge <= 4) {
        const bool side = 19 - s.fu < 27 - s.fv;
        if (19 - s.fu == 27 - s.fv) // corner rosettes where the bands meet
            return edge == 2 ? shine : edge == 4 || edge == 0 ? ink : pale;
        return border(edge, side ? s.fv + 2 : s.fu);
    }
    if (edge == 5)
        return tint;
    if (edge == 6)
        return ink;

    // Inner panel. The medallion is a tall oval measured in smooth coordinates.
    constexpr double a = 9.0;
    constexpr double b = 16.5;
    const double r = std::hypot(s.u / a, s.v / b);
    const double ring = (r - 1.0) * a; // roughly pixels outside the oval's edge

    // Slim ornament down the centre line: a thread with beads.
    const int bead = (s.fv + 2) % 6;
    if (s.fv <= 19) {
        if (s.fu == 0)
            return bead == 0 ? shine : pale;
        if (s.fu == 1 && (bead == 0 || bead == 1 || bead == 5))
            return bead == 0 ? pale : mid;
    }
    if (ring >= 2.5 && ring < 3.5)
        return ink;
    if (ring >= 1.0 && ring < 2.5) {
        const double angle = std::atan2(s.v / b, s.u / a);
        return tri(angle * 20.0 / std::numbers::pi, 1.0) > 0.5 ? shine : tint;
    }
    if (ring >= 0.0 && ring < 1.0)
        return ink;
    if (ring < 0.0) {
        // Medallion field: petals between two ovals, finer lace within the inner one.
        const double inner = (std::hypot(s.u / (a - 3.5), s.v / (b - 5.0)) - 1.0) * (a - 3.5);
        if (inner >= -0.5 && inner < 0.5)
            return pale;
        if (inner >= 0.5) {
            // Petals are taken at the pixel centre so they stay crisp.
            const double angle = std::atan2((s.fv + 0.5) / b, s.fu / a);
            return tri(angle * 10.0 / std::numbers::pi, 1.0) > 0.6 ? tint : deep;
        }
        return (s.fu + s.fv) % 3 == 0 || (s.fu + 30 - s.fv) % 3 == 0 ? mid : ink;
    }
    return lace(s.fu, s.fv);
}

} // namespace

QImage drawBack(BackColour colour, int scale)
{
    const Ramp ramp = colour == BackColour::Red ? Ramp{QColor(171, 22, 24), QColor(255, 170, 176)}
                                                : Ramp{QColor(30, 27, 48), QColor(175, 172, 193)};
    const int width = backWidth * scale;
    const int height = backHeight * scale;
    QImage card = opaqueCanvas(width, height, white);
    // Draw one quarter and mirror it, so rounding can never break the symmetry. Samples are
    // taken in 1x pixels: the pixel-aligned parts keep their cells, while the curves gain
    // the finer grid.
    constexpr int samples = 3;
    for (int y = scale; y <= height / 2 - 1; ++y)
        for (int x = scale; x <= (width - 1) / 2; ++x) {
            double sum = 0.0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = (x + (sx + 0.5) / samples) / scale;
                    const double py = (y + (sy + 0.5) / samples) / scale;
                    const Spot spot{22 - x / scale, 30 - y / scale, std::abs(px - centreX),
                                    std::abs(py - centreY)};
                    sum += levelAt(spot);
                }
            const QRgb rgb = colourAt(ramp, sum / (samples * samples));
            card.setPixel(x, y, rgb);
            card.setPixel(width - 1 - x, y, rgb);
            card.setPixel(x, height - 1 - y, rgb);
            card.setPixel(width - 1 - x, height - 1 - y, rgb);
        }
    drawCardOutline(card, scale);
    return card;
}

} // namespace artdraw
