// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/announcer.h"

#include "toolkit/accessiblefactory.h"

#include <QAccessible>

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    AccessibleFactory::install();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString &sentence)
{
    setAccessibleName(sentence);
    // The focused control speaks for the window: a screen reader may pass over
    // news from elsewhere.
    QWidget *focused = window()->focusWidget();
    QObject *source = focused != nullptr ? static_cast<QObject *>(focused) : window();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, sentence);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(source);
    // Shown afresh each time, even for the sentence said last.
    hide();
    show();
#endif
}
