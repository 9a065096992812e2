// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindowfixture.h"

#include "conversion/digits.h"

#include <QPushButton>

// The word labels "χρόνια", "μήνες" and "μέρες" dragged sideways with the
// mouse: one unit of their field for every 60 twips (4 pixels), converted back
// into hours that go into the hours box.
class TestResultAdjusters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pressAndReleaseWithoutAMove_data();
    void pressAndReleaseWithoutAMove();
    void roundingHalvesToEven_data();
    void roundingHalvesToEven();
    void boundsAndCeilings_data();
    void boundsAndCeilings();
    void theFirstMoveWritesTheShownService();
    void everyButtonDrags_data();
    void everyButtonDrags();
    void movesWithoutAButtonDoNothing();
    void aSecondButtonIsANewPress();
    void doubleClickKeepsTheFirstPress();
    void noSectionWritesZero_data();
    void noSectionWritesZero();
    void notAutomaticStillShowsTheFigures();
    void figuresLeftFromAnotherSection();
    void passesThroughOtherSectionsStayOrderly();

private:
    // Presses on a word label, moves by travel pixels with the button held, and
    // releases there.
    void drag(const char *word, qreal travel, Qt::MouseButton button = Qt::LeftButton) const
    {
        MouseLabel *label = m_ui.label(word);
        const QPointF from(20, 12);
        WindowMouse::press(label, from, button);
        WindowMouse::move(label, from + QPointF(travel, 0));
        WindowMouse::release(label, from + QPointF(travel, 0), button);
    }
    static QStringList service(const char *years, const char *months, const char *days)
    {
        return {QLatin1String(years), QLatin1String(months), QLatin1String(days)};
    }

    MainWindowFixture m_ui;
};

void TestResultAdjusters::init()
{
    m_ui.open();
}

void TestResultAdjusters::cleanup()
{
    m_ui.close();
}

void TestResultAdjusters::pressAndReleaseWithoutAMove_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("resting");
    QTest::addColumn<QString>("dragging");
    QTest::newRow("years") << QStringLiteral("lblYears2") << QStringLiteral("χρόνια") << QStringLiteral("-χρόνια+");
    QTest::newRow("months") << QStringLiteral("lblMonths2") << QStringLiteral("μήνες") << QStringLiteral("-μήνες+");
    QTest::newRow("days") << QStringLiteral("lblDays2") << QStringLiteral("μέρες") << QStringLiteral("-μέρες+");
}

// Only the caption changes, while the button is held.
void TestResultAdjusters::pressAndReleaseWithoutAMove()
{
    QFETCH(QString, word);
    QFETCH(QString, resting);
    QFETCH(QString, dragging);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("100"));
    MouseLabel *label = m_ui.label(word.toLatin1().constData());
    WindowMouse::press(label, QPointF(20, 12), Qt::LeftButton);
    QCOMPARE(label->text(), dragging);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("100"));
    WindowMouse::release(label, QPointF(20, 12), Qt::LeftButton);
    QCOMPARE(label->text(), resting);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("100"));
    QCOMPARE(m_ui.figures(), service("0", "1", "4"));
}

void TestResultAdjusters::roundingHalvesToEven_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("startDays");
    QTest::addColumn<int>("travel"); // pixels: 2 are 30 twips, half a day
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("days");

    QTest::newRow("4 days, 30 twips right: 4.5 gives 4") << "14"
                                                         << "4" << 2 << "14"
                                                         << "4";
    QTest::newRow("4 days, 90 twips right: 5.5 gives 6") << "14"
                                                         << "4" << 6 << "21"
                                                         << "6";
    QTest::newRow("5 days, 30 twips right: 5.5 gives 6") << "18"
                                                         << "5" << 2 << "21"
                                                         << "6";
    QTest::newRow("5 days, 90 twips right: 6.5 gives 6") << "18"
                                                         << "5" << 6 << "21"
                                                         << "6";
    QTest::newRow("5 days, 30 twips left: 4.5 gives 4") << "18"
                                                        << "5" << -2 << "14"
                                                        << "4";
    QTest::newRow("4 days, 30 twips left: 3.5 gives 4") << "14"
                                                        << "4" << -2 << "14"
                                                        << "4";
    QTest::newRow("4 days, 90 twips left: 2.5 gives 2") << "14"
                                                        << "4" << -6 << "7"
                                                        << "2";
    QTest::newRow("4 days, 15 twips right: 4.25 gives 4") << "14"
                                                          << "4" << 1 << "14"
                                                          << "4";
    QTest::newRow("4 days, 45 twips right: 4.75 gives 5") << "14"
                                                          << "4" << 3 << "17"
                                                          << "5";
}

void TestResultAdjusters::roundingHalvesToEven()
{
    QFETCH(QString, typed);
    QFETCH(QString, startDays);
    QFETCH(int, travel);
    QFETCH(QString, written);
    QFETCH(QString, days);
    m_ui.chooseSection(1);
    m_ui.typeHours(typed);
    QCOMPARE(m_ui.figures(), QStringList({QStringLiteral("0"), QStringLiteral("0"), startDays}));
    drag("lblDays2", travel);
    QCOMPARE(m_ui.hours()->text(), written);
    QCOMPARE(m_ui.figures(), QStringList({QStringLiteral("0"), QStringLiteral("0"), days}));
}

void TestResultAdjusters::boundsAndCeilings_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("travel");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("after");

    // 400 pixels run far past the window: the label keeps the mouse.
    const int farRight = 400;
    const int farLeft = -400;
    QTest::newRow("days from 0, far right: 25, no carry")
        << 1 << "0" << service("0", "0", "0") << "lblDays2" << farRight << "87" << service("0", "0", "25");
    QTest::newRow("days far left: 0") << 1 << "100" << service("0", "1", "4") << "lblDays2" << farLeft << "88"
                                      << service("0", "1", "0");
    QTest::newRow("months from 0, far right: 11, the years stay")
        << 1 << "1050" << service("1", "0", "0") << "lblMonths2" << farRight << "2013" << service("1", "11", "0");
    QTest::newRow("months far left: 0") << 1 << "2013" << service("1", "11", "0") << "lblMonths2" << farLeft << "1050"
                                        << service("1", "0", "0");
    QTest::newRow("years far left: 0") << 1 << "2013" << service("1", "11", "0") << "lblYears2" << farLeft << "963"
                                       << service("0", "11", "0");
    QTest::newRow("years 2 to the right")
        << 1 << "1050" << service("1", "0", "0") << "lblYears2" << 8 << "3150" << service("3", "0", "0");

    // Section ΠΕ, 21 weekly hours: the ceiling is 95 years, 2 months, 21 days.
    QTest::newRow("95/2/10: the days stop at 21")
        << 1 << "99960" << service("95", "2", "10") << "lblDays2" << farRight << "99998" << service("95", "2", "21");
    QTest::newRow("95/1/0: the days reach 25")
        << 1 << "99838" << service("95", "1", "0") << "lblDays2" << farRight << "99924" << service("95", "1", "25");
    QTest::newRow("94/5/0: the years stop at 94")
        << 1 << "99138" << service("94", "5", "0") << "lblYears2" << farRight << "99138" << service("94", "5", "0");
    QTest::newRow("94/2/21: the years reach 95")
        << 1 << "98948" << service("94", "2", "21") << "lblYears2" << farRight << "99998" << service("95", "2", "21");
    QTest::newRow("94/2/22: the years stop at 94")
        << 1 << "98952" << service("94", "2", "22") << "lblYears2" << farRight << "98952" << service("94", "2", "22");
    QTest::newRow("92/0/0: the years stop at 95")
        << 1 << "96600" << service("92", "0", "0") << "lblYears2" << farRight << "99750" << service("95", "0", "0");
    QTest::newRow("95/0/0: the months stop at 2")
        << 1 << "99750" << service("95", "0", "0") << "lblMonths2" << farRight << "99925" << service("95", "2", "0");
    // The months rule does not look at the days: six digits, kept whole.
    QTest::newRow("95/1/25: the months pass the ceiling")
        << 1 << "99924" << service("95", "1", "25") << "lblMonths2" << 4 << "100012" << service("95", "2", "25");

    // The other sections' ceilings: 90/10/22, 71/5/3, 79/11/25.
    QTest::newRow("ΤΕ 90/10/0: the days stop at 22")
        << 2 << "99917" << service("90", "10", "0") << "lblDays2" << farRight << "99997" << service("90", "10", "22");
    QTest::newRow("ΔΕ 71/5/0: the days stop at 3")
        << 3 << "99984" << service("71", "5", "0") << "lblDays2" << farRight << "99997" << service("71", "5", "3");
    QTest::newRow("1βάθμια 79/11/0: the days reach 25 at 99999")
        << 4 << "99896" << service("79", "11", "0") << "lblDays2" << farRight << "99999" << service("79", "11", "25");
}

void TestResultAdjusters::boundsAndCeilings()
{
    QFETCH(int, section);
    QFETCH(QString, typed);
    QFETCH(QStringList, before);
    QFETCH(QString, word);
    QFETCH(int, travel);
    QFETCH(QString, written);
    QFETCH(QStringList, after);
    m_ui.chooseSection(section);
    m_ui.typeHours(typed);
    QCOMPARE(m_ui.figures(), before);
    drag(word.toLatin1().constData(), travel);
    QCOMPARE(m_ui.hours()->text(), written);
    QCOMPARE(m_ui.figures(), after);
}

// The first move writes the hours of the figures as read at the press, which
// may differ from the hours typed; the figures stay.
void TestResultAdjusters::theFirstMoveWritesTheShownService()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("100"));
    QCOMPARE(m_ui.figures(), service("0", "1", "4"));
    drag("lblDays2", 1);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("101"));
    QCOMPARE(m_ui.figures(), service("0", "1", "4"));
}

void TestResultAdjusters::everyButtonDrags_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestResultAdjusters::everyButtonDrags()
{
    QFETCH(Qt::MouseButton, button);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("1050"));
    MouseLabel *months = m_ui.label("lblMonths2");
    WindowMouse::press(months, QPointF(20, 12), button);
    QCOMPARE(months->text(), QStringLiteral("-μήνες+"));
    WindowMouse::move(months, QPointF(28, 12));
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("1225"));
    QCOMPARE(m_ui.figures(), service("1", "2", "0"));
    WindowMouse::release(months, QPointF(28, 12), button);
    QCOMPARE(months->text(), QStringLiteral("μήνες"));
}

void TestResultAdjusters::movesWithoutAButtonDoNothing()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("100"));
    MouseLabel *days = m_ui.label("lblDays2");
    WindowMouse::move(days, QPointF(10, 12));
    WindowMouse::move(days, QPointF(50, 12));
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("100"));
    drag("lblDays2", 1);
    WindowMouse::move(days, QPointF(50, 12));
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("101"));
    QCOMPARE(m_ui.figures(), service("0", "1", "4"));
}

// A second button pressed during a drag starts again from the current X and
// the figures then shown; its release shows the resting word, and moves with
// the first button still held go on adjusting.
void TestResultAdjusters::aSecondButtonIsANewPress()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("14"));
    MouseLabel *days = m_ui.label("lblDays2");
    WindowMouse::press(days, QPointF(20, 12), Qt::LeftButton);
    WindowMouse::move(days, QPointF(30, 12)); // 4 + 2.5: 6 days
    QCOMPARE(m_ui.figures(), service("0", "0", "6"));
    WindowMouse::press(days, QPointF(30, 12), Qt::RightButton);
    WindowMouse::move(days, QPointF(36, 12)); // 6 + 1.5: 8 days (from the first press: 4 + 4 = 8 as well)
    WindowMouse::move(days, QPointF(32, 12)); // 6 + 0.5: 6 days (from the first press: 4 + 3 = 7)
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("21"));
    QCOMPARE(m_ui.figures(), service("0", "0", "6"));
    WindowMouse::release(days, QPointF(32, 12), Qt::RightButton);
    QCOMPARE(days->text(), QStringLiteral("μέρες"));
    WindowMouse::move(days, QPointF(40, 12)); // 6 + 2.5: 8 days
    QCOMPARE(m_ui.figures(), service("0", "0", "8"));
    QCOMPARE(days->text(), QStringLiteral("μέρες"));
    WindowMouse::release(days, QPointF(40, 12), Qt::LeftButton);
}

// The second press of a double click is no press: the caption stays the word,
// and moves go on from the start values of the first press.
void TestResultAdjusters::doubleClickKeepsTheFirstPress()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("14"));
    MouseLabel *days = m_ui.label("lblDays2");
    WindowMouse::press(days, QPointF(20, 12), Qt::LeftButton);
    WindowMouse::release(days, QPointF(20, 12), Qt::LeftButton);
    // Typed between the two presses, within the double-click time.
    m_ui.typeHours(QStringLiteral("100"));
    QCOMPARE(m_ui.figures(), service("0", "1", "4"));
    WindowMouse::press(days, QPointF(20, 12), Qt::LeftButton, Qt::NoModifier, 1);
    QCOMPARE(days->text(), QStringLiteral("μέρες"));
    WindowMouse::move(days, QPointF(26, 12));
    // From 0 months 4 days: 6 days (from 0/1/4 it would be 0/1/6, 108 hours).
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("21"));
    QCOMPARE(m_ui.figures(), service("0", "0", "6"));
    WindowMouse::release(days, QPointF(26, 12), Qt::LeftButton);
    QCOMPARE(days->text(), QStringLiteral("μέρες"));
}

void TestResultAdjusters::noSectionWritesZero_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("travel");
    QTest::newRow("years to the right") << QStringLiteral("lblYears2") << 40;
    QTest::newRow("months to the right") << QStringLiteral("lblMonths2") << 40;
    QTest::newRow("days to the right") << QStringLiteral("lblDays2") << 40;
    QTest::newRow("days to the left") << QStringLiteral("lblDays2") << -40;
}

// With no section every ceiling is 0: every move gives 0/0/0 and writes 0.
void TestResultAdjusters::noSectionWritesZero()
{
    QFETCH(QString, word);
    QFETCH(int, travel);
    m_ui.typeHours(QStringLiteral("500"));
    drag(word.toLatin1().constData(), travel);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("0"));
    QCOMPARE(m_ui.figures(), QStringList({QString(), QString(), QString()}));
}

// The drag converts its hours even with automatic calculation off.
void TestResultAdjusters::notAutomaticStillShowsTheFigures()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("1050"));
    m_ui.setAutomatic(false);
    drag("lblMonths2", 8);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("1225"));
    QCOMPARE(m_ui.figures(), service("1", "2", "0"));
    QVERIFY(!m_ui.automatic()->isChecked());
}

// Figures left over from ΠΕ after a change to ΔΕ with automatic calculation
// off are used as they are: the hours go past 99999.
void TestResultAdjusters::figuresLeftFromAnotherSection()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("99999"));
    QCOMPARE(m_ui.figures(), service("95", "2", "21"));
    m_ui.setAutomatic(false);
    m_ui.chooseSection(3);
    QCOMPARE(m_ui.figures(), service("95", "2", "21"));
    drag("lblDays2", 400);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("133350"));
    QCOMPARE(m_ui.figures(), service("95", "3", "0"));
}

// Passing the figures back and forth between the sections of 21 and 28 weekly
// hours makes the hours grow by a third on each pass, past what the figures
// can hold; every drag stays orderly all the way, and starts again from 0 once
// the figures are empty.
void TestResultAdjusters::passesThroughOtherSectionsStayOrderly()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("99999"));
    m_ui.setAutomatic(false);
    auto *calculate = m_ui.control<QPushButton>("cmdCalculate");
    int emptyFigures = 0;
    for (int pass = 0; pass < 40; ++pass) {
        m_ui.chooseSection(3);
        // The days far to the right, or the months by a quarter of a unit.
        if (pass % 2 == 0)
            drag("lblDays2", 400);
        else
            drag("lblMonths2", 1);
        const std::optional<std::int32_t> written = readWholeNumber(m_ui.hours()->text().toStdString());
        QVERIFY2(written && *written >= 0, qPrintable(m_ui.hours()->text()));
        m_ui.chooseSection(1);
        QTest::mouseClick(calculate, Qt::LeftButton);
        const QStringList shown = m_ui.figures();
        if (shown.first().isEmpty()) {
            ++emptyFigures;
            QCOMPARE(shown, QStringList({QString(), QString(), QString()}));
            // Empty figures count as 0: ten years to the right give 10 years.
            drag("lblYears2", 40);
            QCOMPARE(m_ui.hours()->text(), QStringLiteral("10500"));
        }
    }
    QVERIFY(emptyFigures > 0);
}

QTEST_MAIN(TestResultAdjusters)
#include "tst_resultadjusters.moc"
