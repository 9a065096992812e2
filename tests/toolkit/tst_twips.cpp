// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/twips.h"

#include <QTest>

class TestTwips : public QObject
{
    Q_OBJECT

private slots:
    void wholePixels_data();
    void wholePixels();
    void mousePositionsStayExact();
};

void TestTwips::wholePixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("the main window's width") << 4470 << 298;
    QTest::newRow("the main window's height") << 3375 << 225;
    QTest::newRow("just under half a pixel rounds down") << 22 << 1;
    QTest::newRow("half a pixel rounds up") << 23 << 2;
    QTest::newRow("negative, rounded away from zero") << -23 << -2;
}

void TestTwips::wholePixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(pixelsFromTwips(twips), pixels);
}

void TestTwips::mousePositionsStayExact()
{
    // The centre of the slider's track, 2707.5 twips, is half a pixel.
    QCOMPARE(twipsFromPixels(180.5), 2707.5F);
    QCOMPARE(pixelsFromTwips(2707.5F), 180.5);
    QCOMPARE(twipsFromPixels(-1.0), -15.0F);
}

QTEST_GUILESS_MAIN(TestTwips)
#include "tst_twips.moc"
