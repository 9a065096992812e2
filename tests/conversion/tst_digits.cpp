// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "conversion/digits.h"

#include <QLocale>
#include <QTest>

class TestDigits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void isAllDigits_data();
    void isAllDigits();
    void readWholeNumber_data();
    void readWholeNumber();
    void plainDigits_data();
    void plainDigits();
};

void TestDigits::initTestCase()
{
    // A Greek locale groups thousands with a point: nothing here may use it.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
}

void TestDigits::isAllDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allDigits");

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("every digit") << QStringLiteral("0123456789") << true;
    QTest::newRow("leading zeros") << QStringLiteral("007") << true;
    QTest::newRow("a letter last") << QStringLiteral("12a") << false;
    QTest::newRow("a letter first") << QStringLiteral("a12") << false;
    QTest::newRow("a minus sign") << QStringLiteral("-1") << false;
    QTest::newRow("a blank") << QStringLiteral("1 2") << false;
    QTest::newRow("a group separator") << QStringLiteral("12.345") << false;
    QTest::newRow("a NUL character") << QString(QChar(0)) << false;
    QTest::newRow("a full-width digit") << QStringLiteral("１") << false;
    QTest::newRow("an Arabic-Indic digit") << QStringLiteral("٣") << false;
    QTest::newRow("a superscript digit") << QStringLiteral("²") << false;
    QTest::newRow("a Greek letter") << QStringLiteral("ο") << false;
}

void TestDigits::isAllDigits()
{
    QFETCH(QString, text);
    QFETCH(bool, allDigits);
    QCOMPARE(IsAllDigits(std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()))),
             allDigits);
}

void TestDigits::readWholeNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("value");

    QTest::newRow("empty counts as 0") << QByteArray() << true << 0;
    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("leading zeros") << QByteArray("0088") << true << 88;
    QTest::newRow("five digits") << QByteArray("99999") << true << 99999;
    QTest::newRow("many leading zeros") << QByteArray("000000000000000042") << true << 42;
    QTest::newRow("largest 32-bit") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("past 32 bits") << QByteArray("2147483648") << false << 0;
    QTest::newRow("far past 64 bits") << QByteArray("99999999999999999999999") << false << 0;
    QTest::newRow("a sign") << QByteArray("+5") << false << 0;
    QTest::newRow("a blank") << QByteArray("5 ") << false << 0;
}

void TestDigits::readWholeNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, readable);
    QFETCH(int, value);
    const std::optional<std::int32_t> read = ::readWholeNumber(std::string_view(text.constData(), text.size()));
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, value);
}

void TestDigits::plainDigits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("zero is 0, not empty") << 0 << QByteArray("0");
    QTest::newRow("no group separator") << 12345 << QByteArray("12345");
    QTest::newRow("six digits") << 100012 << QByteArray("100012");
    QTest::newRow("largest 32-bit") << 2147483647 << QByteArray("2147483647");
}

void TestDigits::plainDigits()
{
    QFETCH(int, value);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(::plainDigits(value)), text);
}

QTEST_GUILESS_MAIN(TestDigits)
#include "tst_digits.moc"
