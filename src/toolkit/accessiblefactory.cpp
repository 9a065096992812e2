// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/accessiblefactory.h"

#include "toolkit/accessiblemouselabel.h"
#include "toolkit/accessibletextbox.h"
#include "toolkit/mouselabel.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

// Present to no one: no state of showing or visible, so a screen reader
// neither reads it in its container nor counts it among its siblings.
class HiddenWidget : public QAccessibleWidget
{
public:
    explicit HiddenWidget(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Separator) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
    QString text(QAccessible::Text /*t*/) const override { return {}; }
};

// Asked for each class of the object, the most derived first, before Qt's own
// factory is asked for the same class.
QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("TextBox")) {
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            return new AccessibleTextBox(box);
        return nullptr;
    }
    if (className == QLatin1String("MouseLabel"))
        return new AccessibleMouseLabel(static_cast<MouseLabel *>(widget));
    if (className == QLatin1String("LineShape"))
        return new HiddenWidget(widget);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // Reached only when no class below QWidget has an interface of its own;
    // Qt would make it a client area, which AT-SPI reads as a filler.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void AccessibleFactory::install()
{
    // Qt ignores a factory installed twice.
    QAccessible::installFactory(&createInterface);
}
