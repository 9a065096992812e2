// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// Mouse input sent the way a real mouse's arrives: through the window system
// interface to the widget's top-level window, so that Qt's own mouse grab,
// double-click detection and event delivery all take part. Positions are in
// the widget's pixels. Qt delivers them to widgets in whole pixels; sendDirect
// gives a widget an event at a fractional position (a twip is 1/15 of a pixel).

#include <QApplication>
#include <QMouseEvent>
#include <QPointF>
#include <QTest>
#include <QWidget>
#include <QWindow>

// qt_handleMouseEvent, the entry of Qt's window system interface that QTest
// itself uses, comes declared with <QTest>.

class WindowMouse
{
public:
    // Presses and moves that are not part of one double click are far apart in time.
    static constexpr int Apart = 5000;

    static void press(QWidget *widget, QPointF pos, Qt::MouseButton button,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier, int after = Apart)
    {
        held().setFlag(button, true);
        send(widget, pos, button, QEvent::MouseButtonPress, modifiers, after);
    }
    static void release(QWidget *widget, QPointF pos, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier, int after = 1)
    {
        held().setFlag(button, false);
        send(widget, pos, button, QEvent::MouseButtonRelease, modifiers, after);
    }
    // A move with whatever buttons are held at the time.
    static void move(QWidget *widget, QPointF pos, int after = 1)
    {
        send(widget, pos, Qt::NoButton, QEvent::MouseMove, Qt::NoModifier, after);
    }
    static void click(QWidget *widget, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
    {
        press(widget, pos, button);
        release(widget, pos, button);
    }
    // Press, release, press, release in quick succession at one place.
    static void doubleClick(QWidget *widget, QPointF pos, Qt::MouseButton button = Qt::LeftButton)
    {
        press(widget, pos, button);
        release(widget, pos, button);
        press(widget, pos, button, Qt::NoModifier, 1);
        release(widget, pos, button);
    }
    static Qt::MouseButtons heldButtons() { return held(); }

    // One mouse event straight to the widget, at an exact position.
    static void sendDirect(QWidget *widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                           Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, modifiers);
        QApplication::sendEvent(widget, &event);
    }

private:
    static Qt::MouseButtons &held()
    {
        static Qt::MouseButtons buttons;
        return buttons;
    }
    static void send(QWidget *widget, QPointF pos, Qt::MouseButton button, QEvent::Type type,
                     Qt::KeyboardModifiers modifiers, int after)
    {
        QWidget *top = widget->window();
        QWindow *window = top->windowHandle();
        QVERIFY2(window, "the widget's window must be shown");
        QTest::lastMouseTimestamp += after;
        const QPointF local = widget->mapTo(top, pos);
        qt_handleMouseEvent(window, local, window->mapToGlobal(local), held(), button, type, modifiers,
                            QTest::lastMouseTimestamp);
        QCoreApplication::processEvents();
    }
};
