// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/newsteller.h"

#include "toolkit/announcer.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>

namespace {

// About the time a screen reader takes, at its usual rate, to say the longest
// sentence ("99999 ώρες: 95 χρόνια, 2 μήνες, 21 μέρες", numbers in words).
constexpr int HearingMilliseconds = 4000;

// "1 μέρα", "2 μέρες": a figure as it is said.
QString counted(const QString &figure, const QString &one, const QString &many)
{
    return figure + QLatin1Char(' ') + (figure == QStringLiteral("1") ? one : many);
}

} // namespace

NewsTeller::NewsTeller(QWidget *window, const QLineEdit *hours, std::array<const QLabel *, 3> figures,
                       std::function<bool()> mouseHolds)
    : QObject(window), m_hours(hours), m_figures(figures), m_mouseHolds(std::move(mouseHolds)),
      m_announcer(new Announcer(window)), m_afterEvent(new QTimer(this)), m_heard(new QTimer(this))
{
    m_announcer->setObjectName(QStringLiteral("announcer"));
    m_afterEvent->setSingleShot(true);
    m_afterEvent->setInterval(0);
    connect(m_afterEvent, &QTimer::timeout, this, &NewsTeller::tell);
    m_heard->setObjectName(QStringLiteral("newsHeard"));
    m_heard->setSingleShot(true);
    m_heard->setInterval(HearingMilliseconds);
    connect(m_heard, &QTimer::timeout, this, [this] { m_serviceHeard = m_serviceSaid; });
}

void NewsTeller::tellLater()
{
    if (!m_mouseHolds())
        m_afterEvent->start();
}

QString NewsTeller::serviceShown() const
{
    const auto [years, months, days] = m_figures;
    if (years->text().isEmpty())
        return {};
    return QStringList{counted(years->text(), QStringLiteral("χρόνος"), QStringLiteral("χρόνια")),
                       counted(months->text(), QStringLiteral("μήνας"), QStringLiteral("μήνες")),
                       counted(days->text(), QStringLiteral("μέρα"), QStringLiteral("μέρες"))}
        .join(QStringLiteral(", "));
}

void NewsTeller::tell()
{
    QStringList news;
    if (m_hoursWritten) {
        const QString hours = m_hours->text().isEmpty() ? QStringLiteral("0") : m_hours->text();
        news.append(counted(hours, QStringLiteral("ώρα"), QStringLiteral("ώρες")));
    }
    const QString service = serviceShown();
    const bool withService = !service.isEmpty() && (m_resultAsked || service != m_serviceHeard);
    if (withService)
        news.append(service);
    m_hoursWritten = false;
    m_resultAsked = false;
    if (news.isEmpty())
        return;
    m_announcer->say(news.join(QStringLiteral(": ")));
    // Heard once no other sentence cuts it off.
    m_serviceSaid = withService ? service : m_serviceHeard;
    m_heard->start();
}
