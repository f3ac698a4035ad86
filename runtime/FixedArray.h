#pragma once

#include "runtime/RuntimeError.h"

#include <array>

namespace rt
{

// Five elements, indexes 0 to 4, for the owner's whole life. Every access checks its index.
template <typename T> class FixedArray
{
public:
    static constexpr int Size = 5;

    T &operator()(int index) { return m_items[checked(index)]; }
    const T &operator()(int index) const { return m_items[checked(index)]; }

    bool operator==(const FixedArray &) const = default;

private:
    static std::size_t checked(int index)
    {
        if (index < 0 || index >= Size)
            raiseSubscriptOutOfRange();
        return static_cast<std::size_t>(index);
    }

    std::array<T, Size> m_items{};
};

} // namespace rt
