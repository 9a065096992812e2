// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/linkopener.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

// Stands in for the desktop's mail program: QDesktopServices hands it the
// mailto: links, so that no real program starts.
class MailProgram : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openMail(const QUrl &url) { opened.append(url); }
};

class TestLinkOpener : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void handlerGetsTheLinkAsWritten_data();
    void handlerGetsTheLinkAsWritten() const;
#ifndef Q_OS_WIN
    // On Windows the links go to the shell: tst_windowsdesktop.
    void emptyHandlerGivesLinksBackToTheDesktop() const;
    void desktopGetsTheLinkAsAUri_data();
    void desktopGetsTheLinkAsAUri();
#endif

private:
    MailProgram m_mailProgram;
    // Holds the recording xdg-open, and what it was handed.
    QTemporaryDir m_opener;
};

void TestLinkOpener::initTestCase()
{
#ifndef Q_OS_WIN
    QVERIFY(m_opener.isValid());
    QFile opener(m_opener.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    // Written whole, then moved into place, so that the test never reads half of it.
    opener.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"%1\"\n")
                     .arg(m_opener.filePath(QStringLiteral("opened")))
                     .toUtf8());
    opener.close();
    QVERIFY(opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner));
    // Qt looks for the opener at the first link and remembers it.
    QVERIFY(qputenv("PATH", QFile::encodeName(m_opener.path()) + ':' + qgetenv("PATH")));
#endif
}

void TestLinkOpener::init()
{
    m_mailProgram.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_mailProgram, "openMail");
}

void TestLinkOpener::cleanup()
{
    LinkOpener::setHandler({});
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

void TestLinkOpener::handlerGetsTheLinkAsWritten_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("mail link with a Greek subject and blanks")
        << QStringLiteral("mailto:quorvel@example.org?subject=Υπολογισμός προϋπηρεσίας 1.0");
    QTest::newRow("web link") << QStringLiteral("https://quorvel.example.org/");
    QTest::newRow("a percent sign, a hash and an ampersand")
        << QStringLiteral("mailto:quorvel@example.org?subject=100% #1 & more");
}

void TestLinkOpener::handlerGetsTheLinkAsWritten() const
{
    QFETCH(QString, link);
    QStringList received;
    LinkOpener::setHandler([&received](const QString &opened) { received.append(opened); });
    LinkOpener::open(link);
    QCOMPARE(received, QStringList{link});
    QVERIFY(m_mailProgram.opened.isEmpty());
}

#ifndef Q_OS_WIN
void TestLinkOpener::emptyHandlerGivesLinksBackToTheDesktop() const
{
    QStringList received;
    LinkOpener::setHandler([&received](const QString &opened) { received.append(opened); });
    LinkOpener::setHandler({});
    LinkOpener::open(QStringLiteral("mailto:quorvel@example.org?subject=Quorvel"));
    QCOMPARE(received, QStringList());
    QCOMPARE(m_mailProgram.opened.size(), 1);
    QCOMPARE(m_mailProgram.opened.constFirst().path(), QStringLiteral("quorvel@example.org"));
}

void TestLinkOpener::desktopGetsTheLinkAsAUri_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("uri");
    QTest::newRow("mail link as the about window builds it")
        << QStringLiteral("mailto:quorvel@example.org?subject=Quorvel")
        << QStringLiteral("mailto:quorvel@example.org?subject=Quorvel");
    QTest::newRow("Greek subject with a blank: UTF-8, percent-encoded")
        << QStringLiteral("mailto:quorvel@example.org?subject=Υπολογισμός 1.0")
        << QStringLiteral("mailto:quorvel@example.org?subject="
                          "%CE%A5%CF%80%CE%BF%CE%BB%CE%BF%CE%B3%CE%B9%CF%83%CE%BC%CF%8C%CF%82%201.0");
    QTest::newRow("a lone percent sign stands for itself")
        << QStringLiteral("mailto:quorvel@example.org?subject=100% σωστό")
        << QStringLiteral("mailto:quorvel@example.org?subject=100%25%20%CF%83%CF%89%CF%83%CF%84%CF%8C");
    QTest::newRow("web link") << QStringLiteral("https://quorvel.example.org/")
                              << QStringLiteral("https://quorvel.example.org/");
}

// What leaves the program: the desktop's opener, a recorder first on PATH
// here, is handed the link as a URI, which a mail program decodes back to the
// text the window wrote.
void TestLinkOpener::desktopGetsTheLinkAsAUri()
{
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        QSKIP("The offscreen platform opens no links; tst_linkopener_openbox runs this under X11");
    QFETCH(QString, link);
    QFETCH(QString, uri);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QFile recorded(m_opener.filePath(QStringLiteral("opened")));
    recorded.remove();
    LinkOpener::open(link);
    QTRY_VERIFY_WITH_TIMEOUT(recorded.exists(), 10000);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()), uri + QLatin1Char('\n'));
}
#endif

QTEST_MAIN(TestLinkOpener)
#include "tst_linkopener.moc"
