// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The arithmetic of the main window's two mouse drags, the hours slider and
// the result adjusters, kept apart from the widgets so that every value can be
// checked. Positions are in twips, as 32-bit floats, like the mouse's.

#include <cstdint>

// Where the slider's marker stands for a mouse at x on the track: the track's
// left plus x, kept 15 twips inside the left edge and 30 inside the right.
float barMarkerX(float barLeft, float barWidth, float x);

// The milliseconds between two slider steps with the marker offset twips from
// the track's centre: 200 at the centre, 1 less for every 6 twips.
int barInterval(float offset);

// The hours of one slider step at an offset: 7 to the power offset / 300, cut
// down to a whole number, with the offset's sign. Exactly 0 counts as the left
// side (-1): the step is never 0.
std::int32_t barStep(float offset);

// The travel of one unit of a word drag.
constexpr float TwipsPerUnit = 60.0F;

// The hours after one slider step from hours: the sum, held within 0 to
// 99999. Hours written by the word drags may lie beyond 99999 beforehand.
std::int32_t barSteppedHours(std::int32_t hours, std::int32_t step);

// A figure of the service dragged by the travel from dragStartX to x: one unit
// for every 60 twips, more to the right, counted from start.
std::int32_t draggedFigure(std::int32_t start, float dragStartX, float x);

// A service as the figures show it, or a section's ceiling.
struct Service
{
    std::int32_t years = 0;
    std::int32_t months = 0;
    std::int32_t days = 0;
};

// The field a word drag sets from its dragged figure, held in this order: to
// the field's own bound, to the section's ceiling as judged from the service
// at the press, and to 0. No field carries into its neighbour or borrows from
// it: the days stop at 25, the months at 11.
std::int32_t adjustedDays(std::int32_t dragged, const Service &start, const Service &ceiling);
std::int32_t adjustedMonths(std::int32_t dragged, const Service &start, const Service &ceiling);
std::int32_t adjustedYears(std::int32_t dragged, const Service &start, const Service &ceiling);
