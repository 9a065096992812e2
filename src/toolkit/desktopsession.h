// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QApplication;

// Where the windows go: the desktop session's display, found before Qt starts
// so that a machine without one gets a plain message instead of Qt's abort.
namespace DesktopSession {

// The displays a session names, and the platform the user chose, if any.
struct Displays
{
    QString platform;       // QT_QPA_PLATFORM, or Qt's own -platform argument
    QString x11Display;     // DISPLAY, or Qt's own -display argument
    QString waylandDisplay; // WAYLAND_DISPLAY
};

struct Choice
{
    bool found = false;
    // The platform to start Qt on; empty for the user's or Qt's own choice.
    QString platform;
    // Where none was found: why, in Greek and in English, a line each.
    QString message;
};

// Whether a display of that name answers.
using Probe = std::function<bool(const QString &display)>;

// The user's choice of platform stands wherever it can be reached. Without
// one, X11 comes first, where it answers: a Wayland compositor places the
// windows itself, so the formula window would not stand beside the main
// window; under XWayland on X11 it does. Wayland is the fallback.
Choice choose(const Displays &displays, const Probe &x11Answers, const Probe &waylandAnswers);

// The application on the session's display; null, after the reason has been
// written to stderr, where no display can be reached.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

} // namespace DesktopSession
