// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QLineEdit>

#include <functional>

class QMenu;

// A one-line text box with a per-character key filter and a length limit that
// binds the user only.
//
// Every key that produces a character (a Ctrl combination produces a control
// character) is first shown to the key filter with its character code; a
// filter that sets the code to 0 drops the key. Keys that produce none
// (Delete, arrows, Home, End) are not filtered. Return and Enter are left to
// the window, which presses its default button.
//
// A key whose character code is 8 deletes like Backspace, whichever key
// produced it (Ctrl+H does).
//
// setText() keeps a longer text whole, and its textChanged handling runs to
// its end before it returns; it is one change of the text, nothing before it.
// Writing the text already there raises no textChanged, as QLineEdit does.
// Every edit of the user's (typing over a selection, pasting, undoing) that
// would leave more than the user's length is refused whole; only the
// program's own text may be longer. A paste is cut to the room left, as a
// length limit cuts it. The middle button pastes nothing: the context menu is
// the one way to paste. Buttons other than left and right do nothing here.
class TextBox : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(TextBox)

public:
    using KeyPressFilter = std::function<void(int &keyAscii)>;

    explicit TextBox(QWidget *parent = nullptr);

    void setKeyPressFilter(KeyPressFilter filter) { m_keyPressFilter = std::move(filter); }
    // The most characters the user can type or paste.
    void setUserMaxLength(int length);
    int userMaxLength() const { return m_userMaxLength; }
    // The text the program last wrote, which alone may exceed the user's length.
    const QString &programText() const { return m_programText; }
    // Hides QLineEdit::setText, so that the program's write is remembered.
    void setText(const QString &text);

    // The character code a key press produces, or -1 for none.
    static int characterCode(const QKeyEvent *event);

    // The box's own context menu, the user's only way to paste. It names no
    // shortcuts, since the box refuses them. The caller owns the menu.
    QMenu *createContextMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // How many characters the user may still put in place of the selection.
    int room() const;
    void pasteWithinRoom();

    KeyPressFilter m_keyPressFilter;
    int m_userMaxLength = 32767;
    QString m_programText;
};
