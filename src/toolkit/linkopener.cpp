// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/linkopener.h"

#include <QDesktopServices>

namespace {
LinkOpener::Handler &handler()
{
    static LinkOpener::Handler current;
    return current;
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

QUrl LinkOpener::toUrl(const QString &link)
{
    return {link, QUrl::TolerantMode};
}
