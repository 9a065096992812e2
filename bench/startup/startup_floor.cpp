// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// The floor Qt sets: a plain Qt Widgets window with the controls of Quorvel's
// main window (the same kinds, captions and places, Qt's default font) and
// no code of its own, with the same expose probe.
//
// Built a second time as startup_floor_fonts, with FLOOR_WITH_DESIGNED_FONTS:
// the same window with the fonts of Quorvel's design (MS Sans Serif, which
// Linux lacks and which stands in through substitutes, at two sizes), to
// show what the designed fonts cost apart from the rest of Quorvel.
#include "exposeprobe.h"

#ifdef FLOOR_WITH_DESIGNED_FONTS
#include "toolkit/classicfont.h"
#endif

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

namespace {
constexpr qreal Small = 8.25;
constexpr qreal Large = 12;

void designedFont(QWidget *widget, qreal points)
{
#ifdef FLOOR_WITH_DESIGNED_FONTS
    widget->setFont(classicFont(points));
#else
    Q_UNUSED(widget);
    Q_UNUSED(points);
#endif
}

QLabel *label(QWidget *parent, const QString &text, int x, int y, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(x, y, width, height);
    designedFont(label, Large);
    return label;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ExposeProbe probe;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(298, 225);
    designedFont(&window, Large);

    auto *automatic = new QCheckBox(QStringLiteral("Αυτόματα"), &window);
    automatic->setGeometry(216, 196, 73, 20);
    automatic->setChecked(true);
    designedFont(automatic, Small);
    auto *calculate = new QPushButton(QStringLiteral("Υπολογισμός"), &window);
    calculate->setGeometry(88, 192, 121, 25);
    calculate->setEnabled(false);
    designedFont(calculate, Small);

    auto *service = new QGroupBox(QStringLiteral("Προϋπηρεσία"), &window);
    service->setGeometry(8, 136, 281, 49);
    designedFont(service, Small);
    label(service, QStringLiteral("μέρες"), 216, 16, 57, 25);
    label(service, QString(), 184, 16, 25, 25);
    label(service, QStringLiteral("μήνες"), 120, 16, 65, 25);
    label(service, QString(), 96, 16, 25, 25);
    label(service, QStringLiteral("χρόνια"), 32, 16, 65, 25);
    label(service, QString(), 8, 16, 25, 25);
    QTimer timer;

    auto *hoursFrame = new QGroupBox(QStringLiteral("Διδακτικές ώρες"), &window);
    hoursFrame->setGeometry(8, 72, 281, 57);
    designedFont(hoursFrame, Small);
    auto *hours = new QLineEdit(hoursFrame);
    hours->setGeometry(16, 20, 57, 27);
    hours->setMaxLength(5);
    designedFont(hours, Large);
    auto *marker = new QWidget(hoursFrame);
    marker->setGeometry(180, 26, 1, 17);
    auto *centre = new QWidget(hoursFrame);
    centre->setGeometry(180, 26, 1, 17);
    label(hoursFrame, QStringLiteral("-"), 88, 24, 17, 17);
    label(hoursFrame, QStringLiteral("+"), 256, 24, 17, 17);
    QLabel *bar = label(hoursFrame, QString(), 104, 26, 153, 17);
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    designedFont(bar, Small);

    auto *sections = new QGroupBox(QStringLiteral("Κλάδος"), &window);
    sections->setGeometry(8, 8, 281, 57);
    designedFont(sections, Small);
    auto *group = new QButtonGroup(&window);
    const QString captions[] = {QStringLiteral("1βάθμια"), QStringLiteral("ΔΕ"), QStringLiteral("ΤΕ"),
                                QStringLiteral("ΠΕ")};
    const int lefts[] = {208, 144, 80, 16};
    for (int i = 0; i < 4; ++i) {
        auto *option = new QRadioButton(captions[i], sections);
        option->setGeometry(lefts[i], 24, i == 0 ? 65 : 41, 17);
        group->addButton(option, 4 - i);
        designedFont(option, Small);
    }
    label(&window, QString(), 40, 192, 23, 23);
    label(&window, QString(), 8, 192, 23, 23);

    window.show();
    return QApplication::exec();
}
