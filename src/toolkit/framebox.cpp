// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/framebox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {
constexpr int CaptionIndent = 6;
constexpr int CaptionPadding = 2;
} // namespace

FrameBox::FrameBox(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

QRect FrameBox::captionRect() const
{
    const QFontMetrics metrics(font());
    return {CaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding, metrics.height()};
}

void FrameBox::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int borderTop = metrics.height() / 2;

    // An etched line, drawn here: styles place their group box frames below
    // the caption instead.
    qDrawShadeRect(&painter, rect().adjusted(0, borderTop, 0, 0), palette(), true, 1, 0);

    const QRect caption = captionRect();
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(), foregroundRole());
}
