// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#endif

namespace {
constexpr int Backspace = 8;
constexpr int DeleteCharacter = 127;

// QLineEdit undoes, whole, any edit that turns an acceptable text into an
// invalid one; the program's own longer text counts as acceptable, so that
// the user's first edit of it is judged too.
class UserLengthValidator : public QValidator
{
public:
    explicit UserLengthValidator(TextBox *box) : QValidator(box), m_box(box) {}

    State validate(QString &input, int & /*pos*/) const override
    {
        const bool fits = input.size() <= m_box->userMaxLength() || input == m_box->programText();
        return fits ? Acceptable : Invalid;
    }

private:
    const TextBox *m_box;
};
} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    // QLineEdit's own length limit stays at its widest. It would cut the
    // program's longer texts, and every change of it sets the text again,
    // which is a change of its own, forgets the undo history and moves the
    // cursor; the validator and room() hold the user to his length instead.
    setDragEnabled(false);
    setAcceptDrops(false);
    setValidator(new UserLengthValidator(this));
}

void TextBox::setUserMaxLength(int length)
{
    m_userMaxLength = length;
}

void TextBox::setText(const QString &text)
{
    m_programText = text;
    QLineEdit::setText(text);
}

int TextBox::room() const
{
    // A text longer than the user's length, the program's, limits itself,
    // as if it had been the limit.
    const auto length = static_cast<int>(text().size());
    return std::max(m_userMaxLength, length) - (length - static_cast<int>(selectedText().size()));
}

void TextBox::pasteWithinRoom()
{
    const QString clip = QApplication::clipboard()->text();
    if (clip.isEmpty() && !hasSelectedText())
        return;
    insert(clip.left(std::max(room(), 0)));
}

int TextBox::characterCode(const QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Delete)
        return -1; // Qt gives Delete the text "\x7f", but it edits rather than types.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
    if (key == Qt::Key_Backspace)
        return control ? DeleteCharacter : Backspace;
    if (control) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
            return key - Qt::Key_A + 1;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    return text.front().unicode();
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    // Shortcuts that edit through the clipboard or the undo history produce no
    // character on every platform (Shift+Insert pastes); they are refused too.
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Undo) ||
        event->matches(QKeySequence::Redo)) {
        event->accept();
        return;
    }
    int code = characterCode(event);
    if (code >= 0 && m_keyPressFilter) {
        m_keyPressFilter(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    if (code == Backspace && event->key() != Qt::Key_Backspace) {
        backspace();
        event->accept();
        return;
    }
    // A character with no room left is dropped before it reaches the text.
    const bool typesCharacter = code >= ' ' && code != DeleteCharacter;
    if (typesCharacter && room() < 1) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent *event)
{
#ifdef Q_OS_WASM
    // A phone's keyboard comes up for the page's hidden input element that Qt
    // types through, and offers digits alone where that element asks so.
    emscripten::val element = emscripten::val::global("document")
                                  .call<emscripten::val>("querySelector", std::string("input[data-qinputcontext]"));
    if (!element.isNull())
        element.set("inputMode", std::string(inputMethodHints() & Qt::ImhDigitsOnly ? "numeric" : "text"));
#endif
    // Tabbed into, QLineEdit selects the whole text, and for an empty one
    // tells assistive technologies that its caret moved all the same; Orca
    // then takes the box for the focus without saying so. There is nothing to
    // select.
    const bool selectsAll = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                            event->reason() == Qt::ShortcutFocusReason;
    if (selectsAll && text().isEmpty()) {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
}

QMenu *TextBox::createContextMenu()
{
    // QLineEdit's own menu, item for item and in its words, but for Paste,
    // which is cut to the room left.
    auto *menu = new QMenu(this);
    const auto addItem = [this, menu](const char *caption, auto handler, bool enabled) {
        QAction *item = menu->addAction(QApplication::translate("QLineEdit", caption));
        item->setEnabled(enabled);
        connect(item, &QAction::triggered, this, handler);
    };
    addItem("&Undo", &QLineEdit::undo, isUndoAvailable());
    addItem("&Redo", &QLineEdit::redo, isRedoAvailable());
    menu->addSeparator();
    addItem("Cu&t", &QLineEdit::cut, hasSelectedText());
    addItem("&Copy", &QLineEdit::copy, hasSelectedText());
    addItem("&Paste", &TextBox::pasteWithinRoom, !QApplication::clipboard()->text().isEmpty());
    addItem("Delete", &QLineEdit::del, hasSelectedText());
    menu->addSeparator();
    addItem("Select All", &QLineEdit::selectAll, !text().isEmpty() && selectedText() != text());
    return menu;
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // Under X11 QLineEdit pastes the primary selection on a middle release.
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
