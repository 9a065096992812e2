// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QHash>
#include <QStringList>

class QWidget;

// Captions a control shows at times besides its present one.
using OtherCaptions = QHash<const QWidget *, QStringList>;

// The windows are measured with a font that a system may lack; in a wider
// stand-in a caption can need more room than its designed box has. This steps
// the point size of such controls of window down until every caption fits,
// and never moves or resizes a box. Controls of one container designed in one
// font keep one size between them, the largest at which all their captions
// fit. Labels, buttons, check boxes, option buttons and frames are measured;
// other controls, and controls with no caption, keep their fonts.
void fitCaptions(QWidget *window, const OtherCaptions &otherCaptions = {});
