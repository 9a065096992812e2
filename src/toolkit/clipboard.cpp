// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void Clipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void Clipboard::setText(const QString &text)
{
    // Offered as text/plain only.
    QGuiApplication::clipboard()->setText(text);
}
