// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QString>

#include <cstdint>

// What the program says of itself: its product name, its file description
// (its descriptive title) and its version. The build stamps them in from the
// project's version, so that the windows and, on Windows, the executable's
// version resource always agree.
struct VersionInfo
{
    QString productName;
    QString fileDescription;
    // Version numbers are 16-bit, as a Windows version resource holds them.
    std::uint16_t versionMajor = 0;
    std::uint16_t versionMinor = 0;
    std::uint16_t versionRevision = 0;

    // This program's, as built.
    static VersionInfo application();
};
