// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QColor>
#include <QWidget>

// A straight line drawn on its container between two end points given in
// twips. Mouse events pass through it to whatever lies beneath, and
// assistive technologies do not see it.
class LineShape : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(LineShape)

public:
    explicit LineShape(const QColor &color, QWidget *parent = nullptr);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setPoints(float x1, float y1, float x2, float y2);
    // Moves the line sideways, keeping Y1 and Y2.
    void setX(float x) { setPoints(x, m_y1, x, m_y2); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    float m_x1 = 0;
    float m_y1 = 0;
    float m_x2 = 0;
    float m_y2 = 0;
};
