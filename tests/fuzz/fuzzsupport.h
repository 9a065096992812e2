// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// What the fuzz targets share: reading whole numbers out of the fuzzer's bytes,
// a reading of number texts written apart from the program's own, and a check
// that stays on in release builds (NDEBUG turns assert off).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// The fuzzer's bytes, taken from the front.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t remaining() const { return m_size; }

    // A little-endian signed integer of the given type; missing bytes count as 0.
    template <typename Integer> Integer take()
    {
        std::uint64_t bits = 0;
        for (std::size_t byte = 0; byte < sizeof(Integer); ++byte)
            bits |= std::uint64_t{takeByte()} << (8 * byte);
        return static_cast<Integer>(bits);
    }

    std::uint8_t takeByte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    // Everything not yet taken.
    std::string_view rest() const { return {reinterpret_cast<const char *>(m_data), m_size}; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

// Stops the run with a message; libFuzzer keeps the input that got here.
inline void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// A text read as a whole number the plain way, for comparison with the
// program's reading: digits only, any number of leading zeros.
struct ExactNumber
{
    bool digitsOnly = true;
    bool fits32 = true; // at most 2147483647
    std::int64_t value = 0;
};

inline ExactNumber exactNumber(std::string_view text)
{
    constexpr std::int64_t Max32 = 2147483647;
    ExactNumber number;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            number.digitsOnly = false;
            continue;
        }
        if (number.fits32) {
            number.value = number.value * 10 + (c - '0');
            number.fits32 = number.value <= Max32;
        }
    }
    return number;
}
