// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

class QDialog;
class QMenu;
class QPoint;
class QWidget;

// Modal windows and pop-up menus. On the desktop each call returns once the
// window or menu is closed, its handlers run. In the browser a program cannot
// wait inside a handler, so there each returns at once, leaving the window
// modal (or the menu open) until the user closes it.
namespace Modal {

// Shows the dialog modal and deletes it once closed.
void showDialog(QDialog *dialog);
// Shows a window that is not modal at its own size, which the browser would
// otherwise stretch over the whole page.
void showWindow(QWidget *window);
// Pops the menu up at a global position.
void popUpMenu(QMenu *menu, const QPoint &at);

} // namespace Modal
