// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#pragma once

// The calculator's main window: the section choice, the hours box, the hours
// slider, the service figures with their adjusters, and the icons that open the
// formula and about windows. It owns all state of the calculation; the hours
// exist only as the text of txtHours, the service only as the three figures.

#include "mainwindow/dragarithmetic.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class FrameBox;
class IntervalTimer;
class LineShape;
class MouseActionKeys;
class MouseLabel;
class NewsTeller;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TextBox;
class frmFormula;

class frmBasic : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(frmBasic)

public:
    explicit frmBasic(QWidget *parent = nullptr);
    ~frmBasic() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The keys and accessibility actions run the window's own mouse handlers.
    friend class MouseActionKeys;

    // Section tables are indexed by the option buttons' indices, 1 to 4.
    using SectionColumn = std::array<std::int16_t, 5>;

    void createControls();
    void connectHandlers();
    bool alwaysCalculate() const;

    void Form_Load();
    void Form_Unload();
    static bool IsAllDigits(const QString &text);
    void txtHours_Change();
    void txtHours_KeyPress(int &keyAscii);
    void lblBar_MouseDown(int Button, int Shift, float X, float Y);
    void lblBar_MouseMove(int Button, int Shift, float X, float Y);
    void lblBar_MouseUp(int Button, int Shift, float X, float Y);
    void tmrBar_Timer();
    void lblMinus_MouseDown(int Button, int Shift, float X, float Y);
    void lblMinus_DblClick();
    void lblPlus_MouseDown(int Button, int Shift, float X, float Y);
    void lblPlus_DblClick();
    void optSection_Click(int Index);
    void chkAlwaysCalculate_Click();
    void cmdCalculate_Click();
    void imgInfo_Click();
    void imgAbout_Click();
    void lblDays2_MouseDown(int Button, int Shift, float X, float Y);
    void lblDays2_MouseMove(int Button, int Shift, float X, float Y);
    void lblDays2_MouseUp(int Button, int Shift, float X, float Y);
    void lblMonths2_MouseDown(int Button, int Shift, float X, float Y);
    void lblMonths2_MouseMove(int Button, int Shift, float X, float Y);
    void lblMonths2_MouseUp(int Button, int Shift, float X, float Y);
    void lblYears2_MouseDown(int Button, int Shift, float X, float Y);
    void lblYears2_MouseMove(int Button, int Shift, float X, float Y);
    void lblYears2_MouseUp(int Button, int Shift, float X, float Y);
    void UpdateHoursFromService();

    // The hours box as a number, read and written by the slider and the adjusters.
    std::optional<std::int32_t> hoursInBox() const;
    void writeHours(std::int32_t hours);
    // The hours slider's shared steps.
    void trackUpdate(float X);
    void finishStep();
    // The result adjusters' shared press.
    void startAdjusting(MouseLabel *word, const QString &draggingCaption, float X);
    void stopAdjusting(MouseLabel *word, const QString &restingCaption);
    // The service the figures show, and the chosen section's ceiling.
    Service serviceShown() const;
    Service ceiling() const;
    // Whether a mouse button holds the track or a word.
    bool mouseHoldsDrag() const;

    // The window's state record.
    QString lastValidText;
    float barCenterX = 0;
    std::int32_t barStep = 0;
    std::int16_t weeklyHours = 0;
    SectionColumn weeklyHoursTable{};
    float dragStartX = 0;
    std::int32_t startDays = 0;
    std::int32_t startMonths = 0;
    std::int32_t startYears = 0;
    std::int32_t newDays = 0;
    std::int32_t newMonths = 0;
    std::int32_t newYears = 0;
    std::int16_t maxDays = 0;
    std::int16_t maxMonths = 0;
    std::int16_t maxYears = 0;
    SectionColumn maxDaysTable{};
    SectionColumn maxMonthsTable{};
    SectionColumn maxYearsTable{};

    // Controls, in creation order.
    QCheckBox *chkAlwaysCalculate = nullptr;
    QPushButton *cmdCalculate = nullptr;
    FrameBox *frmPreviousEmployment = nullptr;
    MouseLabel *lblDays2 = nullptr;
    QLabel *lblDays = nullptr;
    MouseLabel *lblMonths2 = nullptr;
    QLabel *lblMonths = nullptr;
    MouseLabel *lblYears2 = nullptr;
    QLabel *lblYears = nullptr;
    IntervalTimer *tmrBar = nullptr;
    FrameBox *lblHours = nullptr;
    TextBox *txtHours = nullptr;
    LineShape *linBar = nullptr;
    LineShape *linBar2 = nullptr;
    MouseLabel *lblMinus = nullptr;
    MouseLabel *lblPlus = nullptr;
    MouseLabel *lblBar = nullptr;
    FrameBox *frmSection = nullptr;
    std::array<QRadioButton *, 5> optSection{}; // indices 1 to 4
    QButtonGroup *optSectionGroup = nullptr;
    MouseLabel *imgAbout = nullptr;
    MouseLabel *imgInfo = nullptr;

    // The one formula window while it is open; it destroys itself when closed.
    QPointer<frmFormula> formulaWindow;
    // The words' font at rest, which their dragging captions may not share.
    QFont restingWordFont;
    NewsTeller *news = nullptr;
};
