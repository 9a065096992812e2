// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/dragarithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

// Whole numbers here are rounded to the nearest, an exact half to the even
// neighbour: std::nearbyint rounds so in the default rounding mode, which the
// program never changes.

float barMarkerX(float barLeft, float barWidth, float x)
{
    const float leftStop = barLeft + 15.0F;
    const float rightStop = barLeft + barWidth - 30.0F;
    float marker = barLeft + x;
    // Written so that a position that is no number lands on the left stop.
    if (!(marker >= leftStop))
        marker = leftStop;
    if (rightStop < marker)
        marker = rightStop;
    return marker;
}

int barInterval(float offset)
{
    const float wait = std::nearbyint(200.0F - std::fabs(offset) / 6.0F);
    // The track is too short for the wait to reach 0, which would stop the
    // timer while the button is still held; a longer one stays at 1 ms.
    if (!(wait >= 1.0F))
        return 1;
    return static_cast<int>(wait);
}

std::int32_t barStep(float offset)
{
    // The power in double precision: 7 ^ 1 and 7 ^ 2 must come out whole.
    double size = std::floor(std::pow(7.0, static_cast<double>(std::fabs(offset)) / 300.0));
    constexpr double largest = std::numeric_limits<std::int32_t>::max();
    if (!(size <= largest))
        size = largest;
    const auto step = static_cast<std::int32_t>(size);
    return offset > 0.0F ? step : -step;
}

std::int32_t barSteppedHours(std::int32_t hours, std::int32_t step)
{
    const std::int64_t sum = std::int64_t{hours} + step;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, 0, 99999));
}

std::int32_t draggedFigure(std::int32_t start, float dragStartX, float x)
{
    // The travel between two mouse positions is exact in double; the division
    // and the sum are rounded once each before the whole-number rounding.
    const double travel = static_cast<double>(x) - static_cast<double>(dragStartX);
    const double raw = std::nearbyint(travel / static_cast<double>(TwipsPerUnit) + static_cast<double>(start));
    if (std::isnan(raw))
        return start;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (raw < lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (raw > highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(raw);
}

std::int32_t adjustedDays(std::int32_t dragged, const Service &start, const Service &ceiling)
{
    // A result can show 25 days, so a drag reaches them too.
    std::int32_t days = std::min(dragged, 25);
    if (start.years >= ceiling.years && start.months >= ceiling.months && days > ceiling.days)
        days = ceiling.days;
    return std::max(days, 0);
}

std::int32_t adjustedMonths(std::int32_t dragged, const Service &start, const Service &ceiling)
{
    std::int32_t months = std::min(dragged, 11);
    // The days play no part: the ceiling's months with more days than the
    // ceiling's pass, and their hours may run to six digits, which the box
    // keeps whole.
    if (start.years >= ceiling.years && months > ceiling.months)
        months = ceiling.months;
    return std::max(months, 0);
}

std::int32_t adjustedYears(std::int32_t dragged, const Service &start, const Service &ceiling)
{
    std::int32_t years = std::min(dragged, ceiling.years);
    // The ceiling's years with months and days beyond the ceiling's would lie
    // above it: a year less.
    const bool beyondCeiling =
        start.months > ceiling.months || (start.months == ceiling.months && start.days > ceiling.days);
    if (years == ceiling.years && beyondCeiling)
        years = ceiling.years - 1;
    return std::max(years, 0);
}
