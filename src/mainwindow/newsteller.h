// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class Announcer;
class QLabel;
class QLineEdit;
class QTimer;

// What changed in the main window, said to a screen reader once each event is
// over, as one sentence: the hours where the program wrote them, then the
// service where it changed. While the mouse holds the track or a word nothing
// is said; the result follows the release.
//
// A sentence cuts off the one before it. So a new service is said again with
// every sentence until one that carries it has been left to finish: after a
// run of quick steps the last sentence still gives the service.
class NewsTeller : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(NewsTeller)

public:
    // figures: the years, months and days shown; mouseHolds: whether the
    // mouse holds a drag.
    NewsTeller(QWidget *window, const QLineEdit *hours, std::array<const QLabel *, 3> figures,
               std::function<bool()> mouseHolds);

    // The program wrote the hours box.
    void hoursWritten() { m_hoursWritten = true; }
    // The user asked for the result: it is said even where it stays the same.
    void resultAsked() { m_resultAsked = true; }
    // Says what changed once the event under way is over.
    void tellLater();

private:
    void tell();
    QString serviceShown() const;

    const QLineEdit *m_hours;
    std::array<const QLabel *, 3> m_figures;
    std::function<bool()> m_mouseHolds;
    Announcer *m_announcer;
    QTimer *m_afterEvent;
    QTimer *m_heard;
    bool m_hoursWritten = false;
    bool m_resultAsked = false;
    QString m_serviceSaid;
    QString m_serviceHeard;
};
