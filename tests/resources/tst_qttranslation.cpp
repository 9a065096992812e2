// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/frmbasic.h"
#include "resources/qttranslation.h"
#include "toolkit/textbox.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <memory>

namespace {
// The texts a menu shows, each without its mnemonic marker and shortcut, and
// the mnemonic letters it uses.
struct MenuTexts
{
    QStringList texts;
    QList<QChar> mnemonics;
};

MenuTexts menuTexts(const QMenu *menu)
{
    MenuTexts result;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        const qsizetype marker = text.indexOf(QLatin1Char('&'));
        if (marker >= 0 && marker + 1 < text.size()) {
            result.mnemonics.append(text.at(marker + 1).toLower());
            text.remove(marker, 1);
        }
        result.texts.append(text);
    }
    return result;
}

// Opens the widget's context menu as a right click does, and returns the menu
// on the screen.
QMenu *openContextMenu(QWidget *widget)
{
    const QPoint pos = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}
} // namespace

class TestQtTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hoursBoxMenuIsGreek();
    void selectableTextMenuIsGreek();
    void standardButtonsAreGreek_data();
    void standardButtonsAreGreek();
};

void TestQtTranslation::initTestCase()
{
    QVERIFY(installQtTranslation(*qApp));
}

void TestQtTranslation::hoursBoxMenuIsGreek()
{
    frmBasic window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *hours = window.findChild<TextBox *>(QStringLiteral("txtHours"));
    QVERIFY(hours);

    QMenu *menu = openContextMenu(hours);
    QVERIFY(menu);
    const MenuTexts shown = menuTexts(menu);
    menu->close();
    QCOMPARE(shown.texts,
             QStringList({QStringLiteral("Αναίρεση"), QStringLiteral("Επανάληψη"), QStringLiteral("Αποκοπή"),
                          QStringLiteral("Αντιγραφή"), QStringLiteral("Επικόλληση"), QStringLiteral("Διαγραφή"),
                          QStringLiteral("Επιλογή όλων")}));
    // One key per item: a letter used twice would choose neither at once.
    QCOMPARE(QSet<QChar>(shown.mnemonics.begin(), shown.mnemonics.end()).size(), shown.mnemonics.size());
}

void TestQtTranslation::selectableTextMenuIsGreek()
{
    QLabel label(QStringLiteral("<a href=\"https://quorvel.example.org/\">quorvel.example.org</a>"));
    label.setTextInteractionFlags(Qt::TextBrowserInteraction);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));

    QMenu *menu = openContextMenu(&label);
    QVERIFY(menu);
    const MenuTexts shown = menuTexts(menu);
    menu->close();
    QCOMPARE(shown.texts, QStringList({QStringLiteral("Αντιγραφή"), QStringLiteral("Αντιγραφή διεύθυνσης συνδέσμου"),
                                       QStringLiteral("Επιλογή όλων")}));
    QCOMPARE(QSet<QChar>(shown.mnemonics.begin(), shown.mnemonics.end()).size(), shown.mnemonics.size());
}

void TestQtTranslation::standardButtonsAreGreek_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("OK") << QDialogButtonBox::Ok << QStringLiteral("Εντάξει");
    QTest::newRow("Cancel") << QDialogButtonBox::Cancel << QStringLiteral("Άκυρο");
    QTest::newRow("Close") << QDialogButtonBox::Close << QStringLiteral("Κλείσιμο");
    QTest::newRow("Yes") << QDialogButtonBox::Yes << QStringLiteral("&Ναι");
    QTest::newRow("No") << QDialogButtonBox::No << QStringLiteral("Ό&χι");
    QTest::newRow("Help") << QDialogButtonBox::Help << QStringLiteral("Βοήθεια");
}

void TestQtTranslation::standardButtonsAreGreek()
{
    QFETCH(QDialogButtonBox::StandardButton, button);
    QFETCH(QString, text);
    QDialogButtonBox box(button);
    QCOMPARE(box.button(button)->text(), text);
}

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
