// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QMarginsF>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QWidget;

// The outer frame of a shown top-level window, title bar and borders
// included, in device-independent pixels, as the platform's window manager
// has it; and from it, where a window not yet shown, which will get a frame
// like it, goes so that its own outer frame lands where it should.
//
// Elsewhere that is Qt's frame geometry. On Windows Qt 6 leaves out of it the
// invisible resize borders it assumes Windows 10 draws, whether or not they
// are there (wine has none); the outer frame here is the frame Windows draws,
// as the desktop window manager reports it, or the window rectangle where it
// reports none.
class WindowFrame
{
public:
    explicit WindowFrame(const QWidget &shown);

    QRectF outer() const { return m_outer; }
    // The outer size of a window of that client size.
    QSizeF outerSize(const QSizeF &client) const;
    // What to move() a window not yet shown to for its outer frame's top-left
    // corner to be at outerTopLeft, to the nearest pixel (half a pixel goes
    // to the even neighbour) the platform can place it at.
    QPoint positionFor(const QPointF &outerTopLeft) const;

private:
    QRectF m_outer;
    // Physical pixels to a device-independent one, about the screen's corner.
    qreal m_ratio = 1.0;
    QPointF m_screenCorner;
    // The outer frame less the client area.
    QMarginsF m_margins;
    // What move() places, less the outer frame's top-left corner.
    QPointF m_movedCorner;
};
