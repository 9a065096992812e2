// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// ServiceToHours on any 32-bit years, months and days and any 16-bit weekly
// hours: the hours equal those of exact 64-bit arithmetic, or the call refuses
// exactly where a 32-bit step would overflow or an argument is negative.
#include "fuzzsupport.h"

#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "conversion/servicetohours.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <tuple>

namespace {
constexpr std::int64_t Max32 = std::numeric_limits<std::int32_t>::max();

// The hours in 64 bits, where nothing overflows: (y × 12 + m) × 25 + d is
// below 2^40 and its product with 16-bit weekly hours below 2^55.
std::optional<std::int64_t> exactHours(std::int64_t years, std::int64_t months, std::int64_t days,
                                       std::int64_t weeklyHours)
{
    if (years < 0 || months < 0 || days < 0 || weeklyHours < 0)
        return std::nullopt;
    if (weeklyHours == 0)
        return 0;
    // Every term is non-negative, so each 32-bit step fits if the last one does.
    const std::int64_t totalDays = (years * 12 + months) * 25 + days;
    if (totalDays > Max32 || totalDays * weeklyHours > Max32)
        return std::nullopt;
    std::int64_t hours = totalDays * weeklyHours / 6;
    if (months % 2 == 1 && days == 0)
        ++hours;
    else if (months % 2 == 1 && days == 25)
        --hours;
    return hours;
}

// Up to a section's ceiling the hours convert back to the same service, or,
// for 0 or 25 days, to its neighbour of the same length in days; with 21
// weekly hours always to the same service.
void checkRoundTrip(std::int32_t years, std::int32_t months, std::int32_t days, std::int16_t weeklyHours,
                    std::int32_t hours)
{
    for (const SectionRow &row : SectionTable) {
        if (row.weeklyHours != weeklyHours || months > 11 || days > 25)
            continue;
        if (std::tie(years, months, days) > std::tie(row.maxYears, row.maxMonths, row.maxDays))
            continue;
        const std::optional<ServiceResult> back = HoursToService(plainDigits(hours), weeklyHours);
        require(back.has_value(), "hours of a service up to the ceiling not converted back");
        const std::int64_t given = (std::int64_t{years} * 12 + months) * 25 + days;
        const std::int64_t shown = (std::int64_t{back->years} * 12 + back->months) * 25 + back->days;
        require(shown == given, "service up to the ceiling came back with other days");
        if (weeklyHours == 21)
            require(back->years == years && back->months == months && back->days == days,
                    "service at 21 weekly hours came back in another form");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    // Mode 1 folds the arguments into what the adjusters produce (months 0 to
    // 11, days 0 to 25, a section's weekly hours), where the corrections and
    // the round trip apply; mode 0 keeps every 32-bit value.
    const bool windowRange = (input.takeByte() & 1) != 0;
    auto years = input.take<std::int32_t>();
    auto months = input.take<std::int32_t>();
    auto days = input.take<std::int32_t>();
    auto weeklyHours = input.take<std::int16_t>();
    if (windowRange) {
        years = static_cast<std::int32_t>(static_cast<std::uint32_t>(years) % 200);
        months = static_cast<std::int32_t>(static_cast<std::uint32_t>(months) % 12);
        days = static_cast<std::int32_t>(static_cast<std::uint32_t>(days) % 26);
        weeklyHours = SectionTable.at(static_cast<std::uint16_t>(weeklyHours) % SectionTable.size()).weeklyHours;
    }

    const std::optional<std::int32_t> hours = ServiceToHours(years, months, days, weeklyHours);
    const std::optional<std::int64_t> expected = exactHours(years, months, days, weeklyHours);
    require(hours.has_value() == expected.has_value(), "refused a service that fits, or converted one that does not");
    if (!hours)
        return 0;
    require(*hours == *expected, "hours differ from exact integer arithmetic");
    require(*hours >= 0, "negative hours");

    // The hours reach the box as plain digits and are read back unchanged.
    const std::string text = plainDigits(*hours);
    require(readWholeNumber(text) == hours, "the hours' text reads back as another number");
    checkRoundTrip(years, months, days, weeklyHours, *hours);
    return 0;
}
