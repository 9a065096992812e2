// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/mouselabel.h"

#include "support/windowevents.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestMouseLabel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pressReportsButtonShiftAndTwips_data();
    void pressReportsButtonShiftAndTwips();
    void moveReportsTheButtonsHeld();
    void keepsTheMouseUntilTheLastButtonIsUp();
    void aModalWindowTakesTheMouse();
    void doubleClickIsNoSecondPress_data();
    void doubleClickIsNoSecondPress();
    void clickIsALeftPressAndReleaseOnTheLabel_data();
    void clickIsALeftPressAndReleaseOnTheLabel();

private:
    std::unique_ptr<QWidget> m_window;
    MouseLabel *m_label = nullptr;
};

void TestMouseLabel::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(300, 200);
    m_label = new MouseLabel(m_window.get());
    m_label->setGeometry(100, 80, 100, 40);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMouseLabel::cleanup()
{
    // Leave no button held for the next case.
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (WindowMouse::heldButtons().testFlag(button))
            WindowMouse::release(m_label, QPointF(1, 1), button);
    }
    m_window.reset();
}

void TestMouseLabel::pressReportsButtonShiftAndTwips_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("buttonCode");
    QTest::addColumn<int>("shiftCode");

    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0;
    QTest::newRow("right with Shift") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 1;
    QTest::newRow("middle with Ctrl and Alt")
        << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << 4 << 6;
    // Code 0: the label reports neither the press nor the release.
    QTest::newRow("back: nothing") << Qt::BackButton << Qt::KeyboardModifiers() << 0 << 0;
    QTest::newRow("forward: nothing") << Qt::ForwardButton << Qt::KeyboardModifiers() << 0 << 0;
}

void TestMouseLabel::pressReportsButtonShiftAndTwips()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, buttonCode);
    QFETCH(int, shiftCode);

    QSignalSpy downs(m_label, &MouseLabel::mouseDown);
    QSignalSpy ups(m_label, &MouseLabel::mouseUp);
    WindowMouse::sendDirect(m_label, QEvent::MouseButtonPress, QPointF(10.5, 3.25), button, button, modifiers);
    if (buttonCode == 0) {
        WindowMouse::sendDirect(m_label, QEvent::MouseButtonDblClick, QPointF(10.5, 3.25), button, button);
        WindowMouse::sendDirect(m_label, QEvent::MouseButtonRelease, QPointF(20, 4), button, Qt::NoButton);
        QCOMPARE(downs.count() + ups.count(), 0);
        return;
    }
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).toInt(), buttonCode);
    QCOMPARE(downs.at(0).at(1).toInt(), shiftCode);
    QCOMPARE(downs.at(0).at(2).toFloat(), 157.5F);
    QCOMPARE(downs.at(0).at(3).toFloat(), 48.75F);

    WindowMouse::sendDirect(m_label, QEvent::MouseButtonRelease, QPointF(20, 4), button, Qt::NoButton, modifiers);
    QCOMPARE(ups.count(), 1);
    QCOMPARE(ups.at(0).at(0).toInt(), buttonCode);
    QCOMPARE(ups.at(0).at(2).toFloat(), 300.0F);
}

void TestMouseLabel::moveReportsTheButtonsHeld()
{
    QSignalSpy moves(m_label, &MouseLabel::mouseMove);
    WindowMouse::move(m_label, QPointF(5, 5));
    QVERIFY(!moves.isEmpty());
    QCOMPARE(moves.last().at(0).toInt(), 0);

    WindowMouse::press(m_label, QPointF(5, 5), Qt::LeftButton);
    WindowMouse::press(m_label, QPointF(5, 5), Qt::MiddleButton);
    WindowMouse::move(m_label, QPointF(6, 5));
    QCOMPARE(moves.last().at(0).toInt(), 1 | 4);
}

void TestMouseLabel::keepsTheMouseUntilTheLastButtonIsUp()
{
    QSignalSpy moves(m_label, &MouseLabel::mouseMove);
    QSignalSpy ups(m_label, &MouseLabel::mouseUp);
    WindowMouse::press(m_label, QPointF(50, 20), Qt::LeftButton);
    WindowMouse::press(m_label, QPointF(50, 20), Qt::RightButton);

    // Left of the label and past its right edge: X below 0 and beyond the width.
    WindowMouse::move(m_label, QPointF(-20, 20));
    QCOMPARE(moves.last().at(2).toFloat(), -300.0F);
    WindowMouse::move(m_label, QPointF(150, -30));
    QCOMPARE(moves.last().at(2).toFloat(), 2250.0F);
    QCOMPARE(moves.last().at(3).toFloat(), -450.0F);

    WindowMouse::release(m_label, QPointF(150, -30), Qt::LeftButton);
    QCOMPARE(ups.count(), 1);
    WindowMouse::move(m_label, QPointF(-40, 20));
    QCOMPARE(moves.last().at(0).toInt(), 2);
    QCOMPARE(moves.last().at(2).toFloat(), -600.0F);
    WindowMouse::release(m_label, QPointF(-40, 20), Qt::RightButton);
    QCOMPARE(ups.count(), 2);

    // With every button up, the mouse outside belongs to the label no more.
    const qsizetype movesSoFar = moves.count();
    WindowMouse::move(m_label, QPointF(-60, 20));
    QCOMPARE(moves.count(), movesSoFar);
}

// A window turning modal (from a key) gets the release the label waited for:
// the label reports it at once, where the mouse last was.
void TestMouseLabel::aModalWindowTakesTheMouse()
{
    QSignalSpy ups(m_label, &MouseLabel::mouseUp);
    WindowMouse::press(m_label, QPointF(50, 20), Qt::RightButton);
    WindowMouse::move(m_label, QPointF(-20, 20));
    QVERIFY(m_label->isHeld());
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&modal));
    QCOMPARE(ups.count(), 1);
    QCOMPARE(ups.at(0).at(0).toInt(), 2);
    QCOMPARE(ups.at(0).at(2).toFloat(), -300.0F);
    QVERIFY(!m_label->isHeld());
    WindowMouse::release(m_label, QPointF(-20, 20), Qt::RightButton);
    QCOMPARE(ups.count(), 1);
}

void TestMouseLabel::doubleClickIsNoSecondPress_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("code");
    // Whether the first press lands on a neighbouring label 4 pixels away,
    // which Qt pairs with the second all the same.
    QTest::addColumn<bool>("firstOnNeighbour");
    QTest::newRow("left") << Qt::LeftButton << 1 << false;
    QTest::newRow("right") << Qt::RightButton << 2 << false;
    QTest::newRow("middle") << Qt::MiddleButton << 4 << false;
    QTest::newRow("left, first press on the neighbour: a press") << Qt::LeftButton << 1 << true;
    QTest::newRow("right, first press on the neighbour: a press") << Qt::RightButton << 2 << true;
}

void TestMouseLabel::doubleClickIsNoSecondPress()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, code);
    QFETCH(bool, firstOnNeighbour);
    auto *neighbour = new MouseLabel(m_window.get());
    neighbour->setGeometry(50, 80, 48, 40);
    neighbour->show();
    QSignalSpy neighbourDowns(neighbour, &MouseLabel::mouseDown);
    QSignalSpy downs(m_label, &MouseLabel::mouseDown);
    QSignalSpy ups(m_label, &MouseLabel::mouseUp);
    QSignalSpy clicks(m_label, &MouseLabel::click);
    QSignalSpy doubleClicks(m_label, &MouseLabel::dblClick);
    QSignalSpy moves(m_label, &MouseLabel::mouseMove);

    const QPointF second(firstOnNeighbour ? 1 : 30, 10);
    QWidget *first = firstOnNeighbour ? static_cast<QWidget *>(neighbour) : m_label;
    const QPointF firstAt =
        first->mapFrom(m_window.get(), m_label->mapTo(m_window.get(), second - QPointF(firstOnNeighbour ? 4 : 0, 0)));
    WindowMouse::press(first, firstAt, button);
    WindowMouse::release(first, firstAt, button);
    WindowMouse::press(m_label, second, button, Qt::NoModifier, 1);
    QCOMPARE(neighbourDowns.count(), firstOnNeighbour ? 1 : 0);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(doubleClicks.count(), firstOnNeighbour ? 0 : 1);
    if (firstOnNeighbour)
        QCOMPARE(downs.at(0).at(0).toInt(), code);
    // The second press holds the mouse as a press does.
    WindowMouse::move(m_label, QPointF(-10, 10));
    QCOMPARE(moves.last().at(0).toInt(), code);
    QCOMPARE(moves.last().at(2).toFloat(), -150.0F);
    WindowMouse::release(m_label, QPointF(-10, 10), button);
    QCOMPARE(ups.count(), firstOnNeighbour ? 1 : 2);
    // Only the left button's first press and release make a click.
    QCOMPARE(clicks.count(), button == Qt::LeftButton && !firstOnNeighbour ? 1 : 0);
}

void TestMouseLabel::clickIsALeftPressAndReleaseOnTheLabel_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPointF>("releaseAt");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left, released on the label") << Qt::LeftButton << QPointF(40, 10) << 1;
    QTest::newRow("left, released off the label") << Qt::LeftButton << QPointF(140, 10) << 0;
    QTest::newRow("right") << Qt::RightButton << QPointF(40, 10) << 0;
    QTest::newRow("middle") << Qt::MiddleButton << QPointF(40, 10) << 0;
}

void TestMouseLabel::clickIsALeftPressAndReleaseOnTheLabel()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPointF, releaseAt);
    QFETCH(int, clicks);
    QSignalSpy spy(m_label, &MouseLabel::click);
    WindowMouse::press(m_label, QPointF(40, 10), button);
    WindowMouse::release(m_label, releaseAt, button);
    QCOMPARE(spy.count(), clicks);
}

QTEST_MAIN(TestMouseLabel)
#include "tst_mouselabel.moc"
