// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// The number texts on any input: IsAllDigits on any UTF-16 text, and
// readWholeNumber with plainDigits on any bytes, against plain readings.
#include "fuzzsupport.h"

#include "conversion/digits.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {
void checkIsAllDigits(std::string_view bytes)
{
    // Pairs of bytes as UTF-16 code units, surrogates and all.
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             static_cast<unsigned char>(bytes[i + 1]) << 8));
    bool expected = true;
    for (const char16_t c : text)
        expected = expected && c >= u'0' && c <= u'9';
    require(IsAllDigits(text) == expected, "IsAllDigits differs from a test of each character");
}

void checkWholeNumber(std::string_view text)
{
    const ExactNumber exact = exactNumber(text);
    const std::optional<std::int32_t> value = readWholeNumber(text);
    require(value.has_value() == (exact.digitsOnly && exact.fits32),
            "readWholeNumber refused a 32-bit number or read something else");
    if (!value)
        return;
    require(*value == exact.value, "readWholeNumber read another value");
    // Written back: the same digits without the leading zeros, "0" for zero.
    std::string_view significant = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (significant.empty())
        significant = "0";
    require(plainDigits(*value) == significant, "plainDigits wrote other digits than were read");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    checkIsAllDigits(bytes);
    checkWholeNumber(bytes);
    return 0;
}
