// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include "conversion/checked.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// Number texts: plain ASCII decimal digits, never formatted or read through a
// locale (a Greek locale would add group separators).

// True when every character is one of "0123456789"; the empty text is true.
bool IsAllDigits(std::u16string_view text);

// The value of a text of digits, the empty text counting as 0. Nothing for a
// text with any other character or a value beyond 32 bits.
//
// Defined here so that it is inlined: called, GCC hands its std::optional
// back through memory, written in two parts and read in one, which the
// processor cannot forward and waits out; that wait was half the time of
// HoursToService.
inline std::optional<std::int32_t> readWholeNumber(std::string_view digits)
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

// A non-negative number as plain digits: no sign, blank, separator or leading
// zero ("0" for zero).
std::string plainDigits(std::int32_t value);
