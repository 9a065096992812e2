// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The windows are designed in twips (1/1440 inch). At the 96 dots per inch
// that Qt's device-independent pixels stand for, a pixel is 15 twips; Qt's
// high-DPI scaling takes it from there.

#include <QPointF>
#include <QRect>

#include <cmath>

inline constexpr int TwipsPerPixel = 15;

// A designed length in whole device-independent pixels, rounded to nearest.
constexpr int pixelsFromTwips(int twips)
{
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height)};
}

// Mouse positions are reported in twips as 32-bit floats.
inline float twipsFromPixels(qreal pixels)
{
    return static_cast<float>(pixels * TwipsPerPixel);
}

inline qreal pixelsFromTwips(float twips)
{
    return static_cast<qreal>(twips) / TwipsPerPixel;
}
