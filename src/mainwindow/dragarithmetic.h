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

// A figure of the service dragged by the travel from dragStartX to x: one unit
// for every 60 twips, more to the right, counted from start.
std::int32_t draggedFigure(std::int32_t start, float dragStartX, float x);
