// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "resources/pictures.h"

#include <QString>

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(size), QSize(size, size));
    return icon;
}

// QIcon finds the @2x files beside these by itself.
QIcon formulaPicture()
{
    return QIcon(QStringLiteral(":/pictures/info.png"));
}

QIcon aboutPicture()
{
    return QIcon(QStringLiteral(":/pictures/about.png"));
}

QPixmap handPointerPicture()
{
    return QPixmap(QStringLiteral(":/cursors/hand.png"));
}
