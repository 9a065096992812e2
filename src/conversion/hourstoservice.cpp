// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/hourstoservice.h"

#include "conversion/checked.h"
#include "conversion/digits.h"

#include <limits>

std::optional<ServiceResult> HoursToService(std::string_view hoursText, std::int16_t weeklyHours)
{
    if (weeklyHours <= 0)
        return std::nullopt;
    const std::optional<std::int32_t> hours = readWholeNumber(hoursText);
    if (!hours)
        return std::nullopt;
    // The weekly load times 25 is a 16-bit product (700 at most with the table).
    const std::optional<std::int16_t> a = fitted<std::int16_t>(std::int64_t{weeklyHours} * 25);
    if (!a)
        return std::nullopt;

    // One IEEE double operation per line, each rounded once, in this order:
    // the results (63 hours at 28 a week give 13 days, not 14) depend on it.
    const double monthlyHours = static_cast<double>(*a) / 6.0;
    const double q = static_cast<double>(*hours) / monthlyHours;
    // Both floors below are of values that are never negative (q is at most
    // 2^31 × 6 / 25), where truncation is the floor: one instruction on every
    // x86-64, where std::floor takes a dozen without SSE4.1.
    const auto wholeMonths = static_cast<std::int64_t>(q);
    // totalMonths is a 16-bit count: beyond it there is no result to show.
    if (wholeMonths > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    const auto totalMonths = static_cast<std::int16_t>(wholeMonths);
    const double monthFraction = q - static_cast<double>(totalMonths);
    const double scaledDays = monthFraction * 25.0;
    // Half a day rounds up: the half is added in double, then the floor is
    // taken. 0.98 of a month or more gives 25 days, not a carry.
    const double halfDayAdded = scaledDays + 0.5;
    const auto days = static_cast<std::int16_t>(static_cast<std::int32_t>(halfDayAdded));

    ServiceResult result;
    result.hours = *hours;
    result.years = static_cast<std::int16_t>(totalMonths / 12);
    result.months = static_cast<std::int16_t>(totalMonths % 12);
    result.days = days;
    return result;
}
