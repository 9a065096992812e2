// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "toolkit/windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <dwmapi.h>
#endif

#ifdef Q_OS_WIN
namespace {

// Qt's device-independent pixels on a screen are its physical pixels
// scaled about the screen's top-left corner, which both share.
QPointF independentPoint(LONG x, LONG y, const QScreen &screen)
{
    const QPointF origin = screen.geometry().topLeft();
    return origin + (QPointF(qreal(x), qreal(y)) - origin) / screen.devicePixelRatio();
}

} // namespace
#endif

WindowFrame::WindowFrame(const QWidget &shown) : m_outer(shown.frameGeometry())
{
    const QRectF client = shown.geometry();
#ifdef Q_OS_WIN
    const auto window = reinterpret_cast<HWND>(shown.winId());
    RECT frame{};
    RECT clientArea{};
    POINT clientOrigin{0, 0};
    const QScreen *screen = shown.screen();
    // On Qt's other platforms (offscreen) a window has no window handle.
    if (QGuiApplication::platformName() == QLatin1String("windows") && screen &&
        (SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame)) ||
         GetWindowRect(window, &frame)) &&
        GetClientRect(window, &clientArea) && ClientToScreen(window, &clientOrigin)) {
        m_outer = QRectF(independentPoint(frame.left, frame.top, *screen),
                         independentPoint(frame.right, frame.bottom, *screen));
        const QRectF area(
            independentPoint(clientOrigin.x, clientOrigin.y, *screen),
            independentPoint(clientOrigin.x + clientArea.right, clientOrigin.y + clientArea.bottom, *screen));
        m_margins = QMarginsF(area.left() - m_outer.left(), area.top() - m_outer.top(), m_outer.right() - area.right(),
                              m_outer.bottom() - area.bottom());
        m_movedCorner = QPointF(shown.frameGeometry().topLeft()) - m_outer.topLeft();
        m_ratio = screen->devicePixelRatio();
        m_screenCorner = screen->geometry().topLeft();
        return;
    }
#endif
    m_margins = QMarginsF(client.left() - m_outer.left(), client.top() - m_outer.top(),
                          m_outer.right() - client.right(), m_outer.bottom() - client.bottom());
}

QSizeF WindowFrame::outerSize(const QSizeF &client) const
{
    return client.grownBy(m_margins);
}

QPoint WindowFrame::positionFor(const QPointF &outerTopLeft) const
{
    const QPointF wanted = outerTopLeft + m_movedCorner;
    if (m_ratio == 1.0)
        return {int(std::lrint(wanted.x())), int(std::lrint(wanted.y()))};
    // Qt scales a position to physical pixels and rounds; at a scale that is
    // no whole number the nearer of the two whole positions about the wanted
    // one is the one whose physical pixel lands nearer.
    const auto nearest = [this](qreal position, qreal corner) {
        const qreal physical = corner + (position - corner) * m_ratio;
        const auto landing = [&](qreal whole) {
            return std::abs(qRound(corner + (whole - corner) * m_ratio) - physical);
        };
        const qreal below = std::floor(position);
        return int(landing(below + 1.0) < landing(below) ? below + 1.0 : below);
    };
    return {nearest(wanted.x(), m_screenCorner.x()), nearest(wanted.y(), m_screenCorner.y())};
}
