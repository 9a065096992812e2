// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The main window opened for a test, with its controls found by name and the
// user's ways of setting it up: choosing a section, typing hours, switching
// automatic calculation.

#include "mainwindow/frmbasic.h"

#include "support/windowevents.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/lineshape.h"
#include "toolkit/mouselabel.h"
#include "toolkit/textbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <memory>

class MainWindowFixture
{
public:
    void open()
    {
        m_window = std::make_unique<frmBasic>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        hours()->setFocus();
    }

    void close()
    {
        // Leave no button held for the next case.
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (WindowMouse::heldButtons().testFlag(button))
                WindowMouse::release(m_window.get(), QPointF(-1, -1), button);
        }
        m_window.reset();
    }

    frmBasic *window() const { return m_window.get(); }

    template <typename T> T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    TextBox *hours() const { return control<TextBox>("txtHours"); }
    MouseLabel *label(const char *name) const { return control<MouseLabel>(name); }
    IntervalTimer *timer() const { return control<IntervalTimer>("tmrBar"); }
    LineShape *marker() const { return control<LineShape>("linBar"); }
    QCheckBox *automatic() const { return control<QCheckBox>("chkAlwaysCalculate"); }

    QStringList figures() const
    {
        return {control<QLabel>("lblYears")->text(), control<QLabel>("lblMonths")->text(),
                control<QLabel>("lblDays")->text()};
    }

    void chooseSection(int index) const
    {
        QTest::mouseClick(control<QRadioButton>(QStringLiteral("optSection(%1)").arg(index).toLatin1().constData()),
                          Qt::LeftButton);
    }

    // Replaces the hours by typing them.
    void typeHours(const QString &digits) const
    {
        hours()->setFocus();
        hours()->selectAll();
        if (digits.isEmpty())
            QTest::keyClick(hours(), Qt::Key_Backspace);
        else
            QTest::keyClicks(hours(), digits);
    }

    void setAutomatic(bool on) const
    {
        if (automatic()->isChecked() != on)
            QTest::mouseClick(automatic(), Qt::LeftButton);
    }

private:
    std::unique_ptr<frmBasic> m_window;
};
