// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/spokendrawing.h"

#include "toolkit/accessiblefactory.h"

SpokenDrawing::SpokenDrawing(const QString &words, QWidget *parent) : QWidget(parent)
{
    AccessibleFactory::install();
    setAccessibleName(words);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
}
