// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// Whether captions fit their controls, by the room a reader sees: a label's
// contents, a button's text beside its box, a frame's top edge.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

// The style a run of the tests must draw in, as QStyle names it, or empty
// where any will do: a style that fails to load gives way to another
// without a word, and the room it leaves captions is the style's.
inline QString styleRequired()
{
    return qEnvironmentVariable("QUORVEL_STYLE");
}

inline bool captionFits(const QWidget *control, const QString &caption)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->wordWrap())
            return caption != label->text() || label->heightForWidth(label->width()) <= label->height();
        const QStringList lines = caption.split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (metrics.horizontalAdvance(line) > label->contentsRect().width())
                return false;
        }
        return metrics.lineSpacing() * (lines.size() - 1) + metrics.height() <= label->contentsRect().height();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption;
        const QStyle::SubElement contents = qobject_cast<const QCheckBox *>(button) ? QStyle::SE_CheckBoxContents
                                            : qobject_cast<const QRadioButton *>(button)
                                                ? QStyle::SE_RadioButtonContents
                                                : QStyle::SE_PushButtonContents;
        return metrics.horizontalAdvance(caption) <= button->style()->subElementRect(contents, &option, button).width();
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return metrics.horizontalAdvance(caption) < frame->width() / 2;
    return true;
}

// The largest size, in quarter points down from the designed one, at which
// every caption fits the control; the control's own font is left as it was.
inline qreal largestFittingSize(QWidget *control, const QStringList &captions, qreal designed)
{
    const QFont before = control->font();
    QFont font = before;
    qreal size = designed;
    for (; size > 6.0; size -= 0.25) {
        font.setPointSizeF(size);
        control->setFont(font);
        if (std::all_of(captions.begin(), captions.end(),
                        [control](const QString &caption) { return captionFits(control, caption); }))
            break;
    }
    control->setFont(before);
    return size;
}
