// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/classicfont.h"

#include <QStringList>

#ifdef Q_OS_WASM
#include <QDir>
#include <QFontDatabase>
#endif

namespace {
#ifdef Q_OS_WIN
// Windows' own "MS Sans Serif" is a bitmap font: a few pixel sizes, none of
// them 8.25 points, no growth with the display's scale, and Greek only on
// Greek editions. Microsoft Sans Serif, its outline successor in every
// Windows, keeps its widths, carries Greek and scales.
const QString DesignFamily = QStringLiteral("Microsoft Sans Serif");
#else
const QString DesignFamily = QStringLiteral("MS Sans Serif");
#endif
#ifdef Q_OS_WASM
// A browser offers a page no fonts of the system's: the program brings
// Liberation Sans, cut to the characters it shows and so renamed.
const QString BundledFamily = QStringLiteral("Quorvel Sans");
const QString BundledFaces = QStringLiteral(":/classicfont");
#endif

void installSubstitutes()
{
    static const bool installed = [] {
#ifdef Q_OS_WASM
        const QStringList faces = QDir(BundledFaces).entryList(QDir::Files);
        for (const QString &face : faces)
            QFontDatabase::addApplicationFont(BundledFaces + QLatin1Char('/') + face);
        QFont::insertSubstitution(DesignFamily, BundledFamily);
#endif
        // Microsoft Sans Serif is its outline successor on Windows; Liberation
        // Sans and Arimo share Arial's widths, which are close to it.
        QFont::insertSubstitutions(DesignFamily,
                                   {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace

QFont classicFont(qreal pointSize, bool bold)
{
    installSubstitutes();
    QFont font(DesignFamily);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
