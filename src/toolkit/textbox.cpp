// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/textbox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>

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
    // Runs before any handler connected later, so that the limit is back at
    // the user's length by the time a handler looks at the box.
    connect(this, &QLineEdit::textChanged, this, &TextBox::fitLengthLimit);
    setDragEnabled(false);
    setAcceptDrops(false);
    setValidator(new UserLengthValidator(this));
}

void TextBox::setUserMaxLength(int length)
{
    m_userMaxLength = length;
    fitLengthLimit();
}

void TextBox::setText(const QString &text)
{
    // QLineEdit cuts any text to its limit, a program's write included: widen
    // the limit for the write; fitLengthLimit narrows it again once the text is
    // short enough.
    m_programText = text;
    setMaxLength(std::max(m_userMaxLength, static_cast<int>(text.size())));
    QLineEdit::setText(text);
    fitLengthLimit();
}

void TextBox::fitLengthLimit()
{
    // Never below the current length: QLineEdit would cut the text.
    const int limit = std::max(m_userMaxLength, static_cast<int>(text().size()));
    // QLineEdit sets its text again on every setMaxLength, the same limit
    // included, and so forgets what Undo in the context menu would undo.
    if (limit != maxLength())
        setMaxLength(limit);
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
    QLineEdit::keyPressEvent(event);
}

QMenu *TextBox::createContextMenu()
{
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        const qsizetype tab = action->text().indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            action->setText(action->text().left(tab));
    }
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
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // Under X11 QLineEdit pastes the primary selection on this release.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
