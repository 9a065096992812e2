// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// Start-up as the user sees it: watches for the first expose of any window,
// notes the moment (CLOCK_MONOTONIC, which the launching process shares),
// lets the window paint, then prints the moment and the resident memory on
// one line and ends the program:
//   expose_ns=123456789 rss_kb=45678

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <unistd.h>

class ExposeProbe : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ExposeProbe)

public:
    ExposeProbe() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_exposeNs == 0) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                m_exposeNs = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
                // Queued: runs once the expose has been handled and the window painted.
                QMetaObject::invokeMethod(this, &ExposeProbe::report, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report() const
    {
        long long residentPages = 0;
        long long sizePages = 0;
        std::ifstream statm("/proc/self/statm");
        statm >> sizePages >> residentPages;
        const long long residentKb = residentPages * sysconf(_SC_PAGESIZE) / 1024;
        std::printf("expose_ns=%lld rss_kb=%lld\n", m_exposeNs, residentKb);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    long long m_exposeNs = 0;
};
