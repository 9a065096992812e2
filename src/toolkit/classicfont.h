// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QFont>

// The windows are designed in "MS Sans Serif". Where it is missing (always on
// Linux), fonts of close metrics that carry Greek stand in, so that captions
// sized for it are neither clipped nor out of place.
QFont classicFont(qreal pointSize, bool bold = false);

inline constexpr qreal SmallFontPoints = 8.25;
inline constexpr qreal LargeFontPoints = 12.0;
