// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QMenu>

// A pop-up menu whose items are chosen with the left button only, wherever
// the platform lets the button that opened the menu choose too: a right press
// that opens it and a right release over an item choose nothing.
class PopupMenu : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY(PopupMenu)

public:
    explicit PopupMenu(const QString &title, QWidget *parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
