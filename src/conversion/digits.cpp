// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/digits.h"

#include "conversion/checked.h"

#include <algorithm>
#include <charconv>

namespace {
constexpr std::u16string_view DigitCharacters = u"0123456789";
}

bool IsAllDigits(std::u16string_view text)
{
    // Compares character codes one by one: no case folding, no locale.
    return std::all_of(text.begin(), text.end(),
                       [](char16_t c) { return DigitCharacters.find(c) != std::u16string_view::npos; });
}

std::optional<std::int32_t> readWholeNumber(std::string_view digits)
{
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return fitted<std::int32_t>(value);
}

std::string plainDigits(std::int32_t value)
{
    char buffer[16];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return {std::begin(buffer), error == std::errc() ? end : std::begin(buffer)};
}
