// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QObject>
#include <QTimer>

// A repeating timer whose interval 0 means stopped: setting an interval starts
// it, setting 0 stops it, and the property reads 0 while it is idle. (A QTimer
// with interval 0 fires continuously instead.)
//
// Setting the interval of a running timer keeps the wait under way: the new
// interval applies from the next tick. A caller that sets the interval on every
// mouse move would otherwise never see a tick while the mouse moves.
class IntervalTimer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(IntervalTimer)
    Q_PROPERTY(int interval READ interval WRITE setInterval)

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    int interval() const { return m_interval; }
    // Milliseconds; 0 or less stops the timer.
    void setInterval(int milliseconds);

signals:
    void timer();

private:
    void tick();

    QTimer m_clock;
    int m_interval = 0;
};
