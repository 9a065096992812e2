// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

class QString;

// The system clipboard, as the windows use it: emptied, then given text.
class Clipboard
{
public:
    Clipboard() = delete;

    // Drops whatever the clipboard holds, in every format.
    static void clear();
    // Puts text on it in plain-text format only.
    static void setText(const QString &text);
};
