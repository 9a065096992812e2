// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/linkopener.h"

#ifdef Q_OS_WIN
#include <QGuiApplication>
#include <QWindow>

#include <qt_windows.h>
#include <shellapi.h>
#elif defined(Q_OS_WASM)
#include <QUrl>

#include <emscripten/val.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

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
#ifdef Q_OS_WIN
    // Straight to the shell's "open", owned by the window in front: Qt's own
    // way percent-encodes the link and hands mail links to the mail program
    // itself. The wide-character call keeps Greek whatever the code page.
    HWND owner = nullptr;
    if (const QWindow *window = QGuiApplication::focusWindow();
        window != nullptr && QGuiApplication::platformName() == QLatin1String("windows"))
        owner = reinterpret_cast<HWND>(window->winId());
    ShellExecuteW(owner, L"open", reinterpret_cast<const wchar_t *>(link.utf16()), L"", L"", SW_SHOWNORMAL);
#elif defined(Q_OS_WASM)
    // The page hands a mail link to the mail program and stays where it is;
    // a web link opens in a tab of its own, which gets no hold on the page.
    const std::string url = QUrl(link, QUrl::TolerantMode).toString(QUrl::FullyEncoded).toStdString();
    const emscripten::val window = emscripten::val::global("window");
    if (link.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        window["location"].set("href", url);
    else
        window.call<emscripten::val>("open", url, std::string("_blank"), std::string("noopener"));
#else
    // Tolerant, so that a link that is not strictly a URI (a blank in the
    // subject) is encoded rather than refused.
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
#endif
}

void LinkOpener::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
