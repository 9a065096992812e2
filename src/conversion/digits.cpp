// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/digits.h"

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

std::string plainDigits(std::int32_t value)
{
    char buffer[16];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return {std::begin(buffer), error == std::errc() ? end : std::begin(buffer)};
}
