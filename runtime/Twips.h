#pragma once

namespace rt
{

// Layouts are described in twips; on screen 15 twips make one pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace rt
