// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/mouselabel.h"

#include "toolkit/accessiblefactory.h"
#include "toolkit/twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace {
bool reportedButton(Qt::MouseButton button)
{
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}
} // namespace

MouseLabel::MouseLabel(QWidget *parent) : QLabel(parent)
{
    AccessibleFactory::install();
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

void MouseLabel::addAccessibleAction(const QString &name, std::function<void()> action, const QString &keys)
{
    m_accessibleActions.append({name, std::move(action), keys});
}

QStringList MouseLabel::accessibleActionNames() const
{
    QStringList names;
    for (const AccessibleAction &action : m_accessibleActions)
        names.append(action.name);
    return names;
}

QString MouseLabel::accessibleActionKeys(const QString &name) const
{
    const auto found = std::find_if(m_accessibleActions.begin(), m_accessibleActions.end(),
                                    [&name](const AccessibleAction &action) { return action.name == name; });
    return found != m_accessibleActions.end() ? found->keys : QString();
}

void MouseLabel::triggerAccessibleAction(const QString &name) const
{
    for (const AccessibleAction &action : m_accessibleActions) {
        if (action.name == name)
            action.action();
    }
}

bool MouseLabel::event(QEvent *event)
{
    // A modal window opened while a button is held here (from a key) gets the
    // release, which would never reach the label: the press ends now instead.
    if (event->type() == QEvent::WindowBlocked && m_held) {
        m_held = false;
        m_clickPending = false;
        const int button = buttonCode(QGuiApplication::mouseButtons());
        emit mouseUp(button != 0 ? button : 1, 0, twipsFromPixels(m_lastPosition.x()),
                     twipsFromPixels(m_lastPosition.y()));
    }
    return QLabel::event(event);
}

void MouseLabel::press(const QMouseEvent *event)
{
    // Qt grabs the mouse for the pressed widget until the last button is up.
    m_clickPending = event->button() == Qt::LeftButton;
    m_held = true;
    m_lastPosition = event->position();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), twipsFromPixels(event->position().x()),
                   twipsFromPixels(event->position().y()));
}

void MouseLabel::mousePressEvent(QMouseEvent *event)
{
    if (!reportedButton(event->button()))
        return;
    m_firstPressKept = true;
    m_firstPressTime = event->timestamp();
    m_firstPressPosition = event->globalPosition();
    press(event);
}

void MouseLabel::mouseMoveEvent(QMouseEvent *event)
{
    m_lastPosition = event->position();
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), twipsFromPixels(event->position().x()),
                   twipsFromPixels(event->position().y()));
}

void MouseLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!reportedButton(event->button()))
        return;
    const bool clicked =
        m_clickPending && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_clickPending = false;
    m_held = (event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) != Qt::NoButton;
    m_lastPosition = event->position();
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), twipsFromPixels(event->position().x()),
                 twipsFromPixels(event->position().y()));
    if (clicked)
        emit click();
}

bool MouseLabel::secondPressOfOwnDoubleClick(const QMouseEvent *event) const
{
    // Qt pairs two presses by time and distance alone, wherever each lands;
    // the pair is this label's only if its first press was this label's own.
    if (!m_firstPressKept)
        return false;
    const QStyleHints *hints = QGuiApplication::styleHints();
    const QPointF travel = event->globalPosition() - m_firstPressPosition;
    const qreal distance = hints->mouseDoubleClickDistance();
    return event->timestamp() - m_firstPressTime <= static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
           qAbs(travel.x()) <= distance && qAbs(travel.y()) <= distance;
}

void MouseLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!reportedButton(event->button()))
        return;
    const bool ownDoubleClick = secondPressOfOwnDoubleClick(event);
    // Qt pairs no later press with this one.
    m_firstPressKept = false;
    if (!ownDoubleClick) {
        press(event);
        return;
    }
    // QWidget's default treats the second press as another press; here it is
    // a double click only, whichever button made it, and its release is no
    // click.
    m_clickPending = false;
    m_held = true;
    m_lastPosition = event->position();
    emit dblClick();
}

void MouseLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
