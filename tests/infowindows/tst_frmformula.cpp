// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "infowindows/frmformula.h"

#include "support/captionroom.h"
#include "support/designedfont.h"
#include "support/designedrect.h"
#include "support/fontfound.h"
#include "toolkit/lineshape.h"

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <memory>

using WindowTwips = frmFormula::WindowTwips;

class TestFrmFormula : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void placeBeside_data();
    void placeBeside();
    void windowAsDesigned();
    void labelsAsDesigned_data();
    void labelsAsDesigned();
    void linesAsDesigned_data();
    void linesAsDesigned();
    void captionsAreWhole();
    void wordsOverTheFractionDrawNothing();
    void placedBesideTheMainWindowOnCreation_data();
    void placedBesideTheMainWindowOnCreation();
    void closingDestroysIt();

private:
    // Stands in for the main window: the formula window reads only its
    // position and outer size.
    std::unique_ptr<QWidget> m_main;
    QPointer<frmFormula> m_window;
};

void TestFrmFormula::init()
{
    m_main = std::make_unique<QWidget>();
    m_main->setFixedSize(298, 225);
    m_main->move(20, 100);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestFrmFormula::cleanup()
{
    delete m_window;
    m_main.reset();
}

void TestFrmFormula::placeBeside_data()
{
    QTest::addColumn<WindowTwips>("main");
    QTest::addColumn<WindowTwips>("own");
    QTest::addColumn<float>("screenWidth");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");

    // Outer sizes of the main window and the formula window with a thin frame.
    const float mainWidth = 4530;
    const float mainHeight = 3435;
    const WindowTwips own{0, 0, 4305, 3675};
    auto main = [&](float left, float top) {
        return WindowTwips{left, top, mainWidth, mainHeight};
    };

    QTest::newRow("room on the right: 150 twips right of the main window")
        << main(600, 1500) << own << 15360.0F << 5280.0F << 1380.0F;
    QTest::newRow("one twip of room to spare on the right: still right")
        << main(6374, 1500) << own << 15360.0F << 11054.0F << 1380.0F;
    QTest::newRow("right sum exactly the screen width is no room: 150 twips left of it")
        << main(6375, 1500) << own << 15360.0F << 1920.0F << 1380.0F;
    QTest::newRow("far right: left of the main window") << main(10000, 1500) << own << 15360.0F << 5545.0F << 1380.0F;
    QTest::newRow("one twip of room on the left: left of it") << main(4456, 1500) << own << 12000.0F << 1.0F << 1380.0F;
    QTest::newRow("computed left exactly 0: the screen's left edge")
        << main(4455, 1500) << own << 12000.0F << 0.0F << 1380.0F;
    QTest::newRow("computed left negative: the screen's left edge")
        << main(3000, 1500) << own << 9000.0F << 0.0F << 1380.0F;
    QTest::newRow("no room on either side keeps the window's own left")
        << main(3000, 1500) << WindowTwips{-45, 0, 4305, 3675} << 9000.0F << -45.0F << 1380.0F;
    QTest::newRow("main window at the top, formula taller: above the screen's top")
        << main(600, 0) << own << 15360.0F << 5280.0F << -120.0F;
    QTest::newRow("formula shorter: below the main window's top, half a twip kept")
        << main(600, 1000) << WindowTwips{0, 0, 4305, 3000} << 15360.0F << 5280.0F << 1217.5F;
}

void TestFrmFormula::placeBeside()
{
    QFETCH(WindowTwips, main);
    QFETCH(WindowTwips, own);
    QFETCH(float, screenWidth);
    QFETCH(float, left);
    QFETCH(float, top);
    const frmFormula::Position position = frmFormula::placeBeside(main, own, screenWidth);
    // Exactly, not QCOMPARE's fuzzy comparison of floats.
    QVERIFY2(position.left == left, qPrintable(QString::number(position.left, 'g', 9)));
    QVERIFY2(position.top == top, qPrintable(QString::number(position.top, 'g', 9)));
}

void TestFrmFormula::windowAsDesigned()
{
    m_window = new frmFormula(*m_main);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmFormula"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Τύπος υπολογισμού"));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->parentWidget(), nullptr);
    QCOMPARE(m_window->size(), QSize(283, 241));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));
    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    for (const int size : {16, 24, 32, 48, 64})
        QVERIFY(iconSizes.contains(QSize(size, size)));
}

void TestFrmFormula::labelsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("wrapped");

    const int centred = Qt::AlignHCenter;
    const int left = Qt::AlignLeft;
    QTest::newRow("Label1, hours over") << QStringLiteral("Label1") << QStringLiteral("Διδακτικές ώρες")
                                        << twipsRect(360, 90, 2655, 255) << centred << false;
    QTest::newRow("Label2, weekly hours under")
        << QStringLiteral("Label2") << QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο")
        << twipsRect(360, 420, 2655, 255) << centred << false;
    QTest::newRow("Label3, times 6") << QStringLiteral("Label3") << QStringLiteral("6")
                                     << twipsRect(3720, 240, 255, 255) << left << false;
    QTest::newRow("Label4, all over 25") << QStringLiteral("Label4") << QStringLiteral("25")
                                         << twipsRect(120, 840, 3975, 255) << centred << false;
    QTest::newRow("Label6, the explanation")
        << QStringLiteral("Label6")
        << QStringLiteral("Η τελευταία διαίρεση με το 25 δίνει τους μήνες στο ακέραιο μέρος της και τις μέρες αν "
                          "πάρουμε μόνο το δεκαδικό της μέρος, το πολλαπλασιάσουμε με το 25 και το "
                          "στρογγυλοποιήσουμε. Τα χρόνια προκύπτουν από τους μήνες (κάθε 12 μήνες έχουμε ένα έτος).")
        << twipsRect(120, 1320, 4095, 975) << left << true;
    QTest::newRow("Label5, the weekly hours")
        << QStringLiteral("Label5")
        << QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο :\r\nΚλάδος ΠΕ : 21\r\nΚλάδος ΤΕ : 22\r\n"
                          "Κλάδος ΔΕ : 28\r\nΠρωτοβάθμια εκπαίδευση : 25")
        << twipsRect(120, 2520, 2895, 975) << left << false;
}

void TestFrmFormula::labelsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(int, alignment);
    QFETCH(bool, wrapped);
    m_window = new frmFormula(*m_main);
    const auto *label = m_window->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), m_window.data());
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(label->wordWrap(), wrapped);
    QCOMPARE(label->font().family(), DesignedFontFamily);
    QVERIFY2(pointSizeAsDesigned(label, 8.25), qPrintable(QString::number(label->font().pointSizeF())));
    QVERIFY(!label->font().bold());
    QCOMPARE(label->accessibleName(), caption);
}

void TestFrmFormula::linesAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QLineF>("points");
    // The pixels drawn, from the first end point's to the one before the last end point's.
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Line1, bar of the inner fraction")
        << QStringLiteral("Line1") << QLineF(360, 360, 3000, 360) << QRect(QPoint(24, 24), QPoint(199, 24));
    QTest::newRow("Line2, one stroke of the cross")
        << QStringLiteral("Line2") << QLineF(3240, 240, 3480, 480) << QRect(QPoint(216, 16), QPoint(231, 31));
    QTest::newRow("Line3, the other stroke")
        << QStringLiteral("Line3") << QLineF(3240, 480, 3480, 240) << QRect(QPoint(216, 17), QPoint(231, 32));
    QTest::newRow("Line4, bar of the main fraction")
        << QStringLiteral("Line4") << QLineF(120, 720, 4080, 720) << QRect(QPoint(8, 48), QPoint(271, 48));
}

void TestFrmFormula::linesAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QLineF, points);
    QFETCH(QRect, pixels);
    m_window = new frmFormula(*m_main);
    const auto *line = m_window->findChild<LineShape *>(name);
    QVERIFY(line);
    QCOMPARE(QLineF(line->x1(), line->y1(), line->x2(), line->y2()), points);
    QCOMPARE(line->geometry(), pixels);
}

// Every caption fits its label in the font the system finds, so no text is
// clipped.
void TestFrmFormula::captionsAreWhole()
{
    m_window = new frmFormula(*m_main);
    if (!fontFamilyRequired().isEmpty())
        QCOMPARE(fontFamilyFound(m_window.data()), fontFamilyRequired());
    if (!styleRequired().isEmpty())
        QCOMPARE(m_window->style()->name(), styleRequired());
    const auto labels = m_window->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 6);
    for (QLabel *label : labels) {
        // Each label as large as its own caption allows.
        QCOMPARE(label->font().pointSizeF(), largestFittingSize(label, {label->text()}, 8.25));
        const QFontMetrics metrics = label->fontMetrics();
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
            continue;
        }
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
        QVERIFY2(metrics.lineSpacing() * (lines.size() - 1) + metrics.height() <= label->height(),
                 qPrintable(label->objectName()));
    }
}

// What a screen reader hears of the fraction lies over its labels and lines,
// focused when the window opens, and hides none of them.
void TestFrmFormula::wordsOverTheFractionDrawNothing()
{
    m_window = new frmFormula(*m_main);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
    auto *words = m_window->findChild<QWidget *>(QStringLiteral("Fraction"));
    QVERIFY(words);
    QTRY_VERIFY(words->hasFocus());
    const QImage withWords = m_window->grab().toImage();
    words->hide();
    QCOMPARE(m_window->grab().toImage(), withWords);
}

void TestFrmFormula::placedBesideTheMainWindowOnCreation_data()
{
    // On the offscreen screen, 800 pixels wide, the windows have a frame of 2
    // pixels: the main window's outer size is 302 × 229, the formula
    // window's 287 × 245, and the gap is 10 pixels.
    QTest::addColumn<QPoint>("mainPosition");
    QTest::addColumn<QPoint>("formulaPosition");
    QTest::newRow("room on the right") << QPoint(20, 100) << QPoint(332, 92);
    QTest::newRow("no room on the right: on the left") << QPoint(480, 100) << QPoint(183, 92);
    QTest::newRow("left of the main window exactly at 0: the screen's left edge") << QPoint(297, 300) << QPoint(0, 292);
    QTest::newRow("main window at the top: the formula window above the screen") << QPoint(20, 0) << QPoint(332, -8);
}

void TestFrmFormula::placedBesideTheMainWindowOnCreation()
{
    QFETCH(QPoint, mainPosition);
    QFETCH(QPoint, formulaPosition);
    QCOMPARE(m_main->screen()->geometry(), QRect(0, 0, 800, 800));
    m_main->move(mainPosition);
    QTRY_COMPARE(m_main->frameGeometry().topLeft(), mainPosition);
    QCOMPARE(m_main->frameGeometry().size(), QSize(302, 229));

    m_window = new frmFormula(*m_main);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
    QCOMPARE(m_window->frameGeometry(), QRect(formulaPosition, QSize(287, 245)));

    // Placed once: moving the main window afterwards leaves it where it is.
    m_main->move(mainPosition + QPoint(40, 40));
    QTRY_COMPARE(m_main->frameGeometry().topLeft(), mainPosition + QPoint(40, 40));
    QCOMPARE(m_window->frameGeometry().topLeft(), formulaPosition);
}

void TestFrmFormula::closingDestroysIt()
{
    m_window = new frmFormula(*m_main);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
    QVERIFY(m_window->close());
    QTRY_VERIFY(m_window.isNull());
}

QTEST_MAIN(TestFrmFormula)
#include "tst_frmformula.moc"
