// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>

class QLabel;
class QWidget;

// Captions a control shows at times besides its present one, in the same font
// (the widest figure an empty label will show, say).
using OtherCaptions = QHash<const QWidget *, QStringList>;
// Controls that the design shows side by side in one size.
using SameSize = QList<QList<QWidget *>>;

// The windows are measured with a font that a system may lack; in a wider
// stand-in a caption can need more room than its designed box has. This steps
// the point size of such controls of window down until every caption fits,
// and never moves or resizes a box. Each control keeps the largest size at
// which its own captions fit; the controls of a sameSize group keep one size
// between them, the largest at which all their captions fit. Labels, buttons,
// check boxes, option buttons and frames are measured; other controls, and
// controls with no caption, keep their fonts.
void fitCaptions(QWidget *window, const OtherCaptions &otherCaptions = {}, const SameSize &sameSize = {});

// The label's font, or the largest smaller size of it in which caption fits
// the label: for a caption it shows only for a while.
QFont fittedFont(const QLabel *label, const QString &caption);
