// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/intervaltimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

// Timing bounds here are generous on purpose: the machine may be loaded.
class TestIntervalTimer : public QObject
{
    Q_OBJECT

private slots:
    void idleUntilAnIntervalIsSet();
    void stopsAtZeroOrLess_data();
    void stopsAtZeroOrLess();
    void settingTheIntervalAgainKeepsTheWait();
    void aNewIntervalAppliesFromTheNextTick();
};

void TestIntervalTimer::idleUntilAnIntervalIsSet()
{
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::timer);
    QCOMPARE(timer.interval(), 0);
    QCOMPARE(timer.property("interval").toInt(), 0);
    QTest::qWait(100);
    QCOMPARE(ticks.count(), 0);

    timer.setProperty("interval", 20);
    QCOMPARE(timer.interval(), 20);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 5000);
}

void TestIntervalTimer::stopsAtZeroOrLess_data()
{
    QTest::addColumn<int>("stop");
    QTest::newRow("0 stops") << 0;
    QTest::newRow("a negative interval stops") << -5;
}

void TestIntervalTimer::stopsAtZeroOrLess()
{
    QFETCH(int, stop);
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::timer);
    timer.setInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 5000);
    timer.setInterval(stop);
    QCOMPARE(timer.interval(), 0);
    const int stoppedAt = ticks.count();
    QTest::qWait(200);
    QCOMPARE(ticks.count(), stoppedAt);
}

// A caller that sets the interval on every mouse move (every few milliseconds)
// still gets its ticks: setting it does not restart the wait.
void TestIntervalTimer::settingTheIntervalAgainKeepsTheWait()
{
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::timer);
    timer.setInterval(100);
    QElapsedTimer clock;
    clock.start();
    int round = 0;
    while (clock.elapsed() < 1000) {
        timer.setInterval(++round % 2 == 0 ? 100 : 99);
        QTest::qWait(10);
    }
    // Ideally 10; a restarting timer would give none.
    QVERIFY2(ticks.count() >= 4, qPrintable(QString::number(ticks.count())));
}

void TestIntervalTimer::aNewIntervalAppliesFromTheNextTick()
{
    IntervalTimer timer;
    QSignalSpy ticks(&timer, &IntervalTimer::timer);
    timer.setInterval(1500);
    QTest::qWait(20);
    timer.setInterval(10);
    QTest::qWait(300);
    QCOMPARE(ticks.count(), 0); // still in the first, long wait
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 10000);
    // From then on at the short interval: many ticks well before another 1.5 s.
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 6, 1200);
}

QTEST_GUILESS_MAIN(TestIntervalTimer)
#include "tst_intervaltimer.moc"
