// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/servicetohours.h"

#include "conversion/checked.h"

#include <cmath>

std::optional<std::int32_t> ServiceToHours(std::int32_t years, std::int32_t months, std::int32_t days,
                                           std::int16_t weeklyHours)
{
    if (years < 0 || months < 0 || days < 0 || weeklyHours < 0)
        return std::nullopt;
    if (weeklyHours == 0)
        return 0;

    // Every step is kept in 32 bits and checked: (years × 12 + months) × 25 + days.
    std::optional<std::int32_t> totalDays = fitted<std::int32_t>(std::int64_t{years} * 12);
    totalDays = totalDays ? fitted<std::int32_t>(std::int64_t{*totalDays} + months) : std::nullopt;
    totalDays = totalDays ? fitted<std::int32_t>(std::int64_t{*totalDays} * 25) : std::nullopt;
    totalDays = totalDays ? fitted<std::int32_t>(std::int64_t{*totalDays} + days) : std::nullopt;
    if (!totalDays)
        return std::nullopt;
    const std::optional<std::int32_t> product = fitted<std::int32_t>(std::int64_t{*totalDays} * weeklyHours);
    if (!product)
        return std::nullopt;

    // A 32-bit product divides by 6 exactly enough in a double for the floor
    // to equal the integer quotient.
    auto hours = static_cast<std::int32_t>(std::floor(static_cast<double>(*product) / 6.0));

    // The conversion back rounds the day part to the nearest day. Without these
    // corrections an odd month count would come back half an hour short (0 days)
    // or over (25 days) of the service it came from. The years add whole
    // multiples of 12 months, so the parity of months is that of the total.
    const bool oddMonths = months % 2 == 1;
    if (oddMonths && days == 0)
        hours += 1;
    else if (oddMonths && days == 25)
        hours -= 1;
    return hours;
}
