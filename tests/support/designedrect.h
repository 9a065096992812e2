// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QRect>

// A control's designed place in twips, in the pixels a test expects: every
// designed position and size is a whole number of 15-twip pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}
