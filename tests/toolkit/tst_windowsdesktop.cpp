// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// What the toolkit does differently on Windows, on Qt's windows platform:
// links go to the shell, the clipboard is the system's, and the designed
// font is chosen among Windows' own fonts.
#include "toolkit/classicfont.h"
#include "toolkit/clipboard.h"
#include "toolkit/linkopener.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <qt_windows.h>

class TestWindowsDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void shellOpensTheLinkAsWritten_data();
    void shellOpensTheLinkAsWritten();
    void copyLeavesOnlyTheText();
    void designedFontScalesAndCarriesGreek_data();
    void designedFontScalesAndCarriesGreek();

private:
    void handLinksTo(const QString &scheme, const QString &command);

    // The shell's commands for the link schemes as they were, to put back.
    QHash<QString, QVariant> m_savedCommands;
};

namespace {
QString commandKey(const QString &scheme)
{
    return QStringLiteral("HKEY_CLASSES_ROOT\\%1\\shell\\open\\command").arg(scheme);
}

bool underWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
} // namespace

void TestWindowsDesktop::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows"));
}

void TestWindowsDesktop::cleanup()
{
    for (auto saved = m_savedCommands.cbegin(); saved != m_savedCommands.cend(); ++saved) {
        QSettings command(commandKey(saved.key()), QSettings::NativeFormat);
        command.setValue(QStringLiteral("Default"), saved.value());
    }
    m_savedCommands.clear();
}

// The scheme's "open" command becomes the recorder, as a user's choice of
// mail program or browser would.
void TestWindowsDesktop::handLinksTo(const QString &scheme, const QString &command)
{
    QSettings settings(commandKey(scheme), QSettings::NativeFormat);
    if (!m_savedCommands.contains(scheme))
        m_savedCommands.insert(scheme, settings.value(QStringLiteral("Default")));
    settings.setValue(QStringLiteral("Default"), command);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestWindowsDesktop::shellOpensTheLinkAsWritten_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("link");
    QTest::newRow("mail link") << QStringLiteral("mailto")
                               << QStringLiteral("mailto:quorvel@example.org?subject=Quorvel");
    QTest::newRow("mail link with a Greek subject and blanks")
        << QStringLiteral("mailto") << QStringLiteral("mailto:quorvel@example.org?subject=Υπολογισμός προϋπηρεσίας");
    QTest::newRow("web link") << QStringLiteral("https") << QStringLiteral("https://quorvel.example.org/");
}

void TestWindowsDesktop::shellOpensTheLinkAsWritten()
{
    QFETCH(QString, scheme);
    QFETCH(QString, link);
    if (!underWine())
        QSKIP("Replaces the user's mail program and browser for a moment: run it in a throwaway wine prefix.");

    const QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString record = directory.filePath(QStringLiteral("opened.txt"));
    qputenv("QUORVEL_SHELL_RECORD", QDir::toNativeSeparators(record).toUtf8());
    const QString recorder = QDir::toNativeSeparators(QFileInfo(QStringLiteral(SHELL_RECORDER)).absoluteFilePath());
    handLinksTo(scheme, QStringLiteral("\"%1\" \"%2\"").arg(recorder, QStringLiteral("%1")));

    LinkOpener::setHandler({});
    LinkOpener::open(link);
    // The shell starts the program and returns; a cold start under wine can
    // take seconds.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 30000);
    QFile opened(record);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(opened.readAll()), link + QLatin1Char('\n'));
}

void TestWindowsDesktop::copyLeavesOnlyTheText()
{
    const QString address = QStringLiteral("quorvel@example.org");
    auto *earlier = new QMimeData;
    earlier->setText(QStringLiteral("earlier text"));
    earlier->setHtml(QStringLiteral("<b>earlier</b>"));
    earlier->setData(QStringLiteral("application/x-quorvel-test"), QByteArrayLiteral("\x01\x02"));
    QGuiApplication::clipboard()->setMimeData(earlier);

    Clipboard::clear();
    Clipboard::setText(address);

    // Read back through Windows itself, as another program would.
    QTRY_VERIFY(OpenClipboard(nullptr));
    QStringList formats;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        wchar_t name[128] = {};
        if (GetClipboardFormatNameW(format, name, 128) > 0)
            formats.append(QString::fromWCharArray(name));
        else
            formats.append(QString::number(format));
    }
    QString text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = QString::fromWCharArray(static_cast<const wchar_t *>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();

    QCOMPARE(text, address);
    // Unicode text and the forms Windows derives from it (ANSI and OEM text,
    // the locale), and the bookkeeping of the OLE clipboard Qt puts it on,
    // as Windows and as wine name it.
    const QStringList allowed{QString::number(CF_UNICODETEXT),
                              QString::number(CF_TEXT),
                              QString::number(CF_OEMTEXT),
                              QString::number(CF_LOCALE),
                              QStringLiteral("Ole Private Data"),
                              QStringLiteral("DataObject"),
                              QStringLiteral("Wine Marshalled DataObject")};
    for (const QString &format : std::as_const(formats))
        QVERIFY2(allowed.contains(format), qPrintable(QStringLiteral("left on the clipboard: ") + format));
}

void TestWindowsDesktop::designedFontScalesAndCarriesGreek_data()
{
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("small") << SmallFontPoints << false;
    QTest::newRow("small bold") << SmallFontPoints << true;
    QTest::newRow("large") << LargeFontPoints << false;
}

// Windows' own "MS Sans Serif" is a bitmap font: a few pixel sizes, none of
// them 8.25 points, nothing at other scale factors, and Greek only on Greek
// editions of Windows.
void TestWindowsDesktop::designedFontScalesAndCarriesGreek()
{
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    const QFont font = classicFont(points, bold);
    const QFontInfo info(font);
    QVERIFY2(QFontDatabase::isSmoothlyScalable(info.family(), info.styleName()), qPrintable(info.family()));
    QCOMPARE(info.pointSizeF(), points);
    const QFontMetricsF metrics(font);
    for (const QChar letter : QStringLiteral("ΏΪΫώϊϋΣσςΠΕΤΔ"))
        QVERIFY2(metrics.inFontUcs4(letter.unicode()), qPrintable(info.family() + QLatin1Char(' ') + letter));
}

QTEST_MAIN(TestWindowsDesktop)
#include "tst_windowsdesktop.moc"
