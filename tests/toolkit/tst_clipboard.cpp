// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

class TestClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void clearDropsEveryFormat();
    void setTextOffersPlainTextOnly_data();
    void setTextOffersPlainTextOnly();

private:
    static QStringList formats();
};

QStringList TestClipboard::formats()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data ? data->formats() : QStringList();
}

// Each case starts from a clipboard that holds something in several formats.
void TestClipboard::init()
{
    auto *data = new QMimeData;
    data->setText(QStringLiteral("earlier text"));
    data->setHtml(QStringLiteral("<b>earlier</b>"));
    data->setData(QStringLiteral("application/x-quorvel-test"), QByteArrayLiteral("\x01\x02"));
    QGuiApplication::clipboard()->setMimeData(data);
    QCOMPARE(formats().size(), 3);
}

void TestClipboard::clearDropsEveryFormat()
{
    Clipboard::clear();
    QCOMPARE(formats(), QStringList());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void TestClipboard::setTextOffersPlainTextOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("an e-mail address") << QStringLiteral("quorvel@example.org");
    QTest::newRow("a web address") << QStringLiteral("https://quorvel.example.org/");
    QTest::newRow("Greek letters and blanks") << QStringLiteral("Αντιγραφή διεύθυνσης ά ΐ");
}

void TestClipboard::setTextOffersPlainTextOnly()
{
    QFETCH(QString, text);
    Clipboard::clear();
    Clipboard::setText(text);
    QCOMPARE(formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
