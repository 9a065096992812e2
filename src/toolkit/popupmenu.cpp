// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/popupmenu.h"

#include <QMouseEvent>

PopupMenu::PopupMenu(const QString &title, QWidget *parent) : QMenu(title, parent) {}

void PopupMenu::mouseReleaseEvent(QMouseEvent *event)
{
    // QMenu triggers the item under any button's release; the menu stays open.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}
