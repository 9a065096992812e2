// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "resources/pictures.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace {
// A compiled-in PNG, read by the PNG reader named outright. Left to find the
// format itself, Qt's image reader first loads every image-format plugin
// installed (SVG, GIF, ICO, JPEG, with their libraries) to ask each whether
// it reads PNG: milliseconds of start-up for pictures that are all PNG.
QPixmap compiledInPng(const QString &path)
{
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    // A name ending in @2x gives the picture a device pixel ratio of 2.
    return QPixmap::fromImage(reader.read());
}

// The 23 × 23 picture at PATH.png and its twice-size version PATH@2x.png.
// Both are added by name: QIcon looks for an @2x file by itself only when the
// screen it starts on has a high density.
QIcon smallPicture(const QString &path)
{
    QIcon icon(compiledInPng(path + QStringLiteral(".png")));
    icon.addPixmap(compiledInPng(path + QStringLiteral("@2x.png")));
    return icon;
}
} // namespace

QIcon programIcon()
{
    QIcon icon;
    // 16 to 64 pixels: what a title bar, a task bar and a window switcher show,
    // at double density too. The larger sizes are installed for the desktop's
    // launchers; decoding them here cost every start as much as a tenth of
    // its work.
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(compiledInPng(QStringLiteral(":/icons/quorvel-%1.png").arg(size)));
    return icon;
}

QIcon formulaPicture()
{
    return smallPicture(QStringLiteral(":/pictures/info"));
}

QIcon aboutPicture()
{
    return smallPicture(QStringLiteral(":/pictures/about"));
}

QPixmap handPointerPicture()
{
    return compiledInPng(QStringLiteral(":/cursors/hand.png"));
}
