// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/desktopsession.h"

#include "toolkit/versioninfo.h"

#include <QApplication>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

namespace DesktopSession {

namespace {

const QString X11 = QStringLiteral("xcb");
const QString Wayland = QStringLiteral("wayland");
// Where a Wayland client looks when WAYLAND_DISPLAY is empty.
const QString DefaultWaylandDisplay = QStringLiteral("wayland-0");

struct Reasons
{
    QStringList greek;
    QStringList english;

    void add(const QString &inGreek, const QString &inEnglish)
    {
        greek.append(inGreek);
        english.append(inEnglish);
    }
};

bool x11Reached(const QString &display, const Probe &answers, Reasons &reasons)
{
    if (display.isEmpty()) {
        reasons.add(QStringLiteral("η μεταβλητή DISPLAY είναι κενή"), QStringLiteral("DISPLAY is empty"));
        return false;
    }
    if (answers(display))
        return true;
    reasons.add(QStringLiteral("κανένας εξυπηρετητής X δεν απαντά στο DISPLAY=%1").arg(display),
                QStringLiteral("no X server answers at DISPLAY=%1").arg(display));
    return false;
}

bool waylandReached(const QString &display, const Probe &answers, Reasons &reasons)
{
    if (answers(display))
        return true;
    reasons.add(QStringLiteral("κανένας συνθέτης Wayland δεν απαντά στο WAYLAND_DISPLAY=%1").arg(display),
                QStringLiteral("no Wayland compositor answers at WAYLAND_DISPLAY=%1").arg(display));
    return false;
}

QString noDesktopMessage(const Reasons &reasons)
{
    const QString product = VersionInfo::application().productName;
    return QStringLiteral("Το %1 χρειάζεται γραφική επιφάνεια εργασίας και δεν βρήκε καμία: %2.\n")
               .arg(product, reasons.greek.join(QStringLiteral("· "))) +
           QStringLiteral("%1 needs a graphical desktop and found none: %2.\n")
               .arg(product, reasons.english.join(QStringLiteral("; ")));
}

} // namespace

Choice choose(const Displays &displays, const Probe &x11Answers, const Probe &waylandAnswers)
{
    Reasons reasons;
    if (!displays.platform.isEmpty()) {
        // Qt tries each platform of a list in turn; one that is not a desktop
        // session's (offscreen, vnc, ...) is the user's to judge.
        const QStringList platforms = displays.platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &platform : platforms) {
            const QString name = platform.section(QLatin1Char(':'), 0, 0);
            const bool reached = name == X11 ? x11Reached(displays.x11Display, x11Answers, reasons)
                                 : name.startsWith(Wayland)
                                     ? waylandReached(displays.waylandDisplay.isEmpty() ? DefaultWaylandDisplay
                                                                                        : displays.waylandDisplay,
                                                      waylandAnswers, reasons)
                                     : true;
            if (reached)
                return {true, QString(), QString()};
        }
        return {false, QString(), noDesktopMessage(reasons)};
    }

    if (displays.x11Display.isEmpty() && displays.waylandDisplay.isEmpty()) {
        reasons.add(QStringLiteral("οι μεταβλητές DISPLAY και WAYLAND_DISPLAY είναι κενές"),
                    QStringLiteral("DISPLAY and WAYLAND_DISPLAY are empty"));
        return {false, QString(), noDesktopMessage(reasons)};
    }
    if (!displays.x11Display.isEmpty() && x11Reached(displays.x11Display, x11Answers, reasons))
        return {true, X11, QString()};
    if (!displays.waylandDisplay.isEmpty() && waylandReached(displays.waylandDisplay, waylandAnswers, reasons))
        return {true, Wayland, QString()};
    return {false, QString(), noDesktopMessage(reasons)};
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID) && !defined(Q_OS_WASM)

namespace {

// The displays are asked through the libraries Qt's own X11 and Wayland
// plugins connect with, so an answer here is one Qt gets too. Where a
// library is missing the display cannot be asked, and Qt is left to try.
class DisplayAsker
{
public:
    DisplayAsker() = default;
    DisplayAsker(const DisplayAsker &) = delete;
    DisplayAsker &operator=(const DisplayAsker &) = delete;
    DisplayAsker(DisplayAsker &&) = delete;
    DisplayAsker &operator=(DisplayAsker &&) = delete;

    // An X server with no other client starts afresh once its last one
    // leaves (Xvfb, xvfb-run), and Qt connecting just then would find none:
    // the connection that asked is held until Qt has its own.
    ~DisplayAsker()
    {
        if (m_x11Connection)
            m_xcbDisconnect(m_x11Connection);
    }

    bool x11Answers(const QString &display)
    {
        using Connect = void *(*)(const char *, int *);
        using HasError = int (*)(void *);
        const auto connect = reinterpret_cast<Connect>(m_xcb.resolve("xcb_connect"));
        const auto hasError = reinterpret_cast<HasError>(m_xcb.resolve("xcb_connection_has_error"));
        m_xcbDisconnect = reinterpret_cast<Disconnect>(m_xcb.resolve("xcb_disconnect"));
        if (!connect || !hasError || !m_xcbDisconnect || m_x11Connection)
            return true;
        // Never null: a failed connection reports its error.
        void *connection = connect(display.toLocal8Bit().constData(), nullptr);
        if (hasError(connection) != 0) {
            m_xcbDisconnect(connection);
            return false;
        }
        m_x11Connection = connection;
        return true;
    }

    bool waylandAnswers(const QString &display)
    {
        // A socket handed over by the compositor can be connected to once
        // only: it is Qt's.
        if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
            return true;
        using Connect = void *(*)(const char *);
        const auto connect = reinterpret_cast<Connect>(m_waylandClient.resolve("wl_display_connect"));
        const auto disconnect = reinterpret_cast<Disconnect>(m_waylandClient.resolve("wl_display_disconnect"));
        if (!connect || !disconnect)
            return true;
        void *connection = connect(display.toLocal8Bit().constData());
        if (!connection)
            return false;
        disconnect(connection);
        return true;
    }

private:
    using Disconnect = void (*)(void *);

    QLibrary m_xcb{QStringLiteral("xcb"), 1};
    QLibrary m_waylandClient{QStringLiteral("wayland-client"), 0};
    Disconnect m_xcbDisconnect = nullptr;
    void *m_x11Connection = nullptr;
};

Displays sessionDisplays(int argc, char **argv)
{
    Displays displays{qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
                      qEnvironmentVariable("WAYLAND_DISPLAY")};
    // Qt reads these two of its own arguments before the environment.
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            displays.platform = QString::fromLocal8Bit(argv[i + 1]);
        else if (argument == "-display" || argument == "--display")
            displays.x11Display = QString::fromLocal8Bit(argv[i + 1]);
    }
    return displays;
}

} // namespace

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    DisplayAsker asker;
    const Choice choice = choose(
        sessionDisplays(argc, argv), [&](const QString &display) { return asker.x11Answers(display); },
        [&](const QString &display) { return asker.waylandAnswers(display); });
    if (!choice.found) {
        std::fputs(choice.message.toUtf8().constData(), stderr);
        return nullptr;
    }
    if (choice.platform.isEmpty())
        return std::make_unique<QApplication>(argc, argv);
    // For this program only: what it starts (the mail program, the browser)
    // chooses for itself.
    qputenv("QT_QPA_PLATFORM", choice.platform.toLatin1());
    auto application = std::make_unique<QApplication>(argc, argv);
    qunsetenv("QT_QPA_PLATFORM");
    return application;
}

#else

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    // One platform, always there.
    return std::make_unique<QApplication>(argc, argv);
}

#endif

} // namespace DesktopSession
