// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// Timer fidelity: the slider held at its right stop (14 ms a tick) for 2
// seconds in the real main window, each tick writing the hours box and
// converting; the ticks achieved against the 1000 / 14 a second of the
// ideal. Prints, for each of RUNS runs (default 3):
//   mode=… elapsed_ms=… ticks=… ideal=… ratio=…
// mode=track when a press on the track started the slider's timer; until the
// slider is built, mode=timer drives the window's timer at 14 ms directly,
// with a tick that writes the hours box as the slider's does.
#include "mainwindow/frmbasic.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/textbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int RightStopInterval = 14;
constexpr int RightStopStep = 1406;
constexpr int HeldMilliseconds = 2000;

void holdFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool measureOnce()
{
    frmBasic window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.findChild<QAbstractButton *>(QStringLiteral("optSection(1)"))->click();
    auto *timer = window.findChild<IntervalTimer *>(QStringLiteral("tmrBar"));
    auto *hours = window.findChild<TextBox *>(QStringLiteral("txtHours"));
    auto *track = window.findChild<QWidget *>(QStringLiteral("lblBar"));
    QCoreApplication::processEvents();

    int ticks = 0;
    QObject::connect(timer, &IntervalTimer::timer, &window, [&ticks] { ++ticks; });
    QElapsedTimer clock;
    const QPoint rightStop(track->width() - 1, track->height() / 2);
    clock.start();
    QTest::mousePress(track, Qt::LeftButton, Qt::NoModifier, rightStop);
    const bool track_drives = timer->interval() != 0;
    if (!track_drives) {
        QObject::connect(timer, &IntervalTimer::timer, hours, [hours] {
            hours->setText(QString::number(std::min(hours->text().toInt() + RightStopStep, 99999)));
        });
        timer->setInterval(RightStopInterval);
    }
    holdFor(HeldMilliseconds);
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QTest::mouseRelease(track, Qt::LeftButton, Qt::NoModifier, rightStop);
    timer->setInterval(0);

    // Ticks that fit in the time held: the first comes one interval after the press.
    const double ideal = elapsed / RightStopInterval;
    std::printf("mode=%s elapsed_ms=%.1f ticks=%d ideal=%.1f ratio=%.4f\n", track_drives ? "track" : "timer", elapsed,
                ticks, ideal, ticks / ideal);
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;
    for (int run = 0; run < runs; ++run) {
        if (!measureOnce())
            return 1;
    }
    return 0;
}
