// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/versioninfo.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The build passes the project's own version and description, the one source
// of the program's version information, and where it generated the Windows
// version resource.
class TestVersionInfo : public QObject
{
    Q_OBJECT

private slots:
    void applicationComesFromTheProject();
    void windowsResourceAgrees_data();
    void windowsResourceAgrees();

private:
    static QString resourceText();
};

void TestVersionInfo::applicationComesFromTheProject()
{
    const VersionInfo version = VersionInfo::application();
    QCOMPARE(version.productName, QStringLiteral(PROJECT_NAME_TEXT));
    QCOMPARE(version.fileDescription, QStringLiteral(PROJECT_DESCRIPTION_TEXT));
    QCOMPARE(
        QStringLiteral("%1.%2.%3").arg(version.versionMajor).arg(version.versionMinor).arg(version.versionRevision),
        QStringLiteral(PROJECT_VERSION_TEXT));
}

QString TestVersionInfo::resourceText()
{
    QFile file(QStringLiteral(VERSION_RESOURCE_PATH));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void TestVersionInfo::windowsResourceAgrees_data()
{
    const QString version = QStringLiteral(PROJECT_VERSION_TEXT);
    QString numbers = version;
    numbers.replace(QLatin1Char('.'), QLatin1Char(','));
    numbers += QStringLiteral(",0");

    QTest::addColumn<QString>("line");
    QTest::newRow("product name")
        << QStringLiteral("VALUE \"ProductName\", \"%1\"").arg(QStringLiteral(PROJECT_NAME_TEXT));
    QTest::newRow("file description")
        << QStringLiteral("VALUE \"FileDescription\", \"%1\"").arg(QStringLiteral(PROJECT_DESCRIPTION_TEXT));
    QTest::newRow("file version text") << QStringLiteral("VALUE \"FileVersion\", \"%1\"").arg(version);
    QTest::newRow("product version text") << QStringLiteral("VALUE \"ProductVersion\", \"%1\"").arg(version);
    QTest::newRow("file version numbers") << QStringLiteral("FILEVERSION %1").arg(numbers);
    QTest::newRow("product version numbers") << QStringLiteral("PRODUCTVERSION %1").arg(numbers);
}

void TestVersionInfo::windowsResourceAgrees()
{
    QFETCH(QString, line);
    const QString text = resourceText();
    QVERIFY2(!text.isEmpty(), VERSION_RESOURCE_PATH);
    const QRegularExpression wholeLine(QStringLiteral("^\\s*%1\\s*$").arg(QRegularExpression::escape(line)),
                                       QRegularExpression::MultilineOption);
    QVERIFY2(wholeLine.match(text).hasMatch(), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestVersionInfo)
#include "tst_versioninfo.moc"
