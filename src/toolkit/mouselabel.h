// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QPointF>

#include <functional>

// A label (or picture) that reports the mouse the way the windows' handlers
// expect: buttons as codes 1 left, 2 right, 4 middle (a move carries the set
// held, 0 for none), shift state 1 Shift, 2 Ctrl, 4 Alt, and X, Y in twips from
// the label's top-left corner. Other buttons (a mouse's back and forward
// buttons) are not reported: their presses and releases do nothing.
//
// After a press the label keeps the mouse until every button is up, so moves
// and the release outside it still reach it; a window that turns modal over it
// takes the mouse, and the label then reports the release itself. The second press of a double
// click on the label, with any button, raises dblClick and no mouseDown; a
// press that Qt pairs with a first press on another control is a press.
//
// To an assistive technology the label is what its window makes of it (a
// button, a slider, a link) and offers the actions the window gives it, each
// doing what the mouse does there.
class MouseLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(MouseLabel)

public:
    explicit MouseLabel(QWidget *parent = nullptr);

    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

    // From a press on the label until its last button is up.
    bool isHeld() const { return m_held; }

    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }
    // name is one of QAccessibleActionInterface's (pressAction(), ...); keys,
    // if any, is the key that does the same, as a screen reader names it.
    void addAccessibleAction(const QString &name, std::function<void()> action, const QString &keys = {});
    QStringList accessibleActionNames() const;
    QString accessibleActionKeys(const QString &name) const;
    void triggerAccessibleAction(const QString &name) const;

signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    // A left press and release on the label.
    void click();
    void dblClick();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // A label that takes the keyboard focus shows it.
    void paintEvent(QPaintEvent *event) override;

private:
    void press(const QMouseEvent *event);
    bool secondPressOfOwnDoubleClick(const QMouseEvent *event) const;

    struct AccessibleAction
    {
        QString name;
        std::function<void()> action;
        QString keys;
    };

    QAccessible::Role m_accessibleRole = QAccessible::StaticText;
    QList<AccessibleAction> m_accessibleActions;
    bool m_clickPending = false;
    bool m_held = false;
    QPointF m_lastPosition;
    // The label's last press that a second press could still pair with.
    bool m_firstPressKept = false;
    quint64 m_firstPressTime = 0;
    QPointF m_firstPressPosition;
};
