// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

class QWidget;

// Keeps a top-level window not yet shown out of the desktop's taskbar and
// pager. On X11 it asks the window manager through the window's
// _NET_WM_STATE, which not every window manager sets by itself for a modal
// dialog; elsewhere it does nothing: on Windows an owned window has no
// taskbar button, and a Wayland compositor decides for itself. Call it once,
// after the window's position is set: it creates the native window.
void keepOutOfTaskbar(QWidget &window);
