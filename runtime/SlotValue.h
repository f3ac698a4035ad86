#pragma once

#include "runtime/Int16.h"

#include <optional>

namespace rt
{

// What a slot holds: Empty until a card is stored, then a card number. Play Again stores
// the integer 0, which is not Empty.
class SlotValue
{
public:
    SlotValue() = default;
    SlotValue(Int16 value) : m_value(value) {}

    bool isEmpty() const { return !m_value.has_value(); }
    // As a number, Empty reads as 0.
    Int16 value() const { return m_value.value_or(Int16(0)); }

    // Empty equals only Empty: it is not the integer 0.
    bool operator==(const SlotValue &) const = default;

private:
    std::optional<Int16> m_value;
};

} // namespace rt
