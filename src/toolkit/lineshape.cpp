// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/lineshape.h"

#include "toolkit/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The pixel a coordinate in twips falls in.
int pixelAt(float twips)
{
    return static_cast<int>(std::floor(pixelsFromTwips(twips)));
}
} // namespace

LineShape::LineShape(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void LineShape::setPoints(float x1, float y1, float x2, float y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    const QPoint from(pixelAt(x1), pixelAt(y1));
    const QPoint to(pixelAt(x2), pixelAt(y2));
    const QRect bounds = QRect(from, to).normalized();
    // The widget covers the line's pixels, ends included, and nothing more.
    setGeometry(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    update();
}

void LineShape::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    const QPoint origin = geometry().topLeft();
    const QPointF centre(0.5, 0.5);
    painter.drawLine(QPointF(QPoint(pixelAt(m_x1), pixelAt(m_y1)) - origin) + centre,
                     QPointF(QPoint(pixelAt(m_x2), pixelAt(m_y2)) - origin) + centre);
}
