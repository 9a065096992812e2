// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/textbox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

class TestTextBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filterSeesCharacterCodes_data();
    void filterSeesCharacterCodes();
    void droppedKeysDoNotReachTheBox();
    void editingKeysAreNotFiltered();
    void clipboardShortcutsDoNothing_data();
    void clipboardShortcutsDoNothing();
    void returnIsLeftToTheWindow();
    void userLengthLimit();
    void programWritesAreKeptWhole();
    void userEditsOfALongerTextStayWithinTheLimit_data();
    void userEditsOfALongerTextStayWithinTheLimit();
    void contextMenuPasteIsLimited();
#ifndef Q_OS_WIN
    // Windows has no primary selection.
    void middleButtonPastesNothing();
#endif
    void contextMenuNamesNoShortcuts();
    void contextMenuUndoesTyping();
    void programWriteIsOneChange_data();
    void programWriteIsOneChange();

private:
    std::unique_ptr<TextBox> m_box;
    QList<int> m_codes;
};

void TestTextBox::init()
{
    m_codes.clear();
    m_box = std::make_unique<TextBox>();
    m_box->setKeyPressFilter([this](int &keyAscii) {
        m_codes.append(keyAscii);
        const bool digit = keyAscii >= '0' && keyAscii <= '9';
        if (!digit && keyAscii != 8)
            keyAscii = 0;
    });
    m_box->setUserMaxLength(5);
    m_box->show();
    m_box->activateWindow();
    m_box->setFocus();
    // Exposed, not active: under an X server with no window manager nothing
    // activates it, and the keys here go straight to the box.
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
}

void TestTextBox::cleanup()
{
    m_box.reset();
}

void TestTextBox::filterSeesCharacterCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    QTest::newRow("a digit") << int(Qt::Key_7) << Qt::KeyboardModifiers() << QStringLiteral("7") << 55;
    QTest::newRow("a letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << QStringLiteral("a") << 97;
    QTest::newRow("a Greek letter") << int(Qt::Key_unknown) << Qt::KeyboardModifiers() << QStringLiteral("λ") << 0x3bb;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << QStringLiteral("\b") << 8;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString()
                                    << 127;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << QStringLiteral("a") << 1;
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString() << 8;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << QStringLiteral("\x1b") << 27;
}

void TestTextBox::filterSeesCharacterCodes()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCOMPARE(TextBox::characterCode(&press), code);
}

void TestTextBox::droppedKeysDoNotReachTheBox()
{
    QTest::keyClicks(m_box.get(), QStringLiteral("1a-2 .3"));
    QCOMPARE(m_box->text(), QStringLiteral("123"));
    QCOMPARE(m_codes, (QList<int>{'1', 'a', '-', '2', ' ', '.', '3'}));
    QTest::keyClick(m_box.get(), Qt::Key_Backspace);
    QCOMPARE(m_box->text(), QStringLiteral("12"));
    // Character code 8 is Backspace whichever key made it.
    QTest::keyClick(m_box.get(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(m_box->text(), QStringLiteral("1"));
}

void TestTextBox::editingKeysAreNotFiltered()
{
    QTest::keyClicks(m_box.get(), QStringLiteral("1234"));
    m_codes.clear();
    QTest::keyClick(m_box.get(), Qt::Key_Home);
    QTest::keyClick(m_box.get(), Qt::Key_Delete);
    QCOMPARE(m_box->text(), QStringLiteral("234"));
    QTest::keyClick(m_box.get(), Qt::Key_Right);
    QTest::keyClick(m_box.get(), Qt::Key_End);
    QTest::keyClick(m_box.get(), Qt::Key_Left);
    QTest::keyClick(m_box.get(), Qt::Key_Delete);
    QCOMPARE(m_box->text(), QStringLiteral("23"));
    QCOMPARE(m_codes, QList<int>());
}

void TestTextBox::clipboardShortcutsDoNothing_data()
{
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V);
    QTest::newRow("Shift+Insert") << QKeySequence(Qt::SHIFT | Qt::Key_Insert);
    QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X);
    QTest::newRow("Shift+Delete") << QKeySequence(Qt::SHIFT | Qt::Key_Delete);
    QTest::newRow("Ctrl+Z") << QKeySequence(Qt::CTRL | Qt::Key_Z);
}

void TestTextBox::clipboardShortcutsDoNothing()
{
    QFETCH(QKeySequence, shortcut);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClicks(m_box.get(), QStringLiteral("12"));
    m_box->selectAll();
    QTest::keySequence(m_box.get(), shortcut);
    QCOMPARE(m_box->text(), QStringLiteral("12"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));
}

void TestTextBox::returnIsLeftToTheWindow()
{
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(m_box.get(), &press);
        QVERIFY(!press.isAccepted());
    }
    QVERIFY(m_codes.isEmpty());
}

void TestTextBox::userLengthLimit()
{
    QTest::keyClicks(m_box.get(), QStringLiteral("123456"));
    QCOMPARE(m_box->text(), QStringLiteral("12345"));
}

void TestTextBox::programWritesAreKeptWhole()
{
    m_box->setText(QStringLiteral("100012"));
    QCOMPARE(m_box->text(), QStringLiteral("100012"));
    // The user still cannot make it longer, and once shorter, five is the limit again.
    m_box->end(false);
    QTest::keyClicks(m_box.get(), QStringLiteral("7"));
    QCOMPARE(m_box->text(), QStringLiteral("100012"));
    QTest::keyClick(m_box.get(), Qt::Key_Backspace);
    QCOMPARE(m_box->text(), QStringLiteral("10001"));
    QTest::keyClicks(m_box.get(), QStringLiteral("7"));
    QCOMPARE(m_box->text(), QStringLiteral("10001"));
}

void TestTextBox::userEditsOfALongerTextStayWithinTheLimit_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    // "type D", "paste TEXT" (through the context menu), "backspace" or "delete".
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("after");
    // Where an accepted edit leaves the cursor; -1 where nothing is accepted.
    QTest::addColumn<int>("cursor");

    const QString six = QStringLiteral("100012");
    QTest::newRow("overtyping a selected digit: refused whole")
        << six << 0 << 1 << QStringLiteral("type 9") << six << -1;
    QTest::newRow("pasting over a selected digit: refused whole")
        << six << 1 << 1 << QStringLiteral("paste 77") << six << -1;
    QTest::newRow("pasting over two selected digits: refused whole")
        << six << 4 << 2 << QStringLiteral("paste 777") << six << -1;
    QTest::newRow("typing over all of it") << six << 0 << 6 << QStringLiteral("type 7") << QStringLiteral("7") << 1;
    QTest::newRow("pasting five over all of it")
        << six << 0 << 6 << QStringLiteral("paste 12345") << QStringLiteral("12345") << 5;
    QTest::newRow("pasting seven over all of it, cut to six: refused whole")
        << six << 0 << 6 << QStringLiteral("paste 1234567") << six << -1;
    QTest::newRow("typing over five selected digits leaves two")
        << six << 1 << 5 << QStringLiteral("type 7") << QStringLiteral("17") << 2;
    QTest::newRow("Backspace from six leaves five")
        << six << 6 << 0 << QStringLiteral("backspace") << QStringLiteral("10001") << 5;
    QTest::newRow("Backspace from seven would leave six: refused")
        << QStringLiteral("1000123") << 7 << 0 << QStringLiteral("backspace") << QStringLiteral("1000123") << -1;
    QTest::newRow("Delete after the first digit leaves five, the cursor in place")
        << six << 1 << 0 << QStringLiteral("delete") << QStringLiteral("10012") << 1;
}

void TestTextBox::userEditsOfALongerTextStayWithinTheLimit()
{
    QFETCH(QString, written);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, edit);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    m_box->setText(written);
    m_box->setSelection(selectionStart, selectionLength);
    const QString argument = edit.section(QLatin1Char(' '), 1);
    if (edit.startsWith(QStringLiteral("type"))) {
        QTest::keyClicks(m_box.get(), argument);
    } else if (edit.startsWith(QStringLiteral("paste"))) {
        QApplication::clipboard()->setText(argument);
        std::unique_ptr<QMenu> menu(m_box->createContextMenu());
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](const QAction *action) {
            return action->text() == QStringLiteral("&Paste");
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
    } else {
        QTest::keyClick(m_box.get(), edit == QStringLiteral("delete") ? Qt::Key_Delete : Qt::Key_Backspace);
    }
    QCOMPARE(m_box->text(), after);
    if (cursor >= 0) {
        // Accepted, the edit keeps its cursor and can be undone.
        QCOMPARE(m_box->cursorPosition(), cursor);
        QVERIFY(m_box->isUndoAvailable());
    }
}

void TestTextBox::contextMenuPasteIsLimited()
{
    QApplication::clipboard()->setText(QStringLiteral("1234567"));
    std::unique_ptr<QMenu> menu(m_box->createContextMenu());
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("&Paste"))
            paste = action;
    }
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    paste->trigger();
    QCOMPARE(m_box->text(), QStringLiteral("12345"));
}

#ifndef Q_OS_WIN
void TestTextBox::middleButtonPastesNothing()
{
    if (!QApplication::clipboard()->supportsSelection())
        QSKIP("No primary selection on this platform; tst_textbox_openbox runs this under X11");
    QApplication::clipboard()->setText(QStringLiteral("99"), QClipboard::Selection);
    QTest::keyClicks(m_box.get(), QStringLiteral("12"));
    QTest::mouseClick(m_box.get(), Qt::MiddleButton, Qt::NoModifier, QPoint(4, m_box->height() / 2));
    QCOMPARE(m_box->text(), QStringLiteral("12"));
}
#endif

void TestTextBox::contextMenuNamesNoShortcuts()
{
    std::unique_ptr<QMenu> menu(m_box->createContextMenu());
    QVERIFY(menu->actions().size() > 4);
    for (const QAction *action : menu->actions())
        QVERIFY2(!action->text().contains(QLatin1Char('\t')), qPrintable(action->text()));
}

void TestTextBox::contextMenuUndoesTyping()
{
    const auto menuAction = [](QMenu *menu, const QString &text) -> QAction * {
        for (QAction *action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    };
    QTest::keyClicks(m_box.get(), QStringLiteral("12"));
    QTest::keyClick(m_box.get(), Qt::Key_Left);
    QTest::keyClicks(m_box.get(), QStringLiteral("9"));
    QCOMPARE(m_box->text(), QStringLiteral("192"));

    std::unique_ptr<QMenu> menu(m_box->createContextMenu());
    QAction *undo = menuAction(menu.get(), QStringLiteral("&Undo"));
    QVERIFY(undo);
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(m_box->text(), QStringLiteral("12"));

    menu.reset(m_box->createContextMenu());
    QAction *redo = menuAction(menu.get(), QStringLiteral("&Redo"));
    QVERIFY(redo);
    QVERIFY(redo->isEnabled());
    redo->trigger();
    QCOMPARE(m_box->text(), QStringLiteral("192"));
    // The user's limit still holds after the history was replayed.
    m_box->end(false);
    QTest::keyClicks(m_box.get(), QStringLiteral("345"));
    QCOMPARE(m_box->text(), QStringLiteral("19234"));
}

void TestTextBox::programWriteIsOneChange_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("seen");
    QTest::newRow("a write") << QString() << QStringLiteral("42") << QStringList{QStringLiteral("42")};
    // As in QLineEdit.
    QTest::newRow("the same text again: no change") << QStringLiteral("42") << QStringLiteral("42") << QStringList();
    QTest::newRow("six digits over five")
        << QStringLiteral("99999") << QStringLiteral("100012") << QStringList{QStringLiteral("100012")};
    QTest::newRow("five digits over six: no cut six first")
        << QStringLiteral("100012") << QStringLiteral("99924") << QStringList{QStringLiteral("99924")};
    QTest::newRow("one digit over seven")
        << QStringLiteral("1000123") << QStringLiteral("7") << QStringList{QStringLiteral("7")};
}

void TestTextBox::programWriteIsOneChange()
{
    QFETCH(QString, before);
    QFETCH(QString, written);
    QFETCH(QStringList, seen);
    m_box->setText(before);
    QStringList changes;
    // What each change's handler reads in the box, inside the write.
    connect(m_box.get(), &QLineEdit::textChanged, this, [&] { changes.append(m_box->text()); });
    m_box->setText(written);
    QCOMPARE(changes, seen);
    QCOMPARE(m_box->text(), written);
}

QTEST_MAIN(TestTextBox)
#include "tst_textbox.moc"
