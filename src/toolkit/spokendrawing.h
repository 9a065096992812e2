// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QWidget>

// Lies over a drawing made of several controls (a fraction of labels and
// lines) and says it whole, in words, to assistive technologies, as a picture
// named by its words. It draws nothing and lets the mouse through, but takes
// the focus, so that a screen reader reads it when it is focused.
class SpokenDrawing : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SpokenDrawing)

public:
    SpokenDrawing(const QString &words, QWidget *parent);
};
