// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <cstdint>
#include <optional>

// Prior service into teaching hours: the hours whose conversion back shows the
// same service (exactly so for 21 weekly hours; for the other sections a
// service with 0 or 25 days may come back in its neighbouring form, a month
// more and 0 days or a month less and 25 days).
//
// With no weekly load (no section chosen) every service is worth 0 hours.
// Negative arguments, and a service whose count of days or hours would pass
// 32 bits, give no result.
std::optional<std::int32_t> ServiceToHours(std::int32_t years, std::int32_t months, std::int32_t days,
                                           std::int16_t weeklyHours);
