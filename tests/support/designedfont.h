// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QString>

// The family the windows ask for. Windows has "MS Sans Serif" only as a
// bitmap font, so there the windows ask for its outline successor.
#ifdef Q_OS_WIN
inline const QString DesignedFontFamily = QStringLiteral("Microsoft Sans Serif");
#else
inline const QString DesignedFontFamily = QStringLiteral("MS Sans Serif");
#endif
