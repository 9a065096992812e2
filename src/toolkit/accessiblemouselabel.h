// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QAccessibleWidget>

class MouseLabel;

// A MouseLabel as an assistive technology sees it: the role its window gave
// it, its accessible name (or else its caption) as its name, and its actions.
// A label without actions of its own offers Qt's, none for a label.
class AccessibleMouseLabel : public QAccessibleWidget
{
public:
    explicit AccessibleMouseLabel(MouseLabel *label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    MouseLabel *label() const;
};
