#pragma once

#include "runtime/RuntimeError.h"

#include <array>

namespace rt
{

// Five controls of one kind under one name, addressed as Name(i).
template <typename Control> class ControlArray
{
public:
    void set(int index, Control *control) { m_items.at(static_cast<std::size_t>(index)) = control; }

    Control *operator()(int index) const
    {
        if (index < 0 || index >= int(m_items.size()) || !m_items[std::size_t(index)])
            throw RuntimeError(
                ControlArrayElementMissing,
                QStringLiteral("Control array element '%1' doesn't exist").arg(index));
        return m_items[std::size_t(index)];
    }

private:
    std::array<Control *, 5> m_items{};
};

} // namespace rt
