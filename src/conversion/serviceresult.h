// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <cstdint>

// One conversion of teaching hours into prior service. Days run from 0 to 25:
// a fraction of a month that rounds to 25 days is not carried into a month.
struct ServiceResult
{
    std::int32_t hours = 0;
    std::int16_t years = 0;
    std::int16_t months = 0;
    std::int16_t days = 0;

    friend bool operator==(const ServiceResult &, const ServiceResult &) = default;
};
