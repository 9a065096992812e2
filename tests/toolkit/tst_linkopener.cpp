// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/linkopener.h"

#include <QDesktopServices>
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
    void init();
    void cleanup();
    void handlerGetsTheLinkAsWritten_data();
    void handlerGetsTheLinkAsWritten() const;
#ifndef Q_OS_WIN
    // On Windows the links go to the shell: tst_windowsdesktop.
    void emptyHandlerGivesLinksBackToTheDesktop() const;
#endif
    void urlKeepsTheLinkUnencoded_data();
    void urlKeepsTheLinkUnencoded();

private:
    MailProgram m_mailProgram;
};

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
#endif

void TestLinkOpener::urlKeepsTheLinkUnencoded_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("query");
    QTest::newRow("Greek subject with blanks")
        << QStringLiteral("mailto:quorvel@example.org?subject=Υπολογισμός προϋπηρεσίας") << QStringLiteral("mailto")
        << QStringLiteral("subject=Υπολογισμός προϋπηρεσίας");
    QTest::newRow("a lone percent sign") << QStringLiteral("mailto:quorvel@example.org?subject=100% σωστό")
                                         << QStringLiteral("mailto") << QStringLiteral("subject=100% σωστό");
    QTest::newRow("web link without a query")
        << QStringLiteral("https://quorvel.example.org/") << QStringLiteral("https") << QString();
}

// The desktop receives the text as written: decoding its URL's parts gives
// back the same text, so nothing was encoded twice on the way.
void TestLinkOpener::urlKeepsTheLinkUnencoded()
{
    QFETCH(QString, link);
    QFETCH(QString, scheme);
    QFETCH(QString, query);
    const QUrl url = LinkOpener::toUrl(link);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), scheme);
    QCOMPARE(url.query(QUrl::FullyDecoded), query);
    QCOMPARE(url.adjusted(QUrl::RemoveQuery).toString(), link.section(QLatin1Char('?'), 0, 0));
}

QTEST_MAIN(TestLinkOpener)
#include "tst_linkopener.moc"
