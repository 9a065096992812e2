// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/desktopsession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using DesktopSession::Displays;

// Which display the program starts on, and what it says where there is none:
// the choice with displays that answer as each row says, and the program
// itself started with none it can reach (the build passes its path).
class TestDesktopSession : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheDisplay_data();
    void choosesTheDisplay();
    void startsWithoutADisplay_data();
    void startsWithoutADisplay();
};

void TestDesktopSession::choosesTheDisplay_data()
{
    QTest::addColumn<Displays>("displays");
    QTest::addColumn<bool>("x11Answers");
    QTest::addColumn<bool>("waylandAnswers");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("platform");
    // Where none is found, what the message names in both its lines.
    QTest::addColumn<QString>("named");

    const QString x11 = QStringLiteral("xcb");
    const QString wayland = QStringLiteral("wayland");
    const Displays both{QString(), QStringLiteral(":1"), QStringLiteral("wayland-1")};
    QTest::newRow("Wayland with XWayland, no platform chosen: X11, where the windows are placed as designed")
        << both << true << true << true << x11 << QString();
    QTest::newRow("an X11 session") << Displays{QString(), QStringLiteral(":0"), QString()} << true << false << true
                                    << x11 << QString();
    QTest::newRow("a Wayland session without XWayland: Wayland")
        << Displays{QString(), QString(), QStringLiteral("wayland-0")} << false << true << true << wayland << QString();
    QTest::newRow("XWayland gone, the compositor answers: Wayland")
        << both << false << true << true << wayland << QString();
    QTest::newRow("the user's Wayland beside XWayland stands")
        << Displays{wayland, QStringLiteral(":1"), QStringLiteral("wayland-1")} << true << true << true << QString()
        << QString();
    QTest::newRow("the user's offscreen platform needs no display")
        << Displays{QStringLiteral("offscreen"), QString(), QString()} << false << false << true << QString()
        << QString();
    QTest::newRow("the user's list, its second platform answering")
        << Displays{QStringLiteral("wayland;xcb"), QStringLiteral(":1"), QString()} << true << false << true
        << QString() << QString();
    QTest::newRow("no display at all") << Displays{} << false << false << false << QString()
                                       << QStringLiteral("DISPLAY");
    QTest::newRow("DISPLAY names no X server") << Displays{QString(), QStringLiteral(":99"), QString()} << false
                                               << false << false << QString() << QStringLiteral("DISPLAY=:99");
    QTest::newRow("WAYLAND_DISPLAY names no compositor")
        << Displays{QString(), QString(), QStringLiteral("wayland-9")} << false << false << false << QString()
        << QStringLiteral("WAYLAND_DISPLAY=wayland-9");
    QTest::newRow("neither of two answers: both named")
        << both << false << false << false << QString() << QStringLiteral("WAYLAND_DISPLAY=wayland-1");
    QTest::newRow("the user's X11 with no server")
        << Displays{x11, QStringLiteral(":99"), QStringLiteral("wayland-1")} << false << true << false << QString()
        << QStringLiteral("DISPLAY=:99");
    QTest::newRow("the user's Wayland, no WAYLAND_DISPLAY: the default display asked")
        << Displays{wayland, QString(), QString()} << false << false << false << QString()
        << QStringLiteral("WAYLAND_DISPLAY=wayland-0");
}

void TestDesktopSession::choosesTheDisplay()
{
    QFETCH(Displays, displays);
    QFETCH(bool, x11Answers);
    QFETCH(bool, waylandAnswers);
    QFETCH(bool, found);
    QFETCH(QString, platform);
    QFETCH(QString, named);

    QStringList asked;
    const DesktopSession::Choice choice = DesktopSession::choose(
        displays,
        [&](const QString &display) {
            asked.append(display);
            return x11Answers;
        },
        [&](const QString &display) {
            asked.append(display);
            return waylandAnswers;
        });
    QCOMPARE(choice.found, found);
    QCOMPARE(choice.platform, platform);
    // Only displays the session names are asked.
    for (const QString &display : std::as_const(asked))
        QVERIFY2(!display.isEmpty(), "an empty display name was asked");
    if (found) {
        QVERIFY(choice.message.isEmpty());
        return;
    }
    const QStringList lines = choice.message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    // Greek first, then English, each naming what was missing.
    QVERIFY2(lines.at(0).contains(QRegularExpression(QStringLiteral("\\p{Greek}"))), qPrintable(lines.at(0)));
    QVERIFY2(!lines.at(1).contains(QRegularExpression(QStringLiteral("\\p{Greek}"))), qPrintable(lines.at(1)));
    for (const QString &line : lines)
        QVERIFY2(line.contains(named), qPrintable(line));
}

void TestDesktopSession::startsWithoutADisplay_data()
{
    QTest::addColumn<QString>("x11Display");
    QTest::addColumn<QString>("waylandDisplay");

    // A display number no X server here listens on.
    int free = 90;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(free)) ||
           QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(free)))
        ++free;
    QTest::newRow("no DISPLAY and no WAYLAND_DISPLAY") << QString() << QString();
    QTest::newRow("DISPLAY names no X server") << QStringLiteral(":%1").arg(free) << QString();
    QTest::newRow("WAYLAND_DISPLAY names no compositor") << QString() << QStringLiteral("quorvel-test-none");
}

void TestDesktopSession::startsWithoutADisplay()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
    QSKIP("Only X11 and Wayland sessions can be missing.");
#endif
    QFETCH(QString, x11Display);
    QFETCH(QString, waylandDisplay);

    // Wayland sockets are looked for in the runtime folder: an empty one.
    const QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    if (!x11Display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), x11Display);
    if (!waylandDisplay.isEmpty())
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORVEL_PROGRAM), {});
    QVERIFY(program.waitForFinished(30000));
    // Not Qt's abort: a plain end with status 1, saying why.
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const auto nothingAnswers = [](const QString &) {
        return false;
    };
    const QString expected =
        DesktopSession::choose(Displays{QString(), x11Display, waylandDisplay}, nothingAnswers, nothingAnswers).message;
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), expected);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktopsession.moc"
