// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

// Narrows a result computed in 64 bits to the width the conversions keep it
// in, or gives nothing when it does not fit: the conversions never wrap.
template <typename Narrow> constexpr std::optional<Narrow> fitted(std::int64_t value)
{
    if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max())
        return std::nullopt;
    return static_cast<Narrow>(value);
}
