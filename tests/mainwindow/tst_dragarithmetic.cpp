// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/dragarithmetic.h"

#include <QTest>

#include <cmath>
#include <limits>

// The drags' arithmetic over every position the designed track gives, and at
// inputs no mouse sends. The window tests check the exact designed values.
class TestDragArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void everyMousePixelOnTheTrack();
    void everyHalfTwipOfTheMarker();
    void positionsNoMouseSends();
    void draggedFigure_data();
    void draggedFigure();
};

namespace {
constexpr float BarLeft = 1560;
constexpr float BarWidth = 2295;
constexpr float BarCentre = 2707.5F;
} // namespace

// From far left of the track to far right of it, pixel by pixel: the marker
// stays between the stops, and the pace and the step grow with the distance
// from the centre, on each side.
void TestDragArithmetic::everyMousePixelOnTheTrack()
{
    float lastMarker = 0;
    int lastInterval = 0;
    std::int32_t lastStep = std::numeric_limits<std::int32_t>::min();
    for (int pixel = -300; pixel <= 500; ++pixel) {
        const float marker = barMarkerX(BarLeft, BarWidth, static_cast<float>(pixel * 15));
        QVERIFY(marker >= 1575 && marker <= 3825);
        QVERIFY(marker >= lastMarker);
        const float offset = marker - BarCentre;
        const int interval = barInterval(offset);
        const std::int32_t step = barStep(offset);
        QVERIFY(interval >= 11 && interval <= 200);
        QCOMPARE(step > 0, offset > 0);
        QVERIFY(step != 0);
        if (pixel > -300) {
            if (offset <= 0) {
                QVERIFY2(interval >= lastInterval && step >= lastStep, qPrintable(QString::number(pixel)));
            } else if (lastStep > 0) {
                QVERIFY2(interval <= lastInterval && step >= lastStep, qPrintable(QString::number(pixel)));
            }
        }
        lastMarker = marker;
        lastInterval = interval;
        lastStep = step;
    }
}

// Every marker position in half twips: the interval is the nearest whole
// millisecond, an exact half going to the even one, and the step is the power
// cut down, checked in long double.
void TestDragArithmetic::everyHalfTwipOfTheMarker()
{
    int ties = 0;
    for (int halves = 2 * 1575; halves <= 2 * 3825; ++halves) {
        const int fromCentre = halves - 5415; // in half twips
        const float offset = static_cast<float>(fromCentre) / 2;
        // The exact wait, 200 - |offset| / 6, counts whole twelfths of a millisecond.
        const int exactTwelfths = 200 * 12 - std::abs(fromCentre);
        const int interval = barInterval(offset);
        const int remainder = exactTwelfths - interval * 12;
        QVERIFY2(std::abs(remainder) <= 6, qPrintable(QString::number(offset)));
        if (std::abs(remainder) == 6) {
            ++ties;
            QVERIFY2(interval % 2 == 0, qPrintable(QString::number(offset)));
        }

        const long double power = std::pow(7.0L, std::fabs(static_cast<long double>(offset)) / 300.0L);
        const std::int32_t size = std::abs(barStep(offset));
        QVERIFY2(size <= power && power < size + 1, qPrintable(QString::number(offset)));
    }
    QVERIFY(ties > 100);
}

void TestDragArithmetic::positionsNoMouseSends()
{
    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    QCOMPARE(barMarkerX(BarLeft, BarWidth, notANumber), 1575.0F);
    QCOMPARE(barMarkerX(BarLeft, BarWidth, infinity), 3825.0F);
    QCOMPARE(barMarkerX(BarLeft, BarWidth, -infinity), 1575.0F);
    // A track far longer than the designed one keeps the timer running.
    QCOMPARE(barInterval(1200), 1);
    QCOMPARE(barInterval(1e9F), 1);
    QCOMPARE(barInterval(notANumber), 1);
    QCOMPARE(barStep(1e9F), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(barStep(-1e9F), -std::numeric_limits<std::int32_t>::max());
}

void TestDragArithmetic::draggedFigure_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<float>("dragStartX");
    QTest::addColumn<float>("x");
    QTest::addColumn<int>("figure");

    QTest::newRow("no travel") << 4 << 300.0F << 300.0F << 4;
    QTest::newRow("29.5 twips: below the half") << 4 << 300.0F << 329.5F << 4;
    QTest::newRow("30 twips from 4: 4.5 gives 4") << 4 << 300.0F << 330.0F << 4;
    QTest::newRow("30 twips from 5: 5.5 gives 6") << 5 << 300.0F << 330.0F << 6;
    QTest::newRow("30.5 twips from 4: above the half") << 4 << 300.0F << 330.5F << 5;
    QTest::newRow("-30 twips from 4: 3.5 gives 4") << 4 << 300.0F << 270.0F << 4;
    QTest::newRow("-30 twips from 5: 4.5 gives 4") << 5 << 300.0F << 270.0F << 4;
    QTest::newRow("-90 twips from 0: -1.5 gives -2") << 0 << 300.0F << 210.0F << -2;
    QTest::newRow("-30 twips from 0: -0.5 gives 0") << 0 << 300.0F << 270.0F << 0;
    QTest::newRow("one unit is 60 twips") << 95 << 0.0F << 60.0F << 96;
    QTest::newRow("a fraction of a pixel: 7.25 twips") << 4 << 1.5F << 8.75F << 4;
    QTest::newRow("far beyond any screen: held at 32 bits") << 0 << 0.0F << 1e30F << 2147483647;
    QTest::newRow("far beyond any screen, left") << 0 << 0.0F << -1e30F << -2147483647 - 1;
    QTest::newRow("no number: the start") << 7 << 0.0F << std::numeric_limits<float>::quiet_NaN() << 7;
}

void TestDragArithmetic::draggedFigure()
{
    QFETCH(int, start);
    QFETCH(float, dragStartX);
    QFETCH(float, x);
    QFETCH(int, figure);
    QCOMPARE(::draggedFigure(start, dragStartX, x), figure);
}

QTEST_GUILESS_MAIN(TestDragArithmetic)
#include "tst_dragarithmetic.moc"
