// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

class QWidget;

// How the toolkit's controls present themselves to assistive technologies
// (screen readers), where Qt's own account of them misleads:
// - a text box (class TextBox) reads its whole text as one line;
// - a mouse label (MouseLabel) has the role and actions its window gives it;
// - a top-level window built on a plain QWidget is a frame, not a filler;
// - drawn lines (LineShape), and whatever hide() is given, are hidden;
// - a SpokenDrawing is a picture named in words;
// - an Announcer is a notification, which a screen reader speaks when shown.
class AccessibleFactory
{
public:
    AccessibleFactory() = delete;

    // Installs the factory once; later calls do nothing. Call it before the
    // first window is shown: Qt keeps whatever interface it made first.
    static void install();
    // Hides widget from assistive technologies, keeping its name: for the
    // parts of a drawing that a SpokenDrawing says whole. Before it is shown.
    static void hide(QWidget *widget);
};
