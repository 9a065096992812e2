// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// The two conversions per call, and the sweep of every hour of every section
// (4 × 100,000 conversions) that the tests run.
#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "conversion/servicetohours.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr std::int32_t MostHours = 99999;
// Inputs cycled through: a power of two, so that picking the next one costs
// a mask, not a 64-bit division as dear as the call being measured.
constexpr std::size_t InputCount = 4096;
constexpr std::size_t InputMask = InputCount - 1;

// Hours texts as the box holds them, in an order the branch predictor cannot learn.
std::vector<std::string> shuffledHoursTexts(std::size_t count)
{
    std::mt19937 random(2026);
    std::uniform_int_distribution<std::int32_t> hours(0, MostHours);
    std::vector<std::string> texts;
    texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        texts.push_back(plainDigits(hours(random)));
    return texts;
}

void HoursToServicePerCall(benchmark::State &state)
{
    const std::vector<std::string> texts = shuffledHoursTexts(InputCount);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string &text = texts[i & InputMask];
        const std::int16_t weeklyHours = SectionTable[i % SectionTable.size()].weeklyHours;
        benchmark::DoNotOptimize(HoursToService(text, weeklyHours));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(HoursToServicePerCall);

void ServiceToHoursPerCall(benchmark::State &state)
{
    // Services up to the ceilings, as the adjusters produce them.
    struct Service
    {
        std::int32_t years, months, days;
        std::int16_t weeklyHours;
    };
    std::mt19937 random(2026);
    std::vector<Service> services;
    for (std::size_t i = 0; i < InputCount; ++i) {
        const SectionRow &row = SectionTable[i % SectionTable.size()];
        services.push_back({std::uniform_int_distribution<std::int32_t>(0, row.maxYears - 1)(random),
                            std::uniform_int_distribution<std::int32_t>(0, 11)(random),
                            std::uniform_int_distribution<std::int32_t>(0, 25)(random), row.weeklyHours});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Service &s = services[i & InputMask];
        benchmark::DoNotOptimize(ServiceToHours(s.years, s.months, s.days, s.weeklyHours));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ServiceToHoursPerCall);

void EveryHourOfEverySection(benchmark::State &state)
{
    std::vector<std::string> texts;
    for (std::int32_t hours = 0; hours <= MostHours; ++hours)
        texts.push_back(plainDigits(hours));
    for (auto _ : state) {
        for (const SectionRow &row : SectionTable) {
            for (const std::string &text : texts)
                benchmark::DoNotOptimize(HoursToService(text, row.weeklyHours));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(SectionTable.size() * texts.size()));
}
BENCHMARK(EveryHourOfEverySection)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
