// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/captionfit.h"

#include "toolkit/framebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <utility>

namespace {

// A third of a pixel at 96 dots per inch: fine enough to keep as much of the
// designed size as fits.
constexpr qreal PointStep = 0.25;
// Below this, Greek in these fonts can no longer be read comfortably.
constexpr qreal LeastPoints = 6.0;

// Lines broken at line feeds, each within the room's width, all within its height.
bool linesFit(const QFontMetrics &metrics, const QString &text, const QRect &room)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int height = metrics.lineSpacing() * static_cast<int>(lines.size() - 1) + metrics.height();
    return widest <= room.width() && height <= room.height();
}

bool labelFits(const QLabel *label, const QString &caption)
{
    if (!label->wordWrap())
        return linesFit(label->fontMetrics(), caption, label->contentsRect());
    // A wrapped label breaks its own text into lines; other captions it does
    // not show wrapped.
    return caption != label->text() || label->heightForWidth(label->width()) <= label->height();
}

bool buttonFits(const QAbstractButton *button, const QString &caption)
{
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = caption;
    return linesFit(button->fontMetrics(), caption, button->style()->subElementRect(contents, &option, button));
}

bool captionFits(const QWidget *control, const QString &caption)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return labelFits(label, caption);
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return buttonFits(button, caption);
    if (const auto *frame = qobject_cast<const FrameBox *>(control))
        return frame->rect().contains(frame->captionRect());
    return true;
}

// What control shows, empty for a control that is not measured.
QStringList captionsOf(const QWidget *control, const OtherCaptions &otherCaptions)
{
    QString caption;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        caption = label->text();
    else if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control) ||
             qobject_cast<const QPushButton *>(control))
        caption = qobject_cast<const QAbstractButton *>(control)->text();
    else if (const auto *frame = qobject_cast<const FrameBox *>(control))
        caption = frame->title();
    QStringList captions = otherCaptions.value(control);
    if (!caption.isEmpty())
        captions.prepend(caption);
    return captions;
}

struct Captioned
{
    QWidget *control;
    QStringList captions;
};

bool allFit(const QList<Captioned> &group)
{
    return std::all_of(group.begin(), group.end(), [](const Captioned &member) {
        return std::all_of(member.captions.begin(), member.captions.end(),
                           [&](const QString &caption) { return captionFits(member.control, caption); });
    });
}

} // namespace

void fitCaptions(QWidget *window, const OtherCaptions &otherCaptions, const SameSize &sameSize)
{
    // A font given in pixels has no point size to step.
    const auto measured = [&](QWidget *control) {
        return control->font().pointSizeF() > 0 ? captionsOf(control, otherCaptions) : QStringList();
    };
    QList<QList<Captioned>> groups;
    QSet<const QWidget *> grouped;
    for (const QList<QWidget *> &members : sameSize) {
        QList<Captioned> group;
        for (QWidget *control : members) {
            grouped.insert(control);
            QStringList captions = measured(control);
            if (!captions.isEmpty())
                group.append({control, std::move(captions)});
        }
        if (!group.isEmpty())
            groups.append(group);
    }
    const auto controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        QStringList captions = measured(control);
        if (!grouped.contains(control) && !captions.isEmpty())
            groups.append({{control, std::move(captions)}});
    }
    for (const QList<Captioned> &group : std::as_const(groups)) {
        QFont font = group.first().control->font();
        while (font.pointSizeF() - PointStep >= LeastPoints && !allFit(group)) {
            font.setPointSizeF(font.pointSizeF() - PointStep);
            for (const Captioned &member : group)
                member.control->setFont(font);
        }
    }
}

QFont fittedFont(const QLabel *label, const QString &caption)
{
    QFont font = label->font();
    while (font.pointSizeF() - PointStep >= LeastPoints &&
           !linesFit(QFontMetrics(font), caption, label->contentsRect()))
        font.setPointSizeF(font.pointSizeF() - PointStep);
    return font;
}
