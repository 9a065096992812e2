// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QString>

#include <functional>

// Opens a link (mailto: or a web address) in the user's default program for
// it. Callers write the link as plain text, blanks and Greek included. On
// Windows the shell's "open" is handed that text as it stands, in UTF-16, as
// Windows' shell and mail programs take it. Elsewhere the desktop (xdg-open)
// takes URIs only: there whatever a URI cannot hold as it stands (a blank, a
// letter beyond ASCII, a lone percent sign) is written as UTF-8 percent
// escapes, which mail programs and browsers decode back to the same text.
//
// Tests replace the desktop with a handler of their own, so that they can see
// what would be opened without starting a mail program or a browser.
class LinkOpener
{
public:
    using Handler = std::function<void(const QString &link)>;

    LinkOpener() = delete;

    // Whether the desktop managed to open it is not reported: a window has
    // nothing to do when it could not.
    static void open(const QString &link);

    // Sends every later open() to handler; an empty handler gives the links
    // back to the desktop.
    static void setHandler(Handler handler);
};
