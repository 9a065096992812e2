// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "resources/pictures.h"

#include <QString>

QIcon programIcon()
{
    QIcon icon;
    // The two large sizes keep the icon sharp where a desktop shows it large or
    // on a high-density screen.
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {
// Both sizes are added by name: QIcon looks for an @2x file by itself only
// when the screen it starts on has a high density.
QIcon smallPicture(const QString &name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/%1.png").arg(name), QSize(23, 23));
    icon.addFile(QStringLiteral(":/pictures/%1@2x.png").arg(name), QSize(46, 46));
    return icon;
}
} // namespace

QIcon formulaPicture()
{
    return smallPicture(QStringLiteral("info"));
}

QIcon aboutPicture()
{
    return smallPicture(QStringLiteral("about"));
}

QPixmap handPointerPicture()
{
    return QPixmap(QStringLiteral(":/cursors/hand.png"));
}
