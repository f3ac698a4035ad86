#pragma once

#include "runtime/RuntimeError.h"

#include <cstdint>

namespace rt
{

// A 16-bit signed counter. Every value it takes is range-checked, so additions and
// subtractions raise the overflow error instead of wrapping.
class Int16
{
public:
    constexpr Int16() = default;
    Int16(int value) : m_value(checked(value)) {}

    operator int() const { return m_value; }

    friend Int16 operator+(Int16 a, Int16 b) { return Int16(int(a) + int(b)); }
    friend Int16 operator+(Int16 a, int b) { return Int16(int(a) + b); }
    friend Int16 operator-(Int16 a, Int16 b) { return Int16(int(a) - int(b)); }
    friend Int16 operator-(Int16 a, int b) { return Int16(int(a) - b); }
    friend bool operator==(Int16 a, Int16 b) { return a.m_value == b.m_value; }
    friend bool operator==(Int16 a, int b) { return a.m_value == b; }

private:
    static std::int16_t checked(int value)
    {
        if (value < INT16_MIN || value > INT16_MAX)
            raiseOverflow();
        return static_cast<std::int16_t>(value);
    }

    std::int16_t m_value = 0;
};

// Booleans are 16-bit too: True is -1, False is 0.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

} // namespace rt
