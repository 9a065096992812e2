// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// HoursToService on any text and any 16-bit weekly hours. Each call either
// refuses (for exactly the inputs it documents) or gives the service that
// exact rational arithmetic gives, wherever the double arithmetic it uses
// cannot tell otherwise.
#include "fuzzsupport.h"

#include "conversion/hourstoservice.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {
constexpr int MaxTotalMonths = std::numeric_limits<std::int16_t>::max();

// Error bound of one rounding to double, relative.
constexpr long double Unit = 0x1p-53L;

// With no weekly load, a text that is not all digits, hours beyond 32 bits or
// a monthly product beyond 16 bits there is nothing to compute.
bool mustRefuse(const ExactNumber &hours, std::int16_t weeklyHours)
{
    return weeklyHours <= 0 || !hours.digitsOnly || !hours.fits32 ||
           std::int32_t{weeklyHours} * 25 > std::numeric_limits<std::int16_t>::max();
}

void checkAgainstExact(const std::optional<ServiceResult> &result, const ExactNumber &hours, std::int16_t weeklyHours)
{
    // Hours over a month's hours: q = hours × 6 / (weeklyHours × 25), an exact fraction n / a.
    const std::int64_t a = std::int64_t{weeklyHours} * 25;
    const std::int64_t n = hours.value * 6;
    const std::int64_t wholeMonths = n / a;
    const std::int64_t monthRemainder = n % a;
    const long double q = static_cast<long double>(n) / static_cast<long double>(a);
    // The conversion rounds twice before it takes the floor (a / 6, then hours
    // over that): its quotient lies within 3 units of the exact one, relative.
    const long double quotientError = q * 3 * Unit;
    // The days are the month's fraction times 25 plus a half: two more roundings.
    const long double daysError = 25 * quotientError + 64 * Unit;

    if (!result) {
        require(q + quotientError >= MaxTotalMonths + 1, "refused hours of fewer than 32768 whole months");
        return;
    }
    require(result->hours == hours.value, "hours returned differ from those given");
    require(result->years >= 0, "negative years");
    require(result->months >= 0 && result->months <= 11, "months outside 0 to 11");
    require(result->days >= 0 && result->days <= 25, "days outside 0 to 25");
    const std::int64_t totalMonths = std::int64_t{result->years} * 12 + result->months;
    require(totalMonths <= MaxTotalMonths, "more whole months than 16 bits hold");

    // In days of service the result is the exact value rounded to a whole day.
    const long double exactDays = q * 25;
    const auto shownDays = static_cast<long double>(totalMonths * 25 + result->days);
    require(std::fabs(shownDays - exactDays) <= 0.5L + daysError, "service further than half a day from the exact");

    // The whole months are exact unless the quotient lies within its error of
    // a whole number. On a whole number itself, the quotient may fall just
    // below it: one month less and 25 days, the same service in days.
    const long double monthFraction = static_cast<long double>(monthRemainder) / static_cast<long double>(a);
    if (monthRemainder == 0) {
        require((totalMonths == wholeMonths && result->days == 0) ||
                    (totalMonths == wholeMonths - 1 && result->days == 25),
                "a whole number of months shown as neither n months 0 days nor n-1 months 25 days");
        return;
    }
    if (monthFraction <= quotientError || 1 - monthFraction <= quotientError)
        return;
    require(totalMonths == wholeMonths, "whole months differ from the exact quotient");

    // Days = floor(fraction × 25 + 1/2) = floor((50r + a) / 2a), exact unless
    // that value lies within the days' error of a whole number (the exact
    // halves among them: 63 hours at 28 a week give 13 days, not 14).
    const std::int64_t dayNumerator = 50 * monthRemainder + a;
    const std::int64_t exactRoundedDays = dayNumerator / (2 * a);
    const std::int64_t offset = dayNumerator % (2 * a);
    const long double distance =
        static_cast<long double>(std::min(offset, 2 * a - offset)) / static_cast<long double>(2 * a);
    if (distance <= daysError)
        return;
    require(result->days == exactRoundedDays, "days differ from the exact rounding");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto weeklyHours = input.take<std::int16_t>();
    // Mode 1 turns every byte of the text into a digit, so that the fuzzer
    // spends its time on numbers as well as on texts the box never holds.
    const bool digitsOnly = (input.takeByte() & 1) != 0;
    std::string text(input.rest());
    if (digitsOnly) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char c) { return static_cast<char>('0' + static_cast<unsigned char>(c) % 10); });
    }

    const std::optional<ServiceResult> result = HoursToService(text, weeklyHours);
    const ExactNumber hours = exactNumber(text);
    if (mustRefuse(hours, weeklyHours)) {
        require(!result, "converted an input that must be refused");
        return 0;
    }
    checkAgainstExact(result, hours, weeklyHours);
    require(HoursToService(text, weeklyHours) == result, "the same input converted twice differently");
    return 0;
}
