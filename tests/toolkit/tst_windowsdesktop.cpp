// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// What the toolkit does differently on Windows, on Qt's windows platform:
// links go to the shell, the clipboard is the system's, the designed font is
// chosen among Windows' own fonts, and windows are placed by the frames
// Windows draws.
#include "infowindows/frmformula.h"
#include "mainwindow/frmbasic.h"
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
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <qt_windows.h>

#include <dwmapi.h>

#include <memory>

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
    void formulaWindowOpensBesideTheMainWindow_data();
    void formulaWindowOpensBesideTheMainWindow();

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

// A window's outer frame in physical pixels, as another program sees it:
// the frame Windows draws, or where the desktop window manager reports none
// (as in wine), the window rectangle.
RECT outerFrame(const QWidget &window)
{
    const auto handle = reinterpret_cast<HWND>(window.winId());
    RECT frame{};
    if (FAILED(DwmGetWindowAttribute(handle, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame)))
        GetWindowRect(handle, &frame);
    return frame;
}

QString rectText(const RECT &rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.left)
        .arg(rect.top)
        .arg(rect.right - rect.left)
        .arg(rect.bottom - rect.top);
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

void TestWindowsDesktop::formulaWindowOpensBesideTheMainWindow_data()
{
    QTest::addColumn<bool>("mainAtTheRight");
    QTest::newRow("room on the right: right of the main window") << false;
    QTest::newRow("no room on the right: left of it") << true;
}

// Qt's own frame geometry on Windows leaves out resize borders that it takes
// to be invisible; where they are not (wine), windows placed by it stand
// too close.
void TestWindowsDesktop::formulaWindowOpensBesideTheMainWindow()
{
    QFETCH(bool, mainAtTheRight);
    frmBasic main;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    main.move(mainAtTheRight ? screen.right() - main.width() - 40 : screen.left() + 40, screen.top() + 150);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    // The run names the scale it is made for, so that it cannot pass at another.
    const UINT dpi = GetDpiForWindow(reinterpret_cast<HWND>(main.winId()));
    if (qEnvironmentVariableIsSet("QUORVEL_EXPECTED_DPI"))
        QCOMPARE(int(dpi), qEnvironmentVariableIntValue("QUORVEL_EXPECTED_DPI"));

    const auto formula = std::make_unique<frmFormula>(main);
    formula->show();
    QVERIFY(QTest::qWaitForWindowExposed(formula.get()));
    const RECT mainFrame = outerFrame(main);
    const RECT formulaFrame = outerFrame(*formula);
    const QString frames =
        QStringLiteral("at %1 DPI main %2, formula %3").arg(dpi).arg(rectText(mainFrame), rectText(formulaFrame));
    qInfo("%s", qPrintable(frames));

    // 150 twips; a pixel is 1440 / dpi twips. Qt places windows on whole
    // device-independent pixels: at a scale that is no whole number, some
    // physical pixels cannot be reached and the next one is taken.
    const int gap = MulDiv(150, int(dpi), 1440);
    const int slack = dpi % 96 == 0 ? 0 : 1;
    const int measuredGap = mainAtTheRight ? mainFrame.left - formulaFrame.right : formulaFrame.left - mainFrame.right;
    QVERIFY2(qAbs(measuredGap - gap) <= slack, qPrintable(frames));
    // The same mid-line, to a pixel.
    const int midLinesTwice = (formulaFrame.top + formulaFrame.bottom) - (mainFrame.top + mainFrame.bottom);
    QVERIFY2(qAbs(midLinesTwice) <= 2, qPrintable(frames));
}

QTEST_MAIN(TestWindowsDesktop)
#include "tst_windowsdesktop.moc"
