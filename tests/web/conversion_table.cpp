// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// Prints both conversions over every input the windows can give them: every
// hour from 0 to 99999 of every section, and every service up to the
// section's ceiling. Built for the machine and for WebAssembly, whose two
// tables must be the same text.
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "conversion/servicetohours.h"

#include <cstdio>
#include <string>

int main()
{
    for (std::int16_t section = FirstSection; section <= LastSection; ++section) {
        const SectionRow &row = sectionRow(section);
        for (int hours = 0; hours <= 99999; ++hours) {
            const auto result = HoursToService(std::to_string(hours), row.weeklyHours);
            if (result)
                std::printf("%d %d: %d %d %d\n", section, hours, result->years, result->months, result->days);
            else
                std::printf("%d %d: none\n", section, hours);
        }
        for (int years = 0; years <= row.maxYears; ++years)
            for (int months = 0; months <= 11; ++months)
                for (int days = 0; days <= 25; ++days) {
                    const auto hours = ServiceToHours(years, months, days, row.weeklyHours);
                    std::printf("%d %d %d %d = %d\n", section, years, months, days, hours ? *hours : -1);
                }
    }
    return 0;
}
