// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/mouseactionkeys.h"

#include "conversion/servicetohours.h"
#include "mainwindow/frmbasic.h"
#include "toolkit/mouselabel.h"
#include "toolkit/textbox.h"
#include "toolkit/twips.h"

#include <QAccessible>
#include <QKeyEvent>

#include <algorithm>

namespace {
// Where a press beside the track's centre steps by one hour.
constexpr float OneHourOffset = 7.5F;
} // namespace

MouseActionKeys::MouseActionKeys(frmBasic &window)
    : QObject(&window),
      m_window(window), m_words{{
                            {window.lblDays2, &frmBasic::lblDays2_MouseDown, &frmBasic::lblDays2_MouseMove,
                             &frmBasic::lblDays2_MouseUp, &Service::days, &adjustedDays},
                            {window.lblMonths2, &frmBasic::lblMonths2_MouseDown, &frmBasic::lblMonths2_MouseMove,
                             &frmBasic::lblMonths2_MouseUp, &Service::months, &adjustedMonths},
                            {window.lblYears2, &frmBasic::lblYears2_MouseDown, &frmBasic::lblYears2_MouseMove,
                             &frmBasic::lblYears2_MouseUp, &Service::years, &adjustedYears},
                        }}
{
    // Before the box and the words: the box would take Ctrl+Up and Ctrl+Down
    // for moves of its cursor.
    window.txtHours->installEventFilter(this);
    for (const WordDrag &drag : m_words)
        drag.word->installEventFilter(this);
    addActions();
}

const MouseActionKeys::WordDrag &MouseActionKeys::dragOf(const MouseLabel *word) const
{
    return *std::find_if(m_words.begin(), m_words.end(), [word](const WordDrag &drag) { return drag.word == word; });
}

bool MouseActionKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && stepForKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool MouseActionKeys::stepForKey(const QKeyEvent *event)
{
    // In the hours box, and on a word that took the focus from an assistive
    // technology: these keys step the hours as the signs do, and the service
    // as the words' drags do.
    const auto *const focused =
        std::find_if(m_words.begin(), m_words.end(), [](const WordDrag &drag) { return drag.word->hasFocus(); });
    const WordDrag *focusedWord = focused != m_words.end() ? focused : nullptr;
    if (!m_window.txtHours->hasFocus() && focusedWord == nullptr)
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool control = modifiers == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int direction = event->key() == Qt::Key_Up ? 1 : -1;
        if (plain)
            stepHours(direction);
        else if (control)
            stepWord(dragOf(m_window.lblDays2), direction);
        else
            return false;
        return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int direction = event->key() == Qt::Key_PageUp ? 1 : -1;
        if (!plain && !control)
            return false;
        stepWord(dragOf(control ? m_window.lblYears2 : m_window.lblMonths2), direction);
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (focusedWord == nullptr || !plain)
            return false;
        stepWord(*focusedWord, event->key() == Qt::Key_Right ? 1 : -1);
        return true;
    default:
        return false;
    }
}

void MouseActionKeys::addActions()
{
    frmBasic &window = m_window;
    window.lblPlus->setAccessibleRole(QAccessible::Button);
    window.lblPlus->addAccessibleAction(
        QAccessibleActionInterface::pressAction(), [this] { stepHours(1); }, QStringLiteral("Up"));
    window.lblMinus->setAccessibleRole(QAccessible::Button);
    window.lblMinus->addAccessibleAction(
        QAccessibleActionInterface::pressAction(), [this] { stepHours(-1); }, QStringLiteral("Down"));
    window.lblBar->setAccessibleRole(QAccessible::Slider);
    window.lblBar->addAccessibleAction(QAccessibleActionInterface::increaseAction(), [this] { stepTrack(1); });
    window.lblBar->addAccessibleAction(QAccessibleActionInterface::decreaseAction(), [this] { stepTrack(-1); });
    const std::array<QString, 3> upKeys{QStringLiteral("Ctrl+Up"), QStringLiteral("Page Up"),
                                        QStringLiteral("Ctrl+Page Up")};
    for (std::size_t index = 0; index < m_words.size(); ++index) {
        const WordDrag *drag = &m_words.at(index);
        MouseLabel *word = drag->word;
        const QString &up = upKeys.at(index);
        QString down = up;
        down.replace(QStringLiteral("Up"), QStringLiteral("Down"));
        word->addAccessibleAction(
            QAccessibleActionInterface::increaseAction(), [this, drag] { stepWord(*drag, 1); }, up);
        word->addAccessibleAction(
            QAccessibleActionInterface::decreaseAction(), [this, drag] { stepWord(*drag, -1); }, down);
        // Focused, a word steps with Left and Right too; it is no tab stop.
        word->addAccessibleAction(QAccessibleActionInterface::setFocusAction(),
                                  [word] { word->setFocus(Qt::OtherFocusReason); });
        word->setAccessibleDescription(word->toolTip() + QStringLiteral(". Βέλη αριστερά και δεξιά, ή ") + up +
                                       QStringLiteral(" και ") + down + QStringLiteral(", ±1."));
    }
    // The windows open once the action has answered: the about window's own
    // event loop would hold the answer until it closes.
    window.imgInfo->setAccessibleRole(QAccessible::Button);
    window.imgInfo->addAccessibleAction(
        QAccessibleActionInterface::pressAction(),
        [&window] { QMetaObject::invokeMethod(&window, &frmBasic::imgInfo_Click, Qt::QueuedConnection); },
        QStringLiteral("F1"));
    window.imgAbout->setAccessibleRole(QAccessible::Button);
    window.imgAbout->addAccessibleAction(
        QAccessibleActionInterface::pressAction(),
        [&window] { QMetaObject::invokeMethod(&window, &frmBasic::imgAbout_Click, Qt::QueuedConnection); },
        QStringLiteral("F2"));
}

void MouseActionKeys::stepHours(int direction)
{
    // Beside a drag the mouse holds, a step of its own would be lost or would
    // move the drag's starting point.
    if (m_window.mouseHoldsDrag())
        return;
    if (direction > 0)
        m_window.lblPlus_MouseDown(1, 0, 0, 0);
    else
        m_window.lblMinus_MouseDown(1, 0, 0, 0);
}

void MouseActionKeys::stepTrack(int direction)
{
    if (m_window.mouseHoldsDrag())
        return;
    const std::optional<std::int32_t> hours = m_window.hoursInBox();
    // Six-digit hours that a word drag wrote would fall to the track's limit.
    if (!hours || (direction > 0 && barSteppedHours(*hours, 1) < *hours))
        return;
    // A press just beside the centre, held for one tick.
    frmBasic &window = m_window;
    const float X =
        window.barCenterX - twipsFromPixels(window.lblBar->x()) + OneHourOffset * static_cast<float>(direction);
    window.lblBar_MouseDown(1, 0, X, 0);
    window.tmrBar_Timer();
    window.lblBar_MouseUp(1, 0, X, 0);
}

void MouseActionKeys::stepWord(const WordDrag &drag, int units)
{
    frmBasic &window = m_window;
    // With no section there is no service to step, and the hours typed stay.
    if (m_window.mouseHoldsDrag() || window.weeklyHours == 0)
        return;
    // The hours the drag would write, from the service shown, as the press
    // reads it; at the ceiling or at 0 they would go the wrong way.
    const Service start = window.serviceShown();
    Service next = start;
    next.*drag.field = drag.adjusted(start.*drag.field + units, start, window.ceiling());
    const std::optional<std::int32_t> stepped = ServiceToHours(next.years, next.months, next.days, window.weeklyHours);
    const std::optional<std::int32_t> hours = window.hoursInBox();
    if (!stepped || !hours || (units > 0 ? *stepped <= *hours : *stepped >= *hours))
        return;
    // A press, a move of the units' travel and a release, as a drag makes them.
    const float travel = TwipsPerUnit * static_cast<float>(units);
    (window.*drag.down)(1, 0, 0, 0);
    (window.*drag.move)(1, 0, travel, 0);
    (window.*drag.up)(1, 0, travel, 0);
}
