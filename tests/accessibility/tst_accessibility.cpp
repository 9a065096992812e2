// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "infowindows/frmabout.h"
#include "infowindows/frmformula.h"
#include "mainwindow/frmbasic.h"
#include "toolkit/lineshape.h"
#include "toolkit/versioninfo.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

// What assistive technology reads of each window, through Qt's accessibility
// interfaces. A new window joins by an entry in windows() and its rows in the
// data tables.
namespace {

struct WindowUnderTest
{
    std::function<std::unique_ptr<QWidget>()> create;
    // The accessible names that Tab visits, from the control that has the
    // focus when the window opens.
    QStringList tabChain;
};

// The main window that a formula window is placed beside.
const QWidget &mainWindowBeside()
{
    static QWidget host;
    host.setGeometry(100, 100, 298, 225);
    return host;
}

const std::map<QString, WindowUnderTest> &windows()
{
    static const std::map<QString, WindowUnderTest> all{
        {QStringLiteral("frmBasic"),
         {[] { return std::make_unique<frmBasic>(); },
          {QStringLiteral("ΠΕ"), QStringLiteral("Διδακτικές ώρες"), QStringLiteral("Αυτόματα")}}},
        // The two information windows hold texts and links, nothing that
        // takes the focus.
        {QStringLiteral("frmFormula"), {[] { return std::make_unique<frmFormula>(mainWindowBeside()); }, {}}},
        {QStringLiteral("frmAbout"), {[] { return std::make_unique<frmAbout>(); }, {}}},
    };
    return all;
}

QString accessibleText(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("<no accessible interface>");
}

// Drawings (lines) are not controls: they take no input. Neither are what
// never shows (the about window's pointer picture, its pop-up menus until
// they pop up).
bool isControl(const QWidget *widget)
{
    return !widget->objectName().isEmpty() && !qobject_cast<const LineShape *>(widget) &&
           widget->isVisibleTo(widget->window());
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void everyControlHasANameAndItsTooltip_data();
    void everyControlHasANameAndItsTooltip();
    void tabChainReadsAsDesigned_data();
    void tabChainReadsAsDesigned();
    void figuresAreHeard();

private:
    QWidget *open(const QString &windowName);

    std::unique_ptr<QWidget> m_window;
};

void TestAccessibility::init()
{
    QAccessible::setActive(true);
}

void TestAccessibility::cleanup()
{
    m_window.reset();
}

QWidget *TestAccessibility::open(const QString &windowName)
{
    m_window = windows().at(windowName).create();
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("%s did not become active", qPrintable(windowName));
    return m_window.get();
}

void TestAccessibility::controlsAreNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QString frm = QStringLiteral("frmBasic");
    const QString dragHint = QStringLiteral(
        "Με πατημένο το κουμπί μετακινήστε το ποντίκι προς τα δεξιά ή αριστερά για να αυξήσετε ή να μειώσετε ");
    const auto row = [&](const char *control, const QString &name, const QString &description = QString()) {
        QTest::addRow("%s: %s", qPrintable(frm), control) << frm << QString::fromLatin1(control) << name << description;
    };
    row("frmBasic", QStringLiteral("Quorvel"));
    row("frmSection", QStringLiteral("Κλάδος"));
    row("optSection(1)", QStringLiteral("ΠΕ"));
    row("optSection(2)", QStringLiteral("ΤΕ"));
    row("optSection(3)", QStringLiteral("ΔΕ"));
    row("optSection(4)", QStringLiteral("1βάθμια"));
    row("lblHours", QStringLiteral("Διδακτικές ώρες"));
    row("txtHours", QStringLiteral("Διδακτικές ώρες"),
        QStringLiteral("Τα βέλη πάνω και κάτω αυξάνουν ή μειώνουν τις διδακτικές ώρες κατά μία ώρα"));
    row("lblMinus", QStringLiteral("Πατήστε για να μειωθούν οι διδακτικές ώρες κατά μία ώρα"),
        QStringLiteral("Πατήστε για να μειωθούν οι διδακτικές ώρες κατά μία ώρα"));
    row("lblPlus", QStringLiteral("Πατήστε για να αυξηθούν οι διδακτικές ώρες κατά μία ώρα"),
        QStringLiteral("Πατήστε για να αυξηθούν οι διδακτικές ώρες κατά μία ώρα"));
    const QString barHint = QStringLiteral("Με πατημένο το ποντίκι αυξάνονται ή μειώνονται οι διδακτικές ώρες με "
                                           "ρυθμό ανάλογο με την απόσταση από το κέντρο");
    row("lblBar", barHint, barHint);
    row("frmPreviousEmployment", QStringLiteral("Προϋπηρεσία"));
    row("lblYears", QStringLiteral("Χρόνια προϋπηρεσίας"));
    row("lblYears2", QStringLiteral("χρόνια"), dragHint + QStringLiteral("τα χρόνια"));
    row("lblMonths", QStringLiteral("Μήνες προϋπηρεσίας"));
    row("lblMonths2", QStringLiteral("μήνες"), dragHint + QStringLiteral("τους μήνες"));
    row("lblDays", QStringLiteral("Μέρες προϋπηρεσίας"));
    row("lblDays2", QStringLiteral("μέρες"), dragHint + QStringLiteral("τις μέρες"));
    row("cmdCalculate", QStringLiteral("Υπολογισμός"));
    row("chkAlwaysCalculate", QStringLiteral("Αυτόματα"),
        QStringLiteral("Με ενεργοποιημένη την επιλογή αυτή ο υπολογισμός εκτελείται με κάθε αλλαγή που κάνετε "
                       "χωρίς το πάτημα του κουμπιού"));
    row("imgInfo", QStringLiteral("Πατήστε στο εικονίδιο για να εμφανιστεί ο τύπος υπολογισμού"),
        QStringLiteral("Πατήστε στο εικονίδιο για να εμφανιστεί ο τύπος υπολογισμού (ή πατήστε F1)"));
    row("imgAbout", QStringLiteral("Πληροφορίες για το πρόγραμμα"), QStringLiteral("Πληροφορίες για το πρόγραμμα"));

    frm = QStringLiteral("frmFormula");
    row("frmFormula", QStringLiteral("Τύπος υπολογισμού"));
    row("Label1", QStringLiteral("Διδακτικές ώρες"));
    row("Label2", QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο"));
    row("Label3", QStringLiteral("6"));
    row("Label4", QStringLiteral("25"));

    frm = QStringLiteral("frmAbout");
    row("frmAbout", QStringLiteral("Πληροφορίες"));
    row("lblProductName", frmAbout::productLine(VersionInfo::application()));
    row("lblName", QStringLiteral("Οι δημιουργοί του Quorvel"));
    row("lblEmail", QStringLiteral("quorvel@example.org"), QStringLiteral("Αποστολή ηλεκτρονικού μηνύματος"));
    row("lblWebSite", QStringLiteral("https://quorvel.example.org/"), QStringLiteral("Μετάβαση"));
}

void TestAccessibility::controlsAreNamed()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QWidget *top = open(window);
    QWidget *widget = top->objectName() == control ? top : top->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
    QCOMPARE(accessibleText(widget, QAccessible::Description), description);
}

void TestAccessibility::everyControlHasANameAndItsTooltip_data()
{
    QTest::addColumn<QString>("window");
    for (const auto &[name, window] : windows())
        QTest::newRow(qPrintable(name)) << name;
}

void TestAccessibility::everyControlHasANameAndItsTooltip()
{
    QFETCH(QString, window);
    QWidget *top = open(window);
    const QList<QWidget *> controls = top->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : controls) {
        if (!isControl(widget))
            continue;
        const QString what = widget->objectName();
        QVERIFY2(!accessibleText(widget, QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
        // The tooltip, and where the control has a key of its own, a word on it.
        QVERIFY2(accessibleText(widget, QAccessible::Description).startsWith(widget->toolTip()), qPrintable(what));
        ++checked;
    }
    QVERIFY(checked > 0);
}

void TestAccessibility::tabChainReadsAsDesigned_data()
{
    QTest::addColumn<QString>("window");
    for (const auto &[name, window] : windows()) {
        if (!window.tabChain.isEmpty())
            QTest::newRow(qPrintable(name)) << name;
    }
}

void TestAccessibility::tabChainReadsAsDesigned()
{
    QFETCH(QString, window);
    const QStringList expected = windows().at(window).tabChain;
    // The walk starts where the focus is when the window opens.
    open(window);

    QStringList heard;
    for (int step = 0; step <= expected.size(); ++step) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(focused);
        QVERIFY(face);
        QVERIFY2(face->state().focused, qPrintable(focused->objectName()));
        QVERIFY(face->text(QAccessible::Description).startsWith(focused->toolTip()));
        heard.append(face->text(QAccessible::Name));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    // One round, and Tab comes back to the first control.
    QCOMPARE(heard.mid(0, expected.size()), expected);
    QCOMPARE(heard.last(), expected.first());
}

void TestAccessibility::figuresAreHeard()
{
    QWidget *top = open(QStringLiteral("frmBasic"));
    QTest::mouseClick(top->findChild<QRadioButton *>(QStringLiteral("optSection(1)")), Qt::LeftButton);
    QTest::keyClicks(top->findChild<QWidget *>(QStringLiteral("txtHours")), QStringLiteral("12345"));
    const auto heard = [top](const char *name) {
        return accessibleText(top->findChild<QLabel *>(QLatin1String(name)), QAccessible::Name);
    };
    // 12345 hours of ΠΕ are 11 years, 9 months and 2 days.
    QCOMPARE(heard("lblYears"), QStringLiteral("Χρόνια προϋπηρεσίας: 11"));
    QCOMPARE(heard("lblMonths"), QStringLiteral("Μήνες προϋπηρεσίας: 9"));
    QCOMPARE(heard("lblDays"), QStringLiteral("Μέρες προϋπηρεσίας: 2"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
