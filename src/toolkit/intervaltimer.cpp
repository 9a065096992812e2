// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/intervaltimer.h"

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent)
{
    // Ticks as short as 11 ms must not drift by a coarse timer's slack.
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &IntervalTimer::tick);
}

void IntervalTimer::setInterval(int milliseconds)
{
    if (milliseconds <= 0) {
        m_interval = 0;
        m_clock.stop();
        return;
    }
    const bool idle = m_interval == 0;
    m_interval = milliseconds;
    if (idle)
        m_clock.start(milliseconds);
}

void IntervalTimer::tick()
{
    // QTimer::setInterval restarts the wait, so a new interval is only taken
    // up here, at a tick, where the next wait starts anyway.
    if (m_clock.interval() != m_interval)
        m_clock.setInterval(m_interval);
    emit timer();
}
