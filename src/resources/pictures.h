// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The program's pictures, compiled in as Qt resources.

#include <QIcon>
#include <QPixmap>

// The window icon that every window of the program shares, 16 to 64 pixels.
QIcon programIcon();
// The 23 × 23 pictures of the main window's information and about icons.
// Each has a twice-size version that high-DPI screens get, so they stay sharp.
QIcon formulaPicture();
QIcon aboutPicture();
// The 32 × 32 hand pointer shown over links: white with a black outline on a
// transparent ground, its fingertip at pixel (5, 1).
QPixmap handPointerPicture();
