// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "infowindows/frmabout.h"
#include "infowindows/frmformula.h"
#include "mainwindow/frmbasic.h"
#include "support/windowevents.h"
#include "toolkit/accessiblefactory.h"
#include "toolkit/announcer.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/lineshape.h"
#include "toolkit/versioninfo.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

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

const QString FractionInWords =
    QStringLiteral("Διδακτικές ώρες διά υποχρεωτικό εβδομαδιαίο ωράριο, επί 6, και το γινόμενο διά 25");

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
        // The formula window: its fraction in words, then its two texts.
        {QStringLiteral("frmFormula"),
         {[] { return std::make_unique<frmFormula>(mainWindowBeside()); },
          {FractionInWords,
           QStringLiteral("Η τελευταία διαίρεση με το 25 δίνει τους μήνες στο ακέραιο μέρος της και "
                          "τις μέρες αν πάρουμε μόνο το δεκαδικό της μέρος, το πολλαπλασιάσουμε με "
                          "το 25 και το στρογγυλοποιήσουμε. Τα χρόνια προκύπτουν από τους μήνες "
                          "(κάθε 12 μήνες έχουμε ένα έτος)."),
           QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο :\r\nΚλάδος ΠΕ : 21\r\nΚλάδος ΤΕ : 22\r\n"
                          "Κλάδος ΔΕ : 28\r\nΠρωτοβάθμια εκπαίδευση : 25")}}},
        {QStringLiteral("frmAbout"),
         {[] { return std::make_unique<frmAbout>(); },
          {QStringLiteral("quorvel@example.org"), QStringLiteral("https://quorvel.example.org/")}}},
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
    void initTestCase();
    void init();
    void cleanup();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void everyControlHasANameAndItsTooltip_data();
    void everyControlHasANameAndItsTooltip();
    void tabChainReadsAsDesigned_data();
    void tabChainReadsAsDesigned();
    void figuresAreHeard();
    void mouseActionsHaveKeysAndActions_data();
    void mouseActionsHaveKeysAndActions();
    void rolesAsHeard_data();
    void rolesAsHeard();
    void sentencesAreSaidOnce_data();
    void sentencesAreSaidOnce();

private:
    QWidget *open(const QString &windowName);

    std::unique_ptr<QWidget> m_window;
};

void TestAccessibility::initTestCase()
{
    // As the program does before its first window.
    AccessibleFactory::install();
}

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
    row("txtHours", QStringLiteral("Διδακτικές ώρες"), QStringLiteral("Στο πλαίσιο των ωρών: βέλη πάνω και κάτω"));
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
    row("imgAbout", QStringLiteral("Πληροφορίες για το πρόγραμμα"),
        QStringLiteral("Πληροφορίες για το πρόγραμμα (ή πατήστε F2)"));

    frm = QStringLiteral("frmFormula");
    row("frmFormula", QStringLiteral("Τύπος υπολογισμού"));
    row("Label1", QStringLiteral("Διδακτικές ώρες"));
    row("Label2", QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο"));
    row("Label3", QStringLiteral("6"));
    row("Label4", QStringLiteral("25"));
    row("Fraction", FractionInWords);

    frm = QStringLiteral("frmAbout");
    row("frmAbout", QStringLiteral("Πληροφορίες"), frmAbout::productLine(VersionInfo::application()));
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
    // Where the control has keys of its own, the description goes on to name them.
    QVERIFY2(accessibleText(widget, QAccessible::Description).startsWith(description),
             qPrintable(accessibleText(widget, QAccessible::Description)));
    QCOMPARE(accessibleText(widget, QAccessible::Description).isEmpty(), description.isEmpty());
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
    // And said once, as a sentence.
    const auto *announcer = top->findChild<Announcer *>(QStringLiteral("announcer"));
    QVERIFY(announcer);
    QTRY_COMPARE(announcer->lastSentence(), QStringLiteral("11 χρόνια, 9 μήνες, 2 μέρες"));
    // The hours box is one run of text: a screen reader that reads a line run
    // by run (Orca) hears all five figures, not "1234".
    QAccessibleInterface *box =
        QAccessible::queryAccessibleInterface(top->findChild<QWidget *>(QStringLiteral("txtHours")));
    QVERIFY(box && box->textInterface());
    for (int offset = 0; offset < 5; ++offset) {
        int start = -1;
        int end = -1;
        box->textInterface()->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, 5);
    }
}

void TestAccessibility::mouseActionsHaveKeysAndActions_data()
{
    // After choosing section (0: none) and typing the hours, the steps of
    // way, separated by ", ": "key K" in the focused control, "action CONTROL
    // NAME", "focus WORD" as an assistive technology moves it, "press",
    // "move" or "release CONTROL X" with the left button at pixel X of the
    // control, "tick" of the slider's timer, and "heard": the sentences so far
    // were left to finish.
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("hours");
    // The last sentence a screen reader was told.
    QTest::addColumn<QString>("said");

    // 100 hours of ΠΕ show 0 years, 1 month, 4 days; a step of a word writes
    // the hours of the service one unit on.
    const auto row = [](const char *name, const char *way, const char *hours, const QString &said) {
        QTest::newRow(name) << 1 << QStringLiteral("100") << QString::fromLatin1(way) << QString::fromLatin1(hours)
                            << said;
    };
    row("Up: + 1 hour", "key Up", "101", QStringLiteral("101 ώρες"));
    row("Down: - 1 hour", "key Down", "99", QStringLiteral("99 ώρες: 0 χρόνια, 1 μήνας, 3 μέρες"));
    row("Ctrl+Up: a day more", "key Ctrl+Up", "105", QStringLiteral("105 ώρες: 0 χρόνια, 1 μήνας, 5 μέρες"));
    row("Ctrl+Down: a day less", "key Ctrl+Down", "98", QStringLiteral("98 ώρες: 0 χρόνια, 1 μήνας, 3 μέρες"));
    row("Page Up: a month more", "key PgUp", "189", QStringLiteral("189 ώρες: 0 χρόνια, 2 μήνες, 4 μέρες"));
    row("Page Down: a month less", "key PgDown", "14", QStringLiteral("14 ώρες: 0 χρόνια, 0 μήνες, 4 μέρες"));
    row("Ctrl+Page Up: a year more", "key Ctrl+PgUp", "1151", QStringLiteral("1151 ώρες: 1 χρόνος, 1 μήνας, 4 μέρες"));
    // A year less at 0 years would write the 101 hours of the service shown.
    const QString typedResult = QStringLiteral("0 χρόνια, 1 μήνας, 4 μέρες");
    row("Ctrl+Page Down at 0 years: nothing", "key Ctrl+PgDown", "100", typedResult);
    row("+ pressed", "action lblPlus Press", "101", QStringLiteral("101 ώρες"));
    row("- pressed", "action lblMinus Press", "99", QStringLiteral("99 ώρες: 0 χρόνια, 1 μήνας, 3 μέρες"));
    row("the track increased", "action lblBar Increase", "101", QStringLiteral("101 ώρες"));
    row("the track decreased", "action lblBar Decrease", "99", QStringLiteral("99 ώρες: 0 χρόνια, 1 μήνας, 3 μέρες"));
    row("μέρες increased", "action lblDays2 Increase", "105", QStringLiteral("105 ώρες: 0 χρόνια, 1 μήνας, 5 μέρες"));
    row("μήνες decreased", "action lblMonths2 Decrease", "14", QStringLiteral("14 ώρες: 0 χρόνια, 0 μήνες, 4 μέρες"));
    row("χρόνια increased", "action lblYears2 Increase", "1151",
        QStringLiteral("1151 ώρες: 1 χρόνος, 1 μήνας, 4 μέρες"));
    row("μέρες focused, Right", "focus lblDays2, key Right", "105",
        QStringLiteral("105 ώρες: 0 χρόνια, 1 μήνας, 5 μέρες"));
    row("μήνες focused, Left", "focus lblMonths2, key Left", "14",
        QStringLiteral("14 ώρες: 0 χρόνια, 0 μήνες, 4 μέρες"));
    // Held 307.5 twips left of the centre, the track takes 7 hours a tick.
    row("the track's Increase while the mouse holds it: the ticks go on",
        "press lblBar 56, action lblBar Increase, tick, release lblBar 56", "93",
        QStringLiteral("93 ώρες: 0 χρόνια, 1 μήνας, 2 μέρες"));

    const auto other = [](const char *name, int section, const char *typed, const char *way, const char *hours,
                          const QString &said) {
        QTest::newRow(name) << section << QString::fromLatin1(typed) << QString::fromLatin1(way)
                            << QString::fromLatin1(hours) << said;
    };
    // A key during a drag on a word leaves the drag to the mouse: 12 pixels
    // from the press are 3 months on from 1 year.
    other("Ctrl+Up while the mouse drags μήνες: the drag holds", 1, "1050",
          "press lblMonths2 20, move lblMonths2 28, key Ctrl+Up, move lblMonths2 32, release lblMonths2 32", "1313",
          QStringLiteral("1313 ώρες: 1 χρόνος, 3 μήνες, 0 μέρες"));
    // With no section there is no service to step.
    other("no section: Ctrl+Up leaves the hours typed", 0, "500", "key Ctrl+Up", "500", QString());
    other("no section: a year less leaves the hours typed", 0, "500", "action lblYears2 Decrease", "500", QString());
    // At the ceiling a step up would lower the hours.
    const QString ceilingPE = QStringLiteral("95 χρόνια, 2 μήνες, 21 μέρες");
    other("99999 in ΠΕ: Ctrl+Up, nothing", 1, "99999", "key Ctrl+Up", "99999", ceilingPE);
    other("99999 in ΠΕ: Page Up, nothing", 1, "99999", "key PgUp", "99999", ceilingPE);
    other("99999 in ΠΕ: Ctrl+Page Up, nothing", 1, "99999", "key Ctrl+PgUp", "99999", ceilingPE);
    other("99999 in ΤΕ: Ctrl+Up, nothing", 2, "99999", "key Ctrl+Up", "99999",
          QStringLiteral("90 χρόνια, 10 μήνες, 22 μέρες"));
    // Six digits that a month more wrote: the track's one hour more would
    // fall to its limit, 99999.
    other("100012 in ΠΕ: the track's Increase, nothing", 1, "99924", "key PgUp, heard, action lblBar Increase",
          "100012", QStringLiteral("100012 ώρες: 95 χρόνια, 2 μήνες, 25 μέρες"));
    // Each sentence cuts off the one before: the new service goes with every
    // sentence until one carrying it was left to finish.
    other("quick Ups: the service changed on the way is said last", 1, "12345", "key Up, heard, key Up, key Up, key Up",
          "12349", QStringLiteral("12349 ώρες: 11 χρόνια, 9 μήνες, 3 μέρες"));
    other("once heard, the service is not said again", 1, "12345", "key Up, key Up, heard, key Up", "12348",
          QStringLiteral("12348 ώρες"));
}

void TestAccessibility::mouseActionsHaveKeysAndActions()
{
    QFETCH(int, section);
    QFETCH(QString, typed);
    QFETCH(QString, way);
    QFETCH(QString, hours);
    QFETCH(QString, said);
    QWidget *top = open(QStringLiteral("frmBasic"));
    const auto control = [top](const QString &name) {
        auto *found = top->findChild<QWidget *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    };
    QWidget *box = control(QStringLiteral("txtHours"));
    if (section > 0)
        QTest::mouseClick(control(QStringLiteral("optSection(%1)").arg(section)), Qt::LeftButton);
    box->setFocus();
    QTest::keyClicks(box, typed);
    const auto *announcer = top->findChild<Announcer *>(QStringLiteral("announcer"));
    auto *heard = top->findChild<QTimer *>(QStringLiteral("newsHeard"));
    QVERIFY(announcer && heard);
    const auto letFinish = [heard] {
        // The sentence due once the event is over, then the time to hear it.
        QCoreApplication::processEvents();
        const int hearing = heard->interval();
        if (heard->isActive())
            heard->start(0);
        QTRY_VERIFY(!heard->isActive());
        heard->setInterval(hearing);
    };
    letFinish();

    for (const QString &step : way.split(QStringLiteral(", "))) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString what = step.section(QLatin1Char(' '), 1, 1);
        const QString how = step.section(QLatin1Char(' '), 2);
        if (verb == QStringLiteral("key")) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(what));
        } else if (verb == QStringLiteral("action") || verb == QStringLiteral("focus")) {
            const QString action = verb == QStringLiteral("focus") ? QAccessibleActionInterface::setFocusAction() : how;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control(what));
            QVERIFY(face && face->actionInterface());
            QVERIFY2(face->actionInterface()->actionNames().contains(action), qPrintable(what));
            face->actionInterface()->doAction(action);
        } else if (verb == QStringLiteral("press")) {
            WindowMouse::press(control(what), QPointF(how.toDouble(), 8), Qt::LeftButton);
        } else if (verb == QStringLiteral("move")) {
            WindowMouse::move(control(what), QPointF(how.toDouble(), 8));
        } else if (verb == QStringLiteral("release")) {
            WindowMouse::release(control(what), QPointF(how.toDouble(), 8), Qt::LeftButton);
        } else if (verb == QStringLiteral("tick")) {
            emit top->findChild<IntervalTimer *>(QStringLiteral("tmrBar"))->timer();
        } else {
            QCOMPARE(verb, QStringLiteral("heard"));
            letFinish();
        }
        // The sentence due once the event is over, as between two real keys.
        QCoreApplication::processEvents();
    }
    QCOMPARE(box->property("text").toString(), hours);
    QTRY_COMPARE(announcer->lastSentence(), said);
}

void TestAccessibility::rolesAsHeard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("shown");

    const auto row = [](const QString &window, const char *control, QAccessible::Role role, bool shown) {
        QTest::addRow("%s: %s", qPrintable(window), control)
            << window << QString::fromLatin1(control) << int(role) << shown;
    };
    // Windows are frames or dialogs; a plain QWidget would read as a filler.
    const QString basic = QStringLiteral("frmBasic");
    row(basic, "frmBasic", QAccessible::Window, true);
    row(basic, "txtHours", QAccessible::EditableText, true);
    // The marker lines are drawn only: their frame's caption, which Qt would
    // give them, is heard once.
    row(basic, "linBar", QAccessible::Separator, false);
    row(basic, "linBar2", QAccessible::Separator, false);
    const QString formula = QStringLiteral("frmFormula");
    row(formula, "frmFormula", QAccessible::Window, true);
    // The fraction is heard whole, in words, not as four lines and unnamed bars.
    row(formula, "Fraction", QAccessible::Graphic, true);
    for (const char *part : {"Label1", "Label2", "Label3", "Label4"})
        row(formula, part, QAccessible::StaticText, false);
    for (const char *line : {"Line1", "Line2", "Line3", "Line4"})
        row(formula, line, QAccessible::Separator, false);
    row(QStringLiteral("frmAbout"), "frmAbout", QAccessible::Dialog, true);
}

void TestAccessibility::rolesAsHeard()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(bool, shown);
    QWidget *top = open(window);
    QWidget *widget = top->objectName() == control ? top : top->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face);
    QCOMPARE(int(face->role()), role);
    QCOMPARE(!face->state().invisible, shown);
}

void TestAccessibility::sentencesAreSaidOnce_data()
{
    QTest::addColumn<QStringList>("sentences");
    QTest::newRow("two results") << QStringList{QStringLiteral("11 χρόνια, 9 μήνες, 2 μέρες"),
                                                QStringLiteral("11 χρόνια, 9 μήνες, 3 μέρες")};
    // A step that leaves the result as it was is news all the same.
    QTest::newRow("the same result twice")
        << QStringList{QStringLiteral("0 χρόνια, 0 μήνες, 0 μέρες"), QStringLiteral("0 χρόνια, 0 μήνες, 0 μέρες")};
}

namespace {
// What a screen reader following the window is told: the notification's name
// each time it is shown, which is when Orca speaks it.
class NotificationListener : public QObject
{
public:
    QStringList told;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(watched);
            if (face && face->role() == QAccessible::Notification)
                told.append(face->text(QAccessible::Name));
        }
        return false;
    }
};
} // namespace

void TestAccessibility::sentencesAreSaidOnce()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) || defined(Q_OS_WIN)
    QSKIP("Said through the platform's announcement, which the offscreen platform does not carry");
#endif
    QFETCH(QStringList, sentences);
    QWidget *top = open(QStringLiteral("frmBasic"));
    auto *announcer = new Announcer(top);
    NotificationListener listener;
    announcer->installEventFilter(&listener);
    for (const QString &sentence : sentences)
        announcer->say(sentence);
    QCOMPARE(listener.told, sentences);
    // Found again by whoever reads the window later.
    QCOMPARE(announcer->lastSentence(), sentences.last());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
