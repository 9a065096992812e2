// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/accessiblemouselabel.h"

#include "toolkit/mouselabel.h"

AccessibleMouseLabel::AccessibleMouseLabel(MouseLabel *label) : QAccessibleWidget(label, label->accessibleRole()) {}

MouseLabel *AccessibleMouseLabel::label() const
{
    return static_cast<MouseLabel *>(widget());
}

QAccessible::Role AccessibleMouseLabel::role() const
{
    // The window may give the role after Qt made the interface.
    return label()->accessibleRole();
}

QString AccessibleMouseLabel::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(t);
}

QStringList AccessibleMouseLabel::actionNames() const
{
    return label()->accessibleActionNames() + QAccessibleWidget::actionNames();
}

void AccessibleMouseLabel::doAction(const QString &actionName)
{
    if (label()->accessibleActionNames().contains(actionName))
        label()->triggerAccessibleAction(actionName);
    else
        QAccessibleWidget::doAction(actionName);
}

#ifdef Q_OS_WASM
void *AccessibleMouseLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && role() == QAccessible::Slider)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant AccessibleMouseLabel::currentValue() const
{
    return {};
}

void AccessibleMouseLabel::setCurrentValue(const QVariant & /*value*/) {}

QVariant AccessibleMouseLabel::maximumValue() const
{
    return {};
}

QVariant AccessibleMouseLabel::minimumValue() const
{
    return {};
}

QVariant AccessibleMouseLabel::minimumStepSize() const
{
    return {};
}
#endif

QStringList AccessibleMouseLabel::keyBindingsForAction(const QString &actionName) const
{
    const QString keys = label()->accessibleActionKeys(actionName);
    return keys.isEmpty() ? QAccessibleWidget::keyBindingsForAction(actionName) : QStringList{keys};
}
