// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindowfixture.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>

#include <limits>

// The hours slider driven through the mouse. Ticks are mostly driven by
// emitting the timer's signal, so that no case depends on the machine's speed;
// the cases that let the real timer run use generous bounds.
class TestHoursSlider : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void stepAndIntervalTable_data();
    void stepAndIntervalTable();
    void stopsInsideTheEnds_data();
    void stopsInsideTheEnds();
    void releaseFromAnywhere();
    void everyButtonActs_data();
    void everyButtonActs();
    void releasingOneOfTwoButtons();
    void doubleClickOnTheTrack_data();
    void doubleClickOnTheTrack();
    void timedStepLimits_data();
    void timedStepLimits();
    void signSteps_data();
    void signSteps();
    void doubleClickOnASign_data();
    void doubleClickOnASign();
    void aStepAtALimitStillCalculates_data();
    void aStepAtALimitStillCalculates();
    void noCalculationWhenNotAutomatic();
    void hoursBeyondTheLimit_data();
    void hoursBeyondTheLimit();
    void hoursTypedWhileHeld();
    void holdingRepeatsAtTheInterval();
    void heldMovesDoNotHoldUpTheTicks();
    void bothLinesShowOverTheTrack();

private:
    MouseLabel *bar() const { return m_ui.label("lblBar"); }
    // One step of the hours: "plus" or "minus" clicks a sign, "Up" or "Down"
    // presses that key in the hours box, "up" or "down" is one tick of the
    // track held right or left of its centre.
    void step(const QString &how) const;
    void tick() const { emit m_ui.timer()->timer(); }
    // Where the marker stands, in twips of its frame; no number unless X1 and
    // X2 agree.
    float markerX() const
    {
        const LineShape *line = m_ui.marker();
        return line->x1() == line->x2() ? line->x1() : std::numeric_limits<float>::quiet_NaN();
    }

    MainWindowFixture m_ui;
};

namespace {
// The track's left edge and centre, in twips of the frame lblHours.
constexpr float BarLeft = 1560;
constexpr float BarCentre = 2707.5F;

// The point of the track under which the marker stands at markerX, for
// events sent straight to the track at fractions of a pixel.
QPointF trackPoint(double markerX)
{
    return {(markerX - BarLeft) / 15.0, 8.0};
}

// Points of the track for mouse events through the window, which Qt delivers
// in whole pixels, with what holding there gives.
struct HeldPoint
{
    QPointF point;
    float marker;
    int step;
    int interval;
};
const HeldPoint Right{{97, 8}, 3015, 7, 149};     // 307.5 twips right of the centre
const HeldPoint Left{{56, 8}, 2400, -7, 149};     // 307.5 twips left of it
const HeldPoint FarRight{{117, 8}, 3315, 51, 99}; // 607.5 twips right of it
} // namespace

void TestHoursSlider::init()
{
    m_ui.open();
}

void TestHoursSlider::cleanup()
{
    m_ui.close();
}

void TestHoursSlider::stepAndIntervalTable_data()
{
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("interval");

    QTest::newRow("exactly at the centre: down") << 0.0 << -1 << 200;
    QTest::newRow("+7.5") << 7.5 << 1 << 199;
    QTest::newRow("-7.5") << -7.5 << -1 << 199;
    QTest::newRow("+150") << 150.0 << 2 << 175;
    QTest::newRow("-150") << -150.0 << -2 << 175;
    QTest::newRow("+300") << 300.0 << 7 << 150;
    QTest::newRow("-300") << -300.0 << -7 << 150;
    QTest::newRow("+450") << 450.0 << 18 << 125;
    QTest::newRow("-450") << -450.0 << -18 << 125;
    QTest::newRow("+600") << 600.0 << 49 << 100;
    QTest::newRow("-600") << -600.0 << -49 << 100;
    QTest::newRow("+900") << 900.0 << 343 << 50;
    QTest::newRow("-900") << -900.0 << -343 << 50;
    QTest::newRow("right stop +1117.5") << 1117.5 << 1406 << 14;
    QTest::newRow("left stop -1132.5") << -1132.5 << -1549 << 11;
    // Waits that end in exactly half a millisecond go to the even neighbour.
    QTest::newRow("+3: 199.5 ms rounds up to 200") << 3.0 << 1 << 200;
    QTest::newRow("+9: 198.5 ms rounds down to 198") << 9.0 << 1 << 198;
    QTest::newRow("-21: 196.5 ms rounds down to 196") << -21.0 << -1 << 196;
    QTest::newRow("+15: 197.5 ms rounds up to 198") << 15.0 << 1 << 198;
    QTest::newRow("-2.25: 199.625 ms gives 200") << -2.25 << -1 << 200;
}

void TestHoursSlider::stepAndIntervalTable()
{
    QFETCH(double, offset);
    QFETCH(int, step);
    QFETCH(int, interval);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("50000"));
    const auto expectedMarker = static_cast<float>(BarCentre + offset);
    const QPointF point = trackPoint(BarCentre + offset);

    // By a press at the point.
    WindowMouse::sendDirect(bar(), QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(markerX(), expectedMarker);
    QCOMPARE(m_ui.timer()->interval(), interval);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("50000")); // the press itself changes nothing
    tick();
    QCOMPARE(m_ui.hours()->text(), QString::number(50000 + step));
    tick();
    QCOMPARE(m_ui.hours()->text(), QString::number(50000 + 2 * step));
    WindowMouse::sendDirect(bar(), QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(markerX(), BarCentre);
    QCOMPARE(m_ui.timer()->interval(), 0);

    // By a move there with the button held, from a press elsewhere.
    m_ui.typeHours(QStringLiteral("50000"));
    WindowMouse::sendDirect(bar(), QEvent::MouseButtonPress, trackPoint(BarCentre - 500), Qt::LeftButton,
                            Qt::LeftButton);
    WindowMouse::sendDirect(bar(), QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(markerX(), expectedMarker);
    QCOMPARE(m_ui.timer()->interval(), interval);
    tick();
    QCOMPARE(m_ui.hours()->text(), QString::number(50000 + step));
    WindowMouse::sendDirect(bar(), QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
}

void TestHoursSlider::stopsInsideTheEnds_data()
{
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<float>("marker");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("interval");

    // In the track's pixels; the track is 153 pixels wide.
    QTest::newRow("the left edge: 15 twips in") << QPointF(0, 8) << 1575.0F << -1549 << 11;
    QTest::newRow("one pixel in: on the left stop") << QPointF(1, 8) << 1575.0F << -1549 << 11;
    QTest::newRow("left of the window") << QPointF(-150, 8) << 1575.0F << -1549 << 11;
    QTest::newRow("two pixels short of the right edge: the right stop") << QPointF(151, 8) << 3825.0F << 1406 << 14;
    QTest::newRow("the right edge: 30 twips in") << QPointF(153, 8) << 3825.0F << 1406 << 14;
    QTest::newRow("right of the window, above it") << QPointF(400, -120) << 3825.0F << 1406 << 14;
}

// Moves after a press on the track reach it wherever the mouse goes.
void TestHoursSlider::stopsInsideTheEnds()
{
    QFETCH(QPointF, to);
    QFETCH(float, marker);
    QFETCH(int, step);
    QFETCH(int, interval);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("50000"));
    WindowMouse::press(bar(), QPointF(76, 8), Qt::LeftButton);
    WindowMouse::move(bar(), to);
    QCOMPARE(markerX(), marker);
    QCOMPARE(m_ui.timer()->interval(), interval);
    tick();
    QCOMPARE(m_ui.hours()->text(), QString::number(50000 + step));
    WindowMouse::release(bar(), to, Qt::LeftButton);
    QCOMPARE(markerX(), BarCentre);
    QCOMPARE(m_ui.timer()->interval(), 0);
}

void TestHoursSlider::releaseFromAnywhere()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("500"));
    WindowMouse::press(bar(), QPointF(120, 8), Qt::LeftButton);
    WindowMouse::move(bar(), QPointF(-90, 200));
    WindowMouse::release(bar(), QPointF(-90, 200), Qt::LeftButton);
    QCOMPARE(markerX(), BarCentre);
    QCOMPARE(m_ui.timer()->interval(), 0);
    // A tick that was already due when the release came does nothing.
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("500"));
    // Moves with no button held are no longer the track's business.
    WindowMouse::move(bar(), QPointF(120, 8));
    QCOMPARE(markerX(), BarCentre);
    QCOMPARE(m_ui.timer()->interval(), 0);
}

void TestHoursSlider::everyButtonActs_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestHoursSlider::everyButtonActs()
{
    QFETCH(Qt::MouseButton, button);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("500"));

    WindowMouse::press(bar(), Right.point, button);
    QCOMPARE(markerX(), Right.marker);
    QCOMPARE(m_ui.timer()->interval(), Right.interval);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("507"));
    WindowMouse::move(bar(), Left.point);
    QCOMPARE(markerX(), Left.marker);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("500"));
    WindowMouse::release(bar(), Left.point, button);
    QCOMPARE(markerX(), BarCentre);
    QCOMPARE(m_ui.timer()->interval(), 0);

    WindowMouse::click(m_ui.label("lblPlus"), QPointF(8, 8), button);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("501"));
    WindowMouse::click(m_ui.label("lblMinus"), QPointF(8, 8), button);
    WindowMouse::click(m_ui.label("lblMinus"), QPointF(8, 8), button);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("499"));
}

void TestHoursSlider::releasingOneOfTwoButtons()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("500"));
    WindowMouse::press(bar(), Right.point, Qt::LeftButton);
    WindowMouse::press(bar(), FarRight.point, Qt::RightButton);
    QCOMPARE(markerX(), FarRight.marker);

    // Either release stops the repetition, though the left button is still held...
    WindowMouse::release(bar(), FarRight.point, Qt::RightButton);
    QCOMPARE(markerX(), BarCentre);
    QCOMPARE(m_ui.timer()->interval(), 0);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("500"));

    // ...and the next move with it held starts it again.
    WindowMouse::move(bar(), Right.point);
    QCOMPARE(markerX(), Right.marker);
    QCOMPARE(m_ui.timer()->interval(), Right.interval);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("507"));
    WindowMouse::release(bar(), Right.point, Qt::LeftButton);
    QCOMPARE(m_ui.timer()->interval(), 0);
}

void TestHoursSlider::doubleClickOnTheTrack_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestHoursSlider::doubleClickOnTheTrack()
{
    QFETCH(Qt::MouseButton, button);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("500"));
    WindowMouse::press(bar(), Right.point, button);
    QCOMPARE(m_ui.timer()->interval(), Right.interval);
    WindowMouse::release(bar(), Right.point, button);
    QCOMPARE(m_ui.timer()->interval(), 0);

    // The second press is a double click, which starts nothing...
    WindowMouse::press(bar(), Right.point, button, Qt::NoModifier, 1);
    QCOMPARE(m_ui.timer()->interval(), 0);
    QCOMPARE(markerX(), BarCentre);
    // ...until the mouse moves with the button held.
    WindowMouse::move(bar(), FarRight.point);
    QCOMPARE(markerX(), FarRight.marker);
    QCOMPARE(m_ui.timer()->interval(), FarRight.interval);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("551"));
    WindowMouse::release(bar(), FarRight.point, button);
    QCOMPARE(m_ui.timer()->interval(), 0);
    QCOMPARE(markerX(), BarCentre);
}

void TestHoursSlider::timedStepLimits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("after");

    QTest::newRow("0, stepping down: 0 again") << QStringLiteral("0") << -300.0 << QStringLiteral("0");
    QTest::newRow("5, down by 7: 0") << QStringLiteral("5") << -300.0 << QStringLiteral("0");
    QTest::newRow("99990, up by 18: 99999") << QStringLiteral("99990") << 450.0 << QStringLiteral("99999");
    QTest::newRow("99999, up by 1406: 99999") << QStringLiteral("99999") << 1117.5 << QStringLiteral("99999");
    QTest::newRow("empty counts as 0: up by 7") << QString() << 300.0 << QStringLiteral("7");
    QTest::newRow("empty counts as 0: down gives 0") << QString() << -300.0 << QStringLiteral("0");
    QTest::newRow("007 up by 1: plain digits") << QStringLiteral("007") << 7.5 << QStringLiteral("8");
    QTest::newRow("00000 down by 1: 0") << QStringLiteral("00000") << -7.5 << QStringLiteral("0");
}

void TestHoursSlider::timedStepLimits()
{
    QFETCH(QString, before);
    QFETCH(double, offset);
    QFETCH(QString, after);
    m_ui.chooseSection(1);
    m_ui.typeHours(before);
    QCOMPARE(m_ui.hours()->text(), before);
    WindowMouse::sendDirect(bar(), QEvent::MouseButtonPress, trackPoint(BarCentre + offset), Qt::LeftButton,
                            Qt::LeftButton);
    tick();
    QCOMPARE(m_ui.hours()->text(), after);
    WindowMouse::sendDirect(bar(), QEvent::MouseButtonRelease, trackPoint(BarCentre + offset), Qt::LeftButton,
                            Qt::NoButton);
}

void TestHoursSlider::signSteps_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("after");

    QTest::newRow("+ at 10") << QStringLiteral("10") << QStringLiteral("lblPlus") << QStringLiteral("11");
    QTest::newRow("- at 10") << QStringLiteral("10") << QStringLiteral("lblMinus") << QStringLiteral("9");
    QTest::newRow("- at 0 stays 0") << QStringLiteral("0") << QStringLiteral("lblMinus") << QStringLiteral("0");
    QTest::newRow("+ at 99999 stays 99999")
        << QStringLiteral("99999") << QStringLiteral("lblPlus") << QStringLiteral("99999");
    QTest::newRow("+ at 99998") << QStringLiteral("99998") << QStringLiteral("lblPlus") << QStringLiteral("99999");
    QTest::newRow("+ on an empty box: 1") << QString() << QStringLiteral("lblPlus") << QStringLiteral("1");
    QTest::newRow("- on an empty box: 0") << QString() << QStringLiteral("lblMinus") << QStringLiteral("0");
    QTest::newRow("+ at 007: plain digits")
        << QStringLiteral("007") << QStringLiteral("lblPlus") << QStringLiteral("8");
    QTest::newRow("- at 0100: plain digits")
        << QStringLiteral("0100") << QStringLiteral("lblMinus") << QStringLiteral("99");
    // The keyboard's way, in the hours box: the same steps.
    QTest::newRow("Up at 10") << QStringLiteral("10") << QStringLiteral("Up") << QStringLiteral("11");
    QTest::newRow("Down at 0 stays 0") << QStringLiteral("0") << QStringLiteral("Down") << QStringLiteral("0");
    QTest::newRow("Up at 99999 stays 99999")
        << QStringLiteral("99999") << QStringLiteral("Up") << QStringLiteral("99999");
    QTest::newRow("Down at 0100: plain digits")
        << QStringLiteral("0100") << QStringLiteral("Down") << QStringLiteral("99");
}

// The signs step on the press, not on the release, and do not repeat.
void TestHoursSlider::signSteps()
{
    QFETCH(QString, before);
    QFETCH(QString, sign);
    QFETCH(QString, after);
    m_ui.chooseSection(1);
    m_ui.typeHours(before);
    if (sign == QLatin1String("Up") || sign == QLatin1String("Down")) {
        step(sign);
        QCOMPARE(m_ui.hours()->text(), after);
        return;
    }
    MouseLabel *label = m_ui.label(sign.toLatin1().constData());
    WindowMouse::press(label, QPointF(8, 8), Qt::LeftButton);
    QCOMPARE(m_ui.hours()->text(), after);
    QTest::qWait(250);
    QCOMPARE(m_ui.hours()->text(), after);
    WindowMouse::release(label, QPointF(8, 8), Qt::LeftButton);
    QCOMPARE(m_ui.hours()->text(), after);
    QCOMPARE(m_ui.timer()->interval(), 0);
}

void TestHoursSlider::doubleClickOnASign_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("after");

    QTest::newRow("+ at 10: 12") << QStringLiteral("10") << QStringLiteral("lblPlus") << Qt::LeftButton
                                 << QStringLiteral("12");
    QTest::newRow("- at 10: 8") << QStringLiteral("10") << QStringLiteral("lblMinus") << Qt::LeftButton
                                << QStringLiteral("8");
    QTest::newRow("- at 1: 0, then 0 again")
        << QStringLiteral("1") << QStringLiteral("lblMinus") << Qt::LeftButton << QStringLiteral("0");
    QTest::newRow("+ at 99998: 99999, then 99999 again")
        << QStringLiteral("99998") << QStringLiteral("lblPlus") << Qt::LeftButton << QStringLiteral("99999");
    QTest::newRow("right button, + at 10: 12")
        << QStringLiteral("10") << QStringLiteral("lblPlus") << Qt::RightButton << QStringLiteral("12");
    QTest::newRow("middle button, - at 10: 8")
        << QStringLiteral("10") << QStringLiteral("lblMinus") << Qt::MiddleButton << QStringLiteral("8");
}

void TestHoursSlider::doubleClickOnASign()
{
    QFETCH(QString, before);
    QFETCH(QString, sign);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, after);
    m_ui.chooseSection(1);
    m_ui.typeHours(before);
    WindowMouse::doubleClick(m_ui.label(sign.toLatin1().constData()), QPointF(8, 8), button);
    QCOMPARE(m_ui.hours()->text(), after);
}

void TestHoursSlider::step(const QString &how) const
{
    if (how == QLatin1String("plus") || how == QLatin1String("minus")) {
        WindowMouse::click(m_ui.label(how == QLatin1String("plus") ? "lblPlus" : "lblMinus"), QPointF(8, 8));
    } else if (how == QLatin1String("Up") || how == QLatin1String("Down")) {
        QTest::keyClick(m_ui.hours(), how == QLatin1String("Up") ? Qt::Key_Up : Qt::Key_Down);
    } else {
        const QPointF point = how == QLatin1String("up") ? Right.point : Left.point;
        WindowMouse::press(bar(), point, Qt::LeftButton);
        tick();
        WindowMouse::release(bar(), point, Qt::LeftButton);
    }
}

void TestHoursSlider::aStepAtALimitStillCalculates_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("figures");

    const QStringList zero{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    const QStringList ceiling{QStringLiteral("95"), QStringLiteral("2"), QStringLiteral("21")};
    QTest::newRow("- at 0") << QStringLiteral("0") << QStringLiteral("minus") << zero;
    QTest::newRow("+ at 99999") << QStringLiteral("99999") << QStringLiteral("plus") << ceiling;
    QTest::newRow("a tick down at 0") << QStringLiteral("0") << QStringLiteral("down") << zero;
    QTest::newRow("a tick up at 99999") << QStringLiteral("99999") << QStringLiteral("up") << ceiling;
    QTest::newRow("Down at 0") << QStringLiteral("0") << QStringLiteral("Down") << zero;
    QTest::newRow("Up at 99999") << QStringLiteral("99999") << QStringLiteral("Up") << ceiling;
}

// A step writes the hours also where the text stays the same, and with
// automatic calculation on it calculates all the same: figures changed behind
// the window's back come back.
void TestHoursSlider::aStepAtALimitStillCalculates()
{
    QFETCH(QString, before);
    QFETCH(QString, how);
    QFETCH(QStringList, figures);
    m_ui.chooseSection(1);
    m_ui.typeHours(before);
    QCOMPARE(m_ui.figures(), figures);
    for (const char *name : {"lblYears", "lblMonths", "lblDays"})
        m_ui.control<QLabel>(name)->setText(QStringLiteral("?"));

    step(how);
    QCOMPARE(m_ui.hours()->text(), before);
    QCOMPARE(m_ui.figures(), figures);
}

void TestHoursSlider::noCalculationWhenNotAutomatic()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("1050"));
    m_ui.setAutomatic(false);
    const QStringList oneYear{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")};
    QCOMPARE(m_ui.figures(), oneYear);

    WindowMouse::click(m_ui.label("lblPlus"), QPointF(8, 8));
    WindowMouse::press(bar(), FarRight.point, Qt::LeftButton);
    tick();
    WindowMouse::release(bar(), FarRight.point, Qt::LeftButton);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("1102"));
    QCOMPARE(m_ui.figures(), oneYear);
    QTest::mouseClick(m_ui.control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    QCOMPARE(m_ui.figures(), QStringList({QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("15")}));
}

void TestHoursSlider::hoursBeyondTheLimit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("after");
    QTest::newRow("a tick up: held to 99999") << QStringLiteral("up") << QStringLiteral("99999");
    QTest::newRow("a tick down by 7: held to 99999") << QStringLiteral("down") << QStringLiteral("99999");
    QTest::newRow("+: one more") << QStringLiteral("plus") << QStringLiteral("100013");
    QTest::newRow("-: one less") << QStringLiteral("minus") << QStringLiteral("100011");
    QTest::newRow("Up: one more") << QStringLiteral("Up") << QStringLiteral("100013");
}

// Six-digit hours, which only the result adjusters write, are read whole; the
// timed steps keep to 0 to 99999, and the signs step by one.
void TestHoursSlider::hoursBeyondTheLimit()
{
    QFETCH(QString, how);
    QFETCH(QString, after);
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("99924"));
    // From 95 years 1 month 25 days, one more month.
    MouseLabel *months = m_ui.label("lblMonths2");
    WindowMouse::press(months, QPointF(20, 12), Qt::LeftButton);
    WindowMouse::move(months, QPointF(24, 12));
    WindowMouse::release(months, QPointF(24, 12), Qt::LeftButton);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("100012"));

    step(how);
    QCOMPARE(m_ui.hours()->text(), after);
}

// The slider keeps no copy of the hours: each tick starts from the box.
void TestHoursSlider::hoursTypedWhileHeld()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("100"));
    WindowMouse::press(bar(), Right.point, Qt::LeftButton);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("107"));
    m_ui.typeHours(QStringLiteral("500"));
    QCOMPARE(m_ui.timer()->interval(), Right.interval);
    tick();
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("507"));
    QCOMPARE(m_ui.figures(), QStringList({QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("20")}));
    WindowMouse::release(bar(), Right.point, Qt::LeftButton);
}

// The real timer: held still right of the centre, the hours rise by 7 a tick,
// and stop on the release.
void TestHoursSlider::holdingRepeatsAtTheInterval()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("100"));
    QSignalSpy ticks(m_ui.timer(), &IntervalTimer::timer);
    WindowMouse::press(bar(), Right.point, Qt::LeftButton);
    QCOMPARE(m_ui.hours()->text(), QStringLiteral("100"));
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 10000);
    WindowMouse::release(bar(), Right.point, Qt::LeftButton);
    const qsizetype ticked = ticks.count();
    QCOMPARE(m_ui.hours()->text(), QString::number(100 + 7 * ticked));

    QTest::qWait(400);
    QCOMPARE(m_ui.hours()->text(), QString::number(100 + 7 * ticked));
}

// A real mouse sends a move every few milliseconds, and each sets the
// interval again: the ticks must keep coming all the same.
void TestHoursSlider::heldMovesDoNotHoldUpTheTicks()
{
    m_ui.chooseSection(1);
    m_ui.typeHours(QStringLiteral("0"));
    QSignalSpy ticks(m_ui.timer(), &IntervalTimer::timer);
    // 907.5 and 922.5 twips right of the centre: a tick every 49 or 46 ms, of
    // 360 or 396 hours.
    const QPointF near(137, 8);
    const QPointF far(138, 8);
    WindowMouse::press(bar(), near, Qt::LeftButton);
    QElapsedTimer clock;
    clock.start();
    bool there = false;
    while (clock.elapsed() < 1000) {
        there = !there;
        WindowMouse::move(bar(), there ? far : near);
        QTest::qWait(10);
    }
    WindowMouse::release(bar(), near, Qt::LeftButton);
    // Ideally 20; a timer whose wait restarted at every move would give none.
    QVERIFY2(ticks.count() >= 4, qPrintable(QString::number(ticks.count())));
    QVERIFY(m_ui.hours()->text().toInt() >= 4 * 360);
}

// The yellow marker and the white centre mark are drawn over the track.
void TestHoursSlider::bothLinesShowOverTheTrack()
{
    auto *frame = m_ui.control<QGroupBox>("lblHours");
    const int centrePixel = static_cast<int>(BarCentre / 15);
    const int markerPixel = static_cast<int>(Right.marker / 15);
    const int y = 30; // within the track's rows, 26 to 42

    WindowMouse::press(bar(), Right.point, Qt::LeftButton);
    const QImage held = frame->grab().toImage();
    QCOMPARE(held.pixelColor(markerPixel, y), QColor(255, 255, 0));
    // From the track's top row to its bottom row, and not beneath it.
    QCOMPARE(held.pixelColor(markerPixel, 26), QColor(255, 255, 0));
    QCOMPARE(held.pixelColor(markerPixel, 42), QColor(255, 255, 0));
    QVERIFY(held.pixelColor(markerPixel, 43) != QColor(255, 255, 0));
    QCOMPARE(held.pixelColor(centrePixel, y), QColor(255, 255, 255));
    WindowMouse::release(bar(), Right.point, Qt::LeftButton);

    const QImage rest = frame->grab().toImage();
    QVERIFY(rest.pixelColor(markerPixel, y) != QColor(255, 255, 0));
    // At rest the two coincide; either may be on top.
    const QColor centre = rest.pixelColor(centrePixel, y);
    QVERIFY2(centre == QColor(255, 255, 0) || centre == QColor(255, 255, 255), qPrintable(centre.name()));
}

QTEST_MAIN(TestHoursSlider)
#include "tst_hoursslider.moc"
