// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <array>
#include <cstdint>

// The four staff sections, indexed 1 to 4 ("ΠΕ", "ΤΕ", "ΔΕ", "1βάθμια"): each
// section's compulsory weekly teaching hours, and its service ceiling, which
// is the service that 99999 hours (the most the hours box takes) convert to.
struct SectionRow
{
    std::int16_t weeklyHours;
    std::int16_t maxYears;
    std::int16_t maxMonths;
    std::int16_t maxDays;
};

inline constexpr std::int16_t FirstSection = 1;
inline constexpr std::int16_t LastSection = 4;

inline constexpr std::array<SectionRow, LastSection> SectionTable{{
    {21, 95, 2, 21},
    {22, 90, 10, 22},
    {28, 71, 5, 3},
    {25, 79, 11, 25},
}};

// The row of a section index from FirstSection to LastSection.
constexpr const SectionRow &sectionRow(std::int16_t index)
{
    return SectionTable.at(static_cast<std::size_t>(index - FirstSection));
}
