// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <QLibrary>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

// libxcb's own types, as its protocol headers define them: the program links
// no libxcb of its own, and finds it at run time where Qt's X11 platform has
// loaded it already. The cookies are only handed back to libxcb.
struct AtomCookie
{
    // cppcheck-suppress unusedStructMember
    unsigned int sequence;
};
struct VoidCookie
{
    // cppcheck-suppress unusedStructMember
    unsigned int sequence;
};
struct AtomReply
{
    std::uint8_t responseType;
    std::uint8_t pad0;
    std::uint16_t sequence;
    std::uint32_t length;
    std::uint32_t atom;
};
using InternAtom = AtomCookie (*)(xcb_connection_t *, std::uint8_t, std::uint16_t, const char *);
using InternAtomReply = AtomReply *(*)(xcb_connection_t *, AtomCookie, void **);
using ChangeProperty = VoidCookie (*)(xcb_connection_t *, std::uint8_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                      std::uint8_t, std::uint32_t, const void *);

constexpr std::uint8_t PropModeAppend = 2;
constexpr std::uint32_t AtomType = 4; // XCB_ATOM_ATOM
constexpr std::uint8_t AtomFormat = 32;

} // namespace

void keepOutOfTaskbar(QWidget &window)
{
    // The offscreen platform can answer for X11 too, with no connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection)
        return;
    QLibrary xcb(QStringLiteral("xcb"), 1);
    const auto internAtom = reinterpret_cast<InternAtom>(xcb.resolve("xcb_intern_atom"));
    const auto internAtomReply = reinterpret_cast<InternAtomReply>(xcb.resolve("xcb_intern_atom_reply"));
    const auto changeProperty = reinterpret_cast<ChangeProperty>(xcb.resolve("xcb_change_property"));
    if (!internAtom || !internAtomReply || !changeProperty)
        return;

    const std::array<const char *, 3> names{"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
    std::array<AtomCookie, 3> cookies{};
    for (std::size_t i = 0; i < names.size(); ++i)
        cookies[i] = internAtom(connection, 0, static_cast<std::uint16_t>(qstrlen(names[i])), names[i]);
    std::array<std::uint32_t, 3> atoms{};
    bool known = true;
    for (std::size_t i = 0; i < names.size(); ++i) {
        void *error = nullptr;
        AtomReply *reply = internAtomReply(connection, cookies[i], &error);
        known = known && reply;
        atoms[i] = reply ? reply->atom : 0;
        std::free(reply);
        std::free(error);
    }
    if (!known)
        return;

    // Qt merges what an unmapped window's _NET_WM_STATE already holds into
    // the states it sets when it maps the window, on this same connection.
    const auto id = static_cast<std::uint32_t>(window.winId());
    changeProperty(connection, PropModeAppend, id, atoms[0], AtomType, AtomFormat, 2, &atoms[1]);
}

#else

void keepOutOfTaskbar(QWidget & /*window*/) {}

#endif
