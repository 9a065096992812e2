// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QAccessibleWidget>

class MouseLabel;

// A MouseLabel as an assistive technology sees it: the role its window gave
// it, its accessible name (or else its caption) as its name, and its actions.
// A label without actions of its own offers Qt's, none for a label.
class AccessibleMouseLabel : public QAccessibleWidget
#ifdef Q_OS_WASM
    ,
                             public QAccessibleValueInterface
#endif
{
public:
    explicit AccessibleMouseLabel(MouseLabel *label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

#ifdef Q_OS_WASM
    // Qt's accessibility layer for the browser reads the value of anything
    // with a slider's role, without asking whether it has one: a label with
    // that role offers a value that is never known.
    void *interface_cast(QAccessible::InterfaceType type) override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
#endif

private:
    MouseLabel *label() const;
};
