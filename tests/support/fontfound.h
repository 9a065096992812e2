// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The windows in the fonts the system finds. They are measured with Liberation
// Sans; the window tests run once more with only DejaVu Sans on offer, and
// that run names the family in QUORVEL_FONT_FAMILY so that it fails, rather
// than passes unseen, should it find another.

#include <QFontInfo>
#include <QString>
#include <QWidget>

inline QString fontFamilyFound(const QWidget *control)
{
    return QFontInfo(control->font()).family();
}

// The family a run of the tests must find, or empty where any will do.
inline QString fontFamilyRequired()
{
    return qEnvironmentVariable("QUORVEL_FONT_FAMILY");
}

// In the font it is measured with, a control has its designed point size; in
// another, no more than that: less where its caption did not fit.
inline bool pointSizeAsDesigned(const QWidget *control, qreal designed)
{
    const qreal points = control->font().pointSizeF();
    return fontFamilyFound(control) == QLatin1String("Liberation Sans") ? qFuzzyCompare(points, designed)
                                                                        : points > 0 && points <= designed;
}
