// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/versioninfo.h"

#include "toolkit/buildversion.h"

VersionInfo VersionInfo::application()
{
    return {QString::fromUtf8(BuildVersion::ProductName), QString::fromUtf8(BuildVersion::FileDescription),
            BuildVersion::Major, BuildVersion::Minor, BuildVersion::Revision};
}
