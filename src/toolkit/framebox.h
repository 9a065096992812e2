// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QGroupBox>

// A frame with its caption set into the top edge of its border, and its
// controls placed from its own top-left corner: the border starts half a line
// down, so controls designed for such a frame sit inside it, not on its edge.
class FrameBox : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY(FrameBox)

public:
    explicit FrameBox(const QString &caption, QWidget *parent = nullptr);

    // Where the caption is drawn, over the top edge of the border.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
