// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/accessibletextbox.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

AccessibleTextBox::AccessibleTextBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleTextBox::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

bool AccessibleTextBox::hidesText() const
{
    return lineEdit()->echoMode() != QLineEdit::Normal;
}

QString AccessibleTextBox::text(QAccessible::Text t) const
{
    QString str;
    if (t == QAccessible::Value) {
        if (lineEdit()->echoMode() == QLineEdit::Normal)
            str = lineEdit()->text();
        else if (lineEdit()->echoMode() != QLineEdit::NoEcho)
            str = QString(lineEdit()->text().size(), QLatin1Char('*'));
    }
    if (str.isEmpty())
        str = QAccessibleWidget::text(t);
    if (str.isEmpty() && t == QAccessible::Description)
        str = lineEdit()->placeholderText();
    return str;
}

void AccessibleTextBox::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    writeIfValid(text);
}

void AccessibleTextBox::writeIfValid(QString text)
{
    if (const QValidator *validator = lineEdit()->validator()) {
        int position = 0;
        if (validator->validate(text, position) != QValidator::Acceptable)
            return;
    }
    lineEdit()->setText(text);
}

QAccessible::State AccessibleTextBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = lineEdit()->isReadOnly();
    state.passwordEdit = hidesText();
    state.selectableText = true;
    return state;
}

void *AccessibleTextBox::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleTextBox::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = *startOffset + lineEdit()->selectionLength();
}

int AccessibleTextBox::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset || hidesText())
        return {};
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

// -2 stands for the cursor's position, as Qt's own line edit takes it.
QString AccessibleTextBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                            int *endOffset) const
{
    if (hidesText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset, boundaryType,
                                                      startOffset, endOffset);
}

QString AccessibleTextBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                           int *endOffset) const
{
    if (hidesText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset, boundaryType,
                                                     startOffset, endOffset);
}

QString AccessibleTextBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                        int *endOffset) const
{
    if (hidesText()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return QAccessibleTextInterface::textAtOffset(offset == -2 ? cursorPosition() : offset, boundaryType, startOffset,
                                                  endOffset);
}

int AccessibleTextBox::characterCount() const
{
    return static_cast<int>(lineEdit()->text().size());
}

QRect AccessibleTextBox::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return {};
    // Measured from the cursor, the one place in the text the line edit tells,
    // so that its scrolling and margins are counted in.
    const QFontMetrics metrics(lineEdit()->font());
    const QString all = lineEdit()->text();
    const int cursorX = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    const int x = cursorX + metrics.horizontalAdvance(all.left(offset)) -
                  metrics.horizontalAdvance(all.left(lineEdit()->cursorPosition()));
    const int top = (lineEdit()->height() - metrics.height()) / 2;
    QRect rect(x, top, metrics.horizontalAdvance(character), metrics.height());
    rect.moveTo(lineEdit()->mapToGlobal(rect.topLeft()));
    return rect;
}

int AccessibleTextBox::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString AccessibleTextBox::attributes(int offset, int *startOffset, int *endOffset) const
{
    // The box has no attributes: one empty run covers all its text.
    *startOffset = 0;
    *endOffset = std::max(characterCount(), offset);
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset)
{
    writeIfValid(lineEdit()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleTextBox::insertText(int offset, const QString &text)
{
    writeIfValid(lineEdit()->text().insert(offset, text));
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString &text)
{
    writeIfValid(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}
