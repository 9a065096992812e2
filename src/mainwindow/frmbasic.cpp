// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/frmbasic.h"

#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "conversion/servicetohours.h"
#include "infowindows/frmabout.h"
#include "infowindows/frmformula.h"
#include "mainwindow/mouseactionkeys.h"
#include "mainwindow/newsteller.h"
#include "resources/pictures.h"
#include "toolkit/captionfit.h"
#include "toolkit/classicfont.h"
#include "toolkit/framebox.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/lineshape.h"
#include "toolkit/modal.h"
#include "toolkit/mouselabel.h"
#include "toolkit/textbox.h"
#include "toolkit/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <limits>

namespace {

// The designed layout, in twips: left, top, width, height, each relative to
// its container (the window or one of its three frames).
namespace Layout {
constexpr QSize Client(4470, 3375);
constexpr QRect chkAlwaysCalculate = rectFromTwips(3240, 2940, 1095, 300);
constexpr QRect cmdCalculate = rectFromTwips(1320, 2880, 1815, 375);
constexpr QRect frmPreviousEmployment = rectFromTwips(120, 2040, 4215, 735);
constexpr QRect lblDays2 = rectFromTwips(3240, 240, 855, 375);
constexpr QRect lblDays = rectFromTwips(2760, 240, 375, 375);
constexpr QRect lblMonths2 = rectFromTwips(1800, 240, 975, 375);
constexpr QRect lblMonths = rectFromTwips(1440, 240, 375, 375);
constexpr QRect lblYears2 = rectFromTwips(480, 240, 975, 375);
constexpr QRect lblYears = rectFromTwips(120, 240, 375, 375);
constexpr QRect lblHours = rectFromTwips(120, 1080, 4215, 855);
constexpr QRect txtHours = rectFromTwips(240, 300, 855, 405);
constexpr QRect lblMinus = rectFromTwips(1320, 360, 255, 255);
constexpr QRect lblPlus = rectFromTwips(3840, 360, 255, 255);
// The track's left, top, width and height stay in twips for the slider's arithmetic.
constexpr int barLeft = 1560;
constexpr int barTop = 390;
constexpr int barWidth = 2295;
constexpr int barHeight = 255;
constexpr QRect frmSection = rectFromTwips(120, 120, 4215, 855);
constexpr std::array<QRect, 5> optSection{{
    {},
    rectFromTwips(240, 360, 615, 255),
    rectFromTwips(1200, 360, 615, 255),
    rectFromTwips(2160, 360, 615, 255),
    rectFromTwips(3120, 360, 975, 255),
}};
constexpr QRect imgAbout = rectFromTwips(600, 2880, 345, 345);
constexpr QRect imgInfo = rectFromTwips(120, 2880, 345, 345);
} // namespace Layout

const QString YearsWord = QStringLiteral("χρόνια");
const QString MonthsWord = QStringLiteral("μήνες");
const QString DaysWord = QStringLiteral("μέρες");
const QString YearsDragging = QStringLiteral("-χρόνια+");
const QString MonthsDragging = QStringLiteral("-μήνες+");
const QString DaysDragging = QStringLiteral("-μέρες+");
// What each figure label shows, for those who hear the window.
const QString YearsMeaning = QStringLiteral("Χρόνια προϋπηρεσίας");
const QString MonthsMeaning = QStringLiteral("Μήνες προϋπηρεσίας");
const QString DaysMeaning = QStringLiteral("Μέρες προϋπηρεσίας");
const std::array<QString, 5> SectionCaptions{QString(), QStringLiteral("ΠΕ"), QStringLiteral("ΤΕ"),
                                             QStringLiteral("ΔΕ"), QStringLiteral("1βάθμια")};

// Keys, as the descriptions name them.
const QString DescribedKeys = QStringLiteral(
    "Στο πλαίσιο των ωρών: βέλη πάνω και κάτω, ώρες ±1· Ctrl και βέλη πάνω και κάτω, μέρες ±1· Page Up και "
    "Page Down, μήνες ±1· Ctrl και Page Up ή Page Down, χρόνια ±1. F1: τύπος υπολογισμού. F2: πληροφορίες.");

// The slider's limits for the hours.
constexpr std::int32_t LeastHours = 0;
constexpr std::int32_t MostHours = 99999;

QString numberText(std::int32_t value)
{
    return QString::fromStdString(plainDigits(value));
}

// A figure label's number; the empty caption, before the first calculation,
// counts as 0.
std::int32_t figureShown(const QLabel *figure)
{
    return readWholeNumber(figure->text().toStdString()).value_or(0);
}

void setToolTipAndDescription(QWidget *control, const QString &toolTip)
{
    control->setToolTip(toolTip);
    control->setAccessibleDescription(toolTip);
}

MouseLabel *createWordLabel(QWidget *parent, const char *name, const QString &word, const QString &toolTip)
{
    auto *label = new MouseLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(word);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(classicFont(LargeFontPoints));
    label->setAccessibleName(word);
    setToolTipAndDescription(label, toolTip);
    return label;
}

QLabel *createFigureLabel(QWidget *parent, const char *name, const QString &meaning)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(classicFont(LargeFontPoints));
    label->setAccessibleName(meaning);
    return label;
}

// A screen reader reads a named label's name instead of its caption, so the
// name carries the figure too.
void showFigure(QLabel *label, const QString &meaning, const QString &figure)
{
    label->setText(figure);
    label->setAccessibleName(figure.isEmpty() ? meaning : QStringLiteral("%1: %2").arg(meaning, figure));
}

FrameBox *createFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new FrameBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(classicFont(SmallFontPoints));
    frame->setAccessibleName(caption);
    return frame;
}

MouseLabel *createSignLabel(QWidget *parent, const char *name, const QString &sign, const QString &toolTip)
{
    auto *label = new MouseLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(sign);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(classicFont(LargeFontPoints));
    label->setAccessibleName(toolTip);
    setToolTipAndDescription(label, toolTip);
    return label;
}

MouseLabel *createPicture(QWidget *parent, const char *name, const QIcon &picture, const QString &toolTip)
{
    auto *image = new MouseLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setPixmap(picture.pixmap(QSize(23, 23), image->devicePixelRatioF()));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setAccessibleName(toolTip);
    setToolTipAndDescription(image, toolTip);
    return image;
}

} // namespace

frmBasic::frmBasic(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    createControls();
    connectHandlers();
    Form_Load();
}

frmBasic::~frmBasic()
{
    // The formula window has no owner to take it along.
    delete formulaWindow;
}

void frmBasic::createControls()
{
    setObjectName(QStringLiteral("frmBasic"));
    setWindowTitle(QStringLiteral("Quorvel"));
    setWindowIcon(programIcon());
    setFont(classicFont(LargeFontPoints));
    setFixedSize(pixelsFromTwips(Layout::Client.width()), pixelsFromTwips(Layout::Client.height()));

    chkAlwaysCalculate = new QCheckBox(QStringLiteral("Αυτόματα"), this);
    chkAlwaysCalculate->setObjectName(QStringLiteral("chkAlwaysCalculate"));
    chkAlwaysCalculate->setGeometry(Layout::chkAlwaysCalculate);
    chkAlwaysCalculate->setFont(classicFont(SmallFontPoints));
    chkAlwaysCalculate->setChecked(true);
    chkAlwaysCalculate->setAccessibleName(chkAlwaysCalculate->text());
    setToolTipAndDescription(chkAlwaysCalculate,
                             QStringLiteral("Με ενεργοποιημένη την επιλογή αυτή ο υπολογισμός εκτελείται με κάθε "
                                            "αλλαγή που κάνετε χωρίς το πάτημα του κουμπιού"));

    cmdCalculate = new QPushButton(QStringLiteral("Υπολογισμός"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setGeometry(Layout::cmdCalculate);
    cmdCalculate->setFont(classicFont(SmallFontPoints));
    // Drawn as the default button; keyPressEvent gives it Return and Enter.
    cmdCalculate->setDefault(true);
    cmdCalculate->setAccessibleName(cmdCalculate->text());

    frmPreviousEmployment = createFrame(this, "frmPreviousEmployment", QStringLiteral("Προϋπηρεσία"));
    frmPreviousEmployment->setGeometry(Layout::frmPreviousEmployment);
    lblDays2 = createWordLabel(frmPreviousEmployment, "lblDays2", DaysWord,
                               QStringLiteral("Με πατημένο το κουμπί μετακινήστε το ποντίκι προς τα δεξιά ή "
                                              "αριστερά για να αυξήσετε ή να μειώσετε τις μέρες"));
    lblDays2->setGeometry(Layout::lblDays2);
    lblDays = createFigureLabel(frmPreviousEmployment, "lblDays", DaysMeaning);
    lblDays->setGeometry(Layout::lblDays);
    lblMonths2 = createWordLabel(frmPreviousEmployment, "lblMonths2", MonthsWord,
                                 QStringLiteral("Με πατημένο το κουμπί μετακινήστε το ποντίκι προς τα δεξιά ή "
                                                "αριστερά για να αυξήσετε ή να μειώσετε τους μήνες"));
    lblMonths2->setGeometry(Layout::lblMonths2);
    lblMonths = createFigureLabel(frmPreviousEmployment, "lblMonths", MonthsMeaning);
    lblMonths->setGeometry(Layout::lblMonths);
    lblYears2 = createWordLabel(frmPreviousEmployment, "lblYears2", YearsWord,
                                QStringLiteral("Με πατημένο το κουμπί μετακινήστε το ποντίκι προς τα δεξιά ή "
                                               "αριστερά για να αυξήσετε ή να μειώσετε τα χρόνια"));
    lblYears2->setGeometry(Layout::lblYears2);
    lblYears = createFigureLabel(frmPreviousEmployment, "lblYears", YearsMeaning);
    lblYears->setGeometry(Layout::lblYears);

    tmrBar = new IntervalTimer(this);
    tmrBar->setObjectName(QStringLiteral("tmrBar"));

    lblHours = createFrame(this, "lblHours", QStringLiteral("Διδακτικές ώρες"));
    lblHours->setGeometry(Layout::lblHours);
    txtHours = new TextBox(lblHours);
    txtHours->setObjectName(QStringLiteral("txtHours"));
    txtHours->setGeometry(Layout::txtHours);
    txtHours->setFont(classicFont(LargeFontPoints));
    txtHours->setUserMaxLength(5);
    // A phone's digit keyboard, where the platform offers one.
    txtHours->setInputMethodHints(Qt::ImhDigitsOnly);
    txtHours->setAccessibleName(lblHours->title());
    txtHours->setAccessibleDescription(DescribedKeys);
    // The designed end points are replaced by Form_Load.
    linBar = new LineShape(QColor(255, 255, 0), lblHours);
    linBar->setObjectName(QStringLiteral("linBar"));
    linBar->setPoints(2760, 240, 2760, 720);
    linBar2 = new LineShape(QColor(255, 255, 255), lblHours);
    linBar2->setObjectName(QStringLiteral("linBar2"));
    linBar2->setPoints(3000, 240, 3000, 600);
    lblMinus = createSignLabel(lblHours, "lblMinus", QStringLiteral("-"),
                               QStringLiteral("Πατήστε για να μειωθούν οι διδακτικές ώρες κατά μία ώρα"));
    lblMinus->setGeometry(Layout::lblMinus);
    lblPlus = createSignLabel(lblHours, "lblPlus", QStringLiteral("+"),
                              QStringLiteral("Πατήστε για να αυξηθούν οι διδακτικές ώρες κατά μία ώρα"));
    lblPlus->setGeometry(Layout::lblPlus);
    lblBar = new MouseLabel(lblHours);
    lblBar->setObjectName(QStringLiteral("lblBar"));
    lblBar->setGeometry(rectFromTwips(Layout::barLeft, Layout::barTop, Layout::barWidth, Layout::barHeight));
    lblBar->setFont(classicFont(SmallFontPoints));
    lblBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblBar->setLineWidth(1);
    // Transparent over the frame, in the system's window colours.
    lblBar->setBackgroundRole(QPalette::Window);
    lblBar->setForegroundRole(QPalette::WindowText);
    const QString barToolTip = QStringLiteral("Με πατημένο το ποντίκι αυξάνονται ή μειώνονται οι διδακτικές ώρες με "
                                              "ρυθμό ανάλογο με την απόσταση από το κέντρο");
    lblBar->setAccessibleName(barToolTip);
    setToolTipAndDescription(lblBar, barToolTip);
    // The marker and the centre mark stay visible over the track; the signs
    // overlap its ends.
    linBar2->raise();
    linBar->raise();
    lblMinus->raise();
    lblPlus->raise();

    frmSection = createFrame(this, "frmSection", QStringLiteral("Κλάδος"));
    frmSection->setGeometry(Layout::frmSection);
    optSectionGroup = new QButtonGroup(this);
    for (int index = LastSection; index >= FirstSection; --index) {
        auto *option = new QRadioButton(SectionCaptions.at(index), frmSection);
        option->setObjectName(QStringLiteral("optSection(%1)").arg(index));
        option->setGeometry(Layout::optSection.at(index));
        option->setFont(classicFont(SmallFontPoints));
        option->setAccessibleName(option->text());
        optSectionGroup->addButton(option, index);
        optSection.at(index) = option;
    }

    imgAbout = createPicture(this, "imgAbout", aboutPicture(), QStringLiteral("Πληροφορίες για το πρόγραμμα"));
    imgAbout->setGeometry(Layout::imgAbout);
    imgInfo = createPicture(this, "imgInfo", formulaPicture(),
                            QStringLiteral("Πατήστε στο εικονίδιο για να εμφανιστεί ο τύπος υπολογισμού"));
    imgInfo->setGeometry(Layout::imgInfo);
    imgInfo->setAccessibleDescription(imgInfo->toolTip() + QStringLiteral(" (ή πατήστε F1)"));
    imgAbout->setAccessibleDescription(imgAbout->toolTip() + QStringLiteral(" (ή πατήστε F2)"));

    // The designed tab order: the sections, the hours, Calculate, Automatic.
    setTabOrder(optSection[1], optSection[2]);
    setTabOrder(optSection[2], optSection[3]);
    setTabOrder(optSection[3], optSection[4]);
    setTabOrder(optSection[4], txtHours);
    setTabOrder(txtHours, cmdCalculate);
    setTabOrder(cmdCalculate, chkAlwaysCalculate);
    // The window opens with the focus on the first of them, not on the first
    // control created; focusing a section does not choose it.
    optSection[1]->setFocus();

    // The figures are measured at the widest each shows (the ceilings' years,
    // the most months and days), beside the words in one size; the four
    // sections share one size too.
    fitCaptions(
        this,
        {{lblYears, {QStringLiteral("95")}}, {lblMonths, {QStringLiteral("11")}}, {lblDays, {QStringLiteral("25")}}},
        {{lblYears, lblYears2, lblMonths, lblMonths2, lblDays, lblDays2},
         {optSection[1], optSection[2], optSection[3], optSection[4]}});
    restingWordFont = lblDays2->font();

    news = new NewsTeller(this, txtHours, {lblYears, lblMonths, lblDays}, [this] { return mouseHoldsDrag(); });
    // A child of the window, which it serves for the window's life.
    new MouseActionKeys(*this);
}

void frmBasic::connectHandlers()
{
    txtHours->setKeyPressFilter([this](int &keyAscii) { txtHours_KeyPress(keyAscii); });
    connect(txtHours, &QLineEdit::textChanged, this, &frmBasic::txtHours_Change);
    connect(optSectionGroup, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSection_Click(index);
    });
    connect(chkAlwaysCalculate, &QCheckBox::toggled, this, &frmBasic::chkAlwaysCalculate_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, [this] {
        // Asked for, the result is said even where it stays the same.
        news->resultAsked();
        cmdCalculate_Click();
        news->tellLater();
    });
    connect(imgInfo, &MouseLabel::click, this, &frmBasic::imgInfo_Click);
    connect(imgAbout, &MouseLabel::click, this, &frmBasic::imgAbout_Click);
    // The keyboard's ways to the formula and the about window, from anywhere
    // in the window.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &frmBasic::imgInfo_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, &frmBasic::imgAbout_Click);

    connect(lblBar, &MouseLabel::mouseDown, this, &frmBasic::lblBar_MouseDown);
    connect(lblBar, &MouseLabel::mouseMove, this, &frmBasic::lblBar_MouseMove);
    connect(lblBar, &MouseLabel::mouseUp, this, &frmBasic::lblBar_MouseUp);
    connect(tmrBar, &IntervalTimer::timer, this, &frmBasic::tmrBar_Timer);
    connect(lblMinus, &MouseLabel::mouseDown, this, &frmBasic::lblMinus_MouseDown);
    connect(lblMinus, &MouseLabel::dblClick, this, &frmBasic::lblMinus_DblClick);
    connect(lblPlus, &MouseLabel::mouseDown, this, &frmBasic::lblPlus_MouseDown);
    connect(lblPlus, &MouseLabel::dblClick, this, &frmBasic::lblPlus_DblClick);

    connect(lblDays2, &MouseLabel::mouseDown, this, &frmBasic::lblDays2_MouseDown);
    connect(lblDays2, &MouseLabel::mouseMove, this, &frmBasic::lblDays2_MouseMove);
    connect(lblDays2, &MouseLabel::mouseUp, this, &frmBasic::lblDays2_MouseUp);
    connect(lblMonths2, &MouseLabel::mouseDown, this, &frmBasic::lblMonths2_MouseDown);
    connect(lblMonths2, &MouseLabel::mouseMove, this, &frmBasic::lblMonths2_MouseMove);
    connect(lblMonths2, &MouseLabel::mouseUp, this, &frmBasic::lblMonths2_MouseUp);
    connect(lblYears2, &MouseLabel::mouseDown, this, &frmBasic::lblYears2_MouseDown);
    connect(lblYears2, &MouseLabel::mouseMove, this, &frmBasic::lblYears2_MouseMove);
    connect(lblYears2, &MouseLabel::mouseUp, this, &frmBasic::lblYears2_MouseUp);
}

bool frmBasic::alwaysCalculate() const
{
    return chkAlwaysCalculate->isChecked();
}

void frmBasic::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmBasic::keyPressEvent(QKeyEvent *event)
{
    // Outside a dialog Qt has no default button: Return and Enter reach it here
    // from whichever control has the focus.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && cmdCalculate->isEnabled()) {
        cmdCalculate->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmBasic::Form_Load()
{
    lastValidText = txtHours->text();

    barCenterX = static_cast<float>(Layout::barWidth) / 2.0F + static_cast<float>(Layout::barLeft);
    linBar->setPoints(barCenterX, static_cast<float>(Layout::barTop), barCenterX,
                      static_cast<float>(Layout::barHeight + Layout::barTop));
    linBar2->setPoints(linBar->x1(), linBar->y1(), linBar->x2(), linBar->y2());

    for (int index = FirstSection; index <= LastSection; ++index) {
        const SectionRow &row = sectionRow(static_cast<std::int16_t>(index));
        weeklyHoursTable.at(index) = row.weeklyHours;
        maxYearsTable.at(index) = row.maxYears;
        maxMonthsTable.at(index) = row.maxMonths;
        maxDaysTable.at(index) = row.maxDays;
    }

    chkAlwaysCalculate_Click();

    for (MouseLabel *word : {lblDays2, lblMonths2, lblYears2})
        word->setCursor(Qt::SizeHorCursor);
}

void frmBasic::Form_Unload()
{
    // Ends the program at once; any other open window closes with it.
    QApplication::quit();
}

bool frmBasic::IsAllDigits(const QString &text)
{
    const QStringView view(text);
    return ::IsAllDigits(std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size())));
}

void frmBasic::txtHours_Change()
{
    if (!IsAllDigits(txtHours->text()))
        txtHours->setText(lastValidText); // runs this handler again, for the valid text
    else
        lastValidText = txtHours->text();
    if (alwaysCalculate())
        cmdCalculate_Click();
}

void frmBasic::txtHours_KeyPress(int &keyAscii)
{
    constexpr int Backspace = 8;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != Backspace)
        keyAscii = 0;
}

// The hours slider. Every step reads the hours back from the box and writes
// them there: the box's change handling validates and converts them.

void frmBasic::lblBar_MouseDown(int /*Button*/, int /*Shift*/, float X, float /*Y*/)
{
    trackUpdate(X);
}

void frmBasic::lblBar_MouseMove(int Button, int /*Shift*/, float X, float /*Y*/)
{
    if (Button != 0)
        trackUpdate(X);
}

void frmBasic::lblBar_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    linBar->setX(barCenterX);
    tmrBar->setInterval(0);
    news->tellLater();
}

void frmBasic::tmrBar_Timer()
{
    // A tick that was due when the release stopped the timer does nothing.
    if (tmrBar->interval() == 0)
        return;
    const std::optional<std::int32_t> hours = hoursInBox();
    if (!hours)
        return;
    writeHours(barSteppedHours(*hours, barStep));
    finishStep();
}

void frmBasic::lblMinus_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    const std::optional<std::int32_t> hours = hoursInBox();
    if (!hours)
        return;
    writeHours(*hours == LeastHours ? LeastHours : *hours - 1);
    finishStep();
}

void frmBasic::lblMinus_DblClick()
{
    lblMinus_MouseDown(0, 0, 0, 0);
}

void frmBasic::lblPlus_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    const std::optional<std::int32_t> hours = hoursInBox();
    if (!hours)
        return;
    // Hours above the limit, written by the adjusters, still go up by one.
    const bool atLimit = *hours == MostHours || *hours == std::numeric_limits<std::int32_t>::max();
    writeHours(atLimit ? *hours : *hours + 1);
    finishStep();
}

void frmBasic::lblPlus_DblClick()
{
    lblPlus_MouseDown(0, 0, 0, 0);
}

void frmBasic::trackUpdate(float X)
{
    // The track's place is read from the control, in twips.
    const float barLeft = twipsFromPixels(lblBar->x());
    const float barWidth = twipsFromPixels(lblBar->width());
    const float markerX = barMarkerX(barLeft, barWidth, X);
    linBar->setX(markerX);
    const float offset = markerX - barCenterX;
    tmrBar->setInterval(barInterval(offset));
    barStep = ::barStep(offset);
}

std::optional<std::int32_t> frmBasic::hoursInBox() const
{
    // The box holds digits only; nothing but a number beyond 32 bits, which
    // no step writes, could fail to read, and such hours are left alone.
    return readWholeNumber(txtHours->text().toStdString());
}

void frmBasic::writeHours(std::int32_t hours)
{
    // Runs txtHours_Change, and with it the calculation when automatic, before
    // it returns.
    txtHours->setText(numberText(hours));
    news->hoursWritten();
    news->tellLater();
}

void frmBasic::finishStep()
{
    // Also when the written text was already there and raised no change.
    if (alwaysCalculate())
        cmdCalculate_Click();
}

void frmBasic::optSection_Click(int Index)
{
    weeklyHours = weeklyHoursTable.at(Index);
    maxDays = maxDaysTable.at(Index);
    maxMonths = maxMonthsTable.at(Index);
    maxYears = maxYearsTable.at(Index);
    if (alwaysCalculate())
        cmdCalculate_Click();
}

void frmBasic::chkAlwaysCalculate_Click()
{
    cmdCalculate->setEnabled(!alwaysCalculate());
    if (alwaysCalculate())
        cmdCalculate_Click();
}

void frmBasic::cmdCalculate_Click()
{
    if (weeklyHours == 0)
        return;
    const std::optional<ServiceResult> result = HoursToService(txtHours->text().toStdString(), weeklyHours);
    if (!result) {
        // Hours beyond what the figures can hold: show none rather than stale ones.
        showFigure(lblDays, DaysMeaning, QString());
        showFigure(lblMonths, MonthsMeaning, QString());
        showFigure(lblYears, YearsMeaning, QString());
        return;
    }
    showFigure(lblDays, DaysMeaning, numberText(result->days));
    showFigure(lblMonths, MonthsMeaning, numberText(result->months));
    showFigure(lblYears, YearsMeaning, numberText(result->years));
    news->tellLater();
}

void frmBasic::imgInfo_Click()
{
    // One formula window: created and placed on first use, later only brought
    // back to the front where the user left it.
    if (!formulaWindow)
        formulaWindow = new frmFormula(*this);
    formulaWindow->setWindowState(formulaWindow->windowState() & ~Qt::WindowMinimized);
    Modal::showWindow(formulaWindow);
    formulaWindow->raise();
    formulaWindow->activateWindow();
}

void frmBasic::imgAbout_Click()
{
    // Created afresh for each showing, centred on this window.
    Modal::showDialog(new frmAbout(this));
}

// The result adjusters. A press records the figures shown; each move with a
// button held sets one field from them and the travel, holds it to the
// section's ceiling, and converts the new service back into hours.

void frmBasic::startAdjusting(MouseLabel *word, const QString &draggingCaption, float X)
{
    dragStartX = X;
    const Service shown = serviceShown();
    startDays = shown.days;
    startMonths = shown.months;
    startYears = shown.years;
    // The dragging caption is wider than the word; where the word's size
    // leaves it no room, it alone is set smaller, for as long as it shows.
    word->setFont(fittedFont(word, draggingCaption));
    word->setText(draggingCaption);
}

void frmBasic::stopAdjusting(MouseLabel *word, const QString &restingCaption)
{
    word->setText(restingCaption);
    word->setFont(restingWordFont);
    news->tellLater();
}

Service frmBasic::serviceShown() const
{
    return {figureShown(lblYears), figureShown(lblMonths), figureShown(lblDays)};
}

Service frmBasic::ceiling() const
{
    return {maxYears, maxMonths, maxDays};
}

bool frmBasic::mouseHoldsDrag() const
{
    return lblBar->isHeld() || lblYears2->isHeld() || lblMonths2->isHeld() || lblDays2->isHeld();
}

void frmBasic::lblDays2_MouseDown(int /*Button*/, int /*Shift*/, float X, float /*Y*/)
{
    startAdjusting(lblDays2, DaysDragging, X);
}

void frmBasic::lblDays2_MouseMove(int Button, int /*Shift*/, float X, float /*Y*/)
{
    if (Button == 0)
        return;
    newDays = adjustedDays(draggedFigure(startDays, dragStartX, X), {startYears, startMonths, startDays}, ceiling());
    newMonths = startMonths;
    newYears = startYears;
    UpdateHoursFromService();
}

void frmBasic::lblDays2_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    stopAdjusting(lblDays2, DaysWord);
}

void frmBasic::lblMonths2_MouseDown(int /*Button*/, int /*Shift*/, float X, float /*Y*/)
{
    startAdjusting(lblMonths2, MonthsDragging, X);
}

void frmBasic::lblMonths2_MouseMove(int Button, int /*Shift*/, float X, float /*Y*/)
{
    if (Button == 0)
        return;
    newMonths =
        adjustedMonths(draggedFigure(startMonths, dragStartX, X), {startYears, startMonths, startDays}, ceiling());
    newDays = startDays;
    newYears = startYears;
    UpdateHoursFromService();
}

void frmBasic::lblMonths2_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    stopAdjusting(lblMonths2, MonthsWord);
}

void frmBasic::lblYears2_MouseDown(int /*Button*/, int /*Shift*/, float X, float /*Y*/)
{
    startAdjusting(lblYears2, YearsDragging, X);
}

void frmBasic::lblYears2_MouseMove(int Button, int /*Shift*/, float X, float /*Y*/)
{
    if (Button == 0)
        return;
    newYears = adjustedYears(draggedFigure(startYears, dragStartX, X), {startYears, startMonths, startDays}, ceiling());
    newDays = startDays;
    newMonths = startMonths;
    UpdateHoursFromService();
}

void frmBasic::lblYears2_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    stopAdjusting(lblYears2, YearsWord);
}

void frmBasic::UpdateHoursFromService()
{
    const std::optional<std::int32_t> hours = ServiceToHours(newYears, newMonths, newDays, weeklyHours);
    // Hours beyond 32 bits cannot come from figures the window shows; the box
    // and the figures are then left as they are.
    if (!hours)
        return;
    writeHours(*hours);
    // With automatic calculation on, the write has converted the hours already.
    if (!alwaysCalculate())
        cmdCalculate_Click();
}
