// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// One tick of the hours slider inside the real main window: the write of the
// hours box through its change handling, the conversion and the three
// figures; once more with the repaint that follows. The script compares each
// with the shortest tick, 11 ms. Where the slider is built, its whole timed
// step is measured too, held at the right stop.
#include "mainwindow/frmbasic.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/textbox.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>

namespace {
// The window as the slider finds it: a section chosen, automatic calculation on.
struct ShownWindow
{
    ShownWindow()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the main window was never shown");
        hours = window.findChild<TextBox *>(QStringLiteral("txtHours"));
        window.findChild<QAbstractButton *>(QStringLiteral("optSection(1)"))->click();
        QCoreApplication::processEvents();
    }

    frmBasic window;
    TextBox *hours = nullptr;
};

// The right stop's step: every write changes every digit that can change.
constexpr int RightStopStep = 1406;

void HoursBoxWrite(benchmark::State &state)
{
    ShownWindow shown;
    int hours = 0;
    for (auto _ : state) {
        hours = (hours + RightStopStep) % 100000;
        shown.hours->setText(QString::number(hours));
    }
}

void HoursBoxWriteAndRepaint(benchmark::State &state)
{
    ShownWindow shown;
    int hours = 0;
    for (auto _ : state) {
        hours = (hours + RightStopStep) % 100000;
        shown.hours->setText(QString::number(hours));
        QCoreApplication::processEvents();
    }
}

// Holds the track at its right stop; true when that started the slider's timer.
bool holdRightStop(frmBasic &window)
{
    auto *track = window.findChild<QWidget *>(QStringLiteral("lblBar"));
    if (!track)
        return false;
    const QPointF pos(track->width() - 1, track->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, pos, track->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(track, &press);
    return window.findChild<IntervalTimer *>(QStringLiteral("tmrBar"))->interval() != 0;
}

void SliderTick(benchmark::State &state)
{
    ShownWindow shown;
    holdRightStop(shown.window);
    auto *timer = shown.window.findChild<IntervalTimer *>(QStringLiteral("tmrBar"));
    for (auto _ : state)
        emit timer->timer();
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("HoursBoxWrite", HoursBoxWrite)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("HoursBoxWriteAndRepaint", HoursBoxWriteAndRepaint)->Unit(benchmark::kMicrosecond);
    {
        frmBasic probe;
        probe.show();
        if (QTest::qWaitForWindowExposed(&probe) && holdRightStop(probe))
            benchmark::RegisterBenchmark("SliderTick", SliderTick)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
