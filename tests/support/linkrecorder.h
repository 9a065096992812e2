// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// Records the links that the program asks the desktop to open, instead of
// opening them, for as long as it lives.

#include "toolkit/linkopener.h"

#include <QStringList>

class LinkRecorder
{
public:
    LinkRecorder()
    {
        LinkOpener::setHandler([this](const QString &link) { m_opened.append(link); });
    }
    ~LinkRecorder() { LinkOpener::setHandler({}); }
    LinkRecorder(const LinkRecorder &) = delete;
    LinkRecorder &operator=(const LinkRecorder &) = delete;

    QStringList opened() const { return m_opened; }

private:
    QStringList m_opened;
};
