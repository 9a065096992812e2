// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/linkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
LinkOpener::Handler &handler()
{
    static LinkOpener::Handler current;
    return current;
}

// Tolerant, so that a link that is not strictly a URI (a blank in the subject)
// is encoded rather than refused.
QUrl toUrl(const QString &link)
{
    return {link, QUrl::TolerantMode};
}
} // namespace

void LinkOpener::open(const QString &link)
{
    if (handler()) {
        handler()(link);
        return;
    }
    QDesktopServices::openUrl(toUrl(link));
}

void LinkOpener::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
