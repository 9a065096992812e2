// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens a link (mailto: or a web address) in the user's default program for
// it: on Windows through the shell's "open", elsewhere through Qt's desktop
// services. The link is handed over as the caller wrote it: nothing here
// percent-encodes it.
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

    // The link as the desktop is given it. Blanks, letters beyond ASCII and
    // the like are taken as they are written, not refused.
    static QUrl toUrl(const QString &link);
};
