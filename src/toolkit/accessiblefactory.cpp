// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/accessiblefactory.h"

#include "toolkit/accessiblemouselabel.h"
#include "toolkit/accessibletextbox.h"
#include "toolkit/mouselabel.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace {

const char *const HiddenProperty = "quorvelAccessibleHidden";

// Present to no one: no state of showing or visible, so a screen reader
// neither reads it in its container nor counts it among its siblings.
class HiddenWidget : public QAccessibleWidget
{
public:
    HiddenWidget(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
};

// Asked for each class of the object, the most derived first, before Qt's own
// factory is asked for the same class.
QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String(object->metaObject()->className()) && object->property(HiddenProperty).toBool())
        return new HiddenWidget(widget, qobject_cast<QLabel *>(widget) ? QAccessible::StaticText : QAccessible::Client);
    if (className == QLatin1String("TextBox")) {
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            return new AccessibleTextBox(box);
        return nullptr;
    }
    if (className == QLatin1String("MouseLabel"))
        return new AccessibleMouseLabel(static_cast<MouseLabel *>(widget));
    if (className == QLatin1String("LineShape"))
        return new HiddenWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("SpokenDrawing"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
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

void AccessibleFactory::hide(QWidget *widget)
{
    install();
    widget->setProperty(HiddenProperty, true);
    // Qt makes an object's interface at its first event, such as a name being
    // set, and keeps it: that one goes, and the next is made hidden.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
