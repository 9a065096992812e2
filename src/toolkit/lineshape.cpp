// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/lineshape.h"

#include "toolkit/accessiblefactory.h"
#include "toolkit/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// The pixel a coordinate in twips falls in.
int pixelAt(float twips)
{
    return static_cast<int>(std::floor(pixelsFromTwips(twips)));
}

QPoint pixelAt(float x, float y)
{
    return {pixelAt(x), pixelAt(y)};
}

// The last pixel a line from `from` to `to` covers. The end point itself is
// left out, as the classic desktop draws lines, so that a line laid from a
// control's top to its top plus its height ends on its bottom edge, not one
// pixel below it.
QPoint lastPixel(QPoint from, QPoint to)
{
    const QPoint travel = to - from;
    const int steps = std::max(std::abs(travel.x()), std::abs(travel.y()));
    if (steps == 0)
        return from;
    const auto shorter = [steps](int distance) {
        return static_cast<int>(std::lround(static_cast<double>(distance) * (steps - 1) / steps));
    };
    return from + QPoint(shorter(travel.x()), shorter(travel.y()));
}
} // namespace

LineShape::LineShape(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    // Decoration: what a line means is said by the window's words.
    AccessibleFactory::install();
}

void LineShape::setPoints(float x1, float y1, float x2, float y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    const QPoint from = pixelAt(x1, y1);
    const QPoint last = lastPixel(from, pixelAt(x2, y2));
    // Not QRect::normalized(), which takes the corners as edges and so drops
    // a row or column.
    const QRect bounds(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                       QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y())));
    // The widget covers the line's pixels and nothing more.
    setGeometry(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    update();
}

void LineShape::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    const QPoint origin = geometry().topLeft();
    const QPointF centre(0.5, 0.5);
    const QPoint from = pixelAt(m_x1, m_y1);
    painter.drawLine(QPointF(from - origin) + centre, QPointF(lastPixel(from, pixelAt(m_x2, m_y2)) - origin) + centre);
}
