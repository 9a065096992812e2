// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QWidget>

// Says a sentence, once, to whatever screen reader follows the program, while
// the keyboard focus stays where it is: for news no control's own text
// carries, such as a result that changed.
//
// Qt 6.8 and later carry it as an announcement (AT-SPI's announcement signal,
// UI Automation's notification event). Before that (Debian 12's Qt 6.4, on
// Linux only) the announcer is an empty notification, which Orca speaks each
// time it is shown ("notification" and the sentence), while it ignores every
// change of a name or description of another object than the focused one,
// and, in Qt 6.4, even of the focused one.
class Announcer : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(Announcer)

public:
    // Lives in window, drawn nowhere and never focused.
    explicit Announcer(QWidget *window);

    void say(const QString &sentence);
    // What was last said, as an assistive technology reading the window later
    // finds it.
    QString lastSentence() const { return accessibleName(); }
};
