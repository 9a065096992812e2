// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include "conversion/serviceresult.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Teaching hours into prior service. A month of service is 25 days, a year
// 12 months, and a teaching week 6 days, so a month carries weeklyHours × 25 / 6
// teaching hours.
//
// Gives no result while no section is chosen (weeklyHours 0). It also refuses,
// with no result, what no window input can produce: a text with anything but
// digits, a negative weekly load or one whose monthly product overflows 16 bits,
// and hours of more than 32767 whole months, the most the result can hold.
std::optional<ServiceResult> HoursToService(std::string_view hoursText, std::int16_t weeklyHours);
