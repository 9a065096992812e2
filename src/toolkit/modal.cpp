// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/modal.h"

#include <QDialog>
#include <QMenu>
#include <QPointer>

namespace Modal {

void showDialog(QDialog *dialog)
{
#ifdef Q_OS_WASM
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
#else
    // The guard covers the dialog being destroyed while it is open.
    const QPointer<QDialog> guard = dialog;
    dialog->exec();
    delete guard;
#endif
}

void showWindow(QWidget *window)
{
#ifdef Q_OS_WASM
    window->showNormal();
#else
    window->show();
#endif
}

void popUpMenu(QMenu *menu, const QPoint &at)
{
#ifdef Q_OS_WASM
    menu->popup(at);
#else
    menu->exec(at);
#endif
}

} // namespace Modal
