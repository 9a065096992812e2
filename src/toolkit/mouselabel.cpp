// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/mouselabel.h"

#include "toolkit/twips.h"

#include <QMouseEvent>

MouseLabel::MouseLabel(QWidget *parent) : QLabel(parent)
{
    // Moves with no button held are reported too, with button code 0.
    setMouseTracking(true);
}

int MouseLabel::buttonCode(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int MouseLabel::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

void MouseLabel::mousePressEvent(QMouseEvent *event)
{
    // Qt grabs the mouse for the pressed widget until the last button is up.
    m_clickPending = event->button() == Qt::LeftButton;
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), twipsFromPixels(event->position().x()),
                   twipsFromPixels(event->position().y()));
}

void MouseLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), twipsFromPixels(event->position().x()),
                   twipsFromPixels(event->position().y()));
}

void MouseLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked =
        m_clickPending && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_clickPending = false;
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), twipsFromPixels(event->position().x()),
                 twipsFromPixels(event->position().y()));
    if (clicked)
        emit click();
}

void MouseLabel::mouseDoubleClickEvent(QMouseEvent * /*event*/)
{
    // QWidget's default treats the second press as another press; here it is
    // a double click only, whichever button made it, and its release is no
    // click.
    m_clickPending = false;
    emit dblClick();
}
