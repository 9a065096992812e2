// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include "mainwindow/dragarithmetic.h"

#include <QObject>

#include <array>
#include <cstdint>

class MouseLabel;
class QKeyEvent;
class frmBasic;

// The keys and the accessibility actions that do what the mouse does on the
// main window's signs, track, words and icons, for those who work without a
// mouse. Each goes through the window's own mouse handlers, so the limits and
// the section's ceiling are the mouse's. A step leaves the drag the mouse may
// hold as it is, and one that says "more" never lowers the hours, nor one
// that says "less" raises them: where a limit stops it, nothing changes.
class MouseActionKeys : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(MouseActionKeys)

public:
    // Takes the keys in the hours box and on the words, and gives the window's
    // mouse labels their actions.
    explicit MouseActionKeys(frmBasic &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Handler = void (frmBasic::*)(int, int, float, float);
    // A word with its drag's handlers and the field of the service it sets.
    struct WordDrag
    {
        MouseLabel *word;
        Handler down;
        Handler move;
        Handler up;
        std::int32_t Service::*field;
        std::int32_t (*adjusted)(std::int32_t, const Service &, const Service &);
    };

    void addActions();
    bool stepForKey(const QKeyEvent *event);
    void stepHours(int direction);
    void stepTrack(int direction);
    void stepWord(const WordDrag &drag, int units);
    const WordDrag &dragOf(const MouseLabel *word) const;

    frmBasic &m_window;
    std::array<WordDrag, 3> m_words;
};
