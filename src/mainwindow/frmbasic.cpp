// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/frmbasic.h"

#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "conversion/servicetohours.h"
#include "infowindows/frmabout.h"
#include "infowindows/frmformula.h"
#include "mainwindow/dragarithmetic.h"
#include "resources/pictures.h"
#include "toolkit/announcer.h"
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
#include <QTimer>

#include <algorithm>
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

// One unit of a word drag, in twips of travel.
constexpr float TwipsPerUnit = 60.0F;
// Where a press beside the track's centre steps by one hour.
constexpr float OneHourOffset = 7.5F;

// The slider's limits for the hours.
constexpr std::int32_t LeastHours = 0;
constexpr std::int32_t MostHours = 99999;
// The adjusters' limits: days run to 25 (a result can show 25 days) and are
// never carried into a month, nor months into a year.
constexpr std::int32_t MostDays = 25;
constexpr std::int32_t MostMonths = 11;

QString numberText(std::int32_t value)
{
    return QString::fromStdString(plainDigits(value));
}

// "1 μέρα", "2 μέρες": a figure as it is said.
QString counted(const QString &figure, const QString &one, const QString &many)
{
    return figure + QLatin1Char(' ') + (figure == QStringLiteral("1") ? one : many);
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

    announcer = new Announcer(this);
    announcer->setObjectName(QStringLiteral("announcer"));
    newsTimer = new QTimer(this);
    newsTimer->setSingleShot(true);
    newsTimer->setInterval(0);
}

void frmBasic::connectHandlers()
{
    txtHours->setKeyPressFilter([this](int &keyAscii) { txtHours_KeyPress(keyAscii); });
    // Before the box and the words: the box would take Ctrl+Up and Ctrl+Down
    // for moves of its cursor.
    for (QWidget *control : std::initializer_list<QWidget *>{txtHours, lblYears2, lblMonths2, lblDays2})
        control->installEventFilter(this);
    connect(txtHours, &QLineEdit::textChanged, this, &frmBasic::txtHours_Change);
    connect(optSectionGroup, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSection_Click(index);
    });
    connect(chkAlwaysCalculate, &QCheckBox::toggled, this, &frmBasic::chkAlwaysCalculate_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, [this] {
        // Asked for, the result is said even where it stays the same.
        serviceToTell = true;
        cmdCalculate_Click();
        tellLater();
    });
    connect(imgInfo, &MouseLabel::click, this, &frmBasic::imgInfo_Click);
    connect(imgAbout, &MouseLabel::click, this, &frmBasic::imgAbout_Click);
    // The keyboard's ways to the formula and the about window, from anywhere
    // in the window.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &frmBasic::imgInfo_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, &frmBasic::imgAbout_Click);
    connect(newsTimer, &QTimer::timeout, this, &frmBasic::tellNews);
    connectAccessibleActions();

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

bool frmBasic::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && keyStepsService(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool frmBasic::keyStepsService(const QKeyEvent *event)
{
    // In the hours box, and on a word that took the focus from an assistive
    // technology: for those who work without a mouse, these keys step the
    // hours as the signs do, and the service as the words' drags do.
    MouseLabel *focusedWord = nullptr;
    for (MouseLabel *word : {lblYears2, lblMonths2, lblDays2}) {
        if (word->hasFocus())
            focusedWord = word;
    }
    if (!txtHours->hasFocus() && focusedWord == nullptr)
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool control = modifiers == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int direction = event->key() == Qt::Key_Up ? 1 : -1;
        if (plain && direction > 0)
            lblPlus_MouseDown(1, 0, 0, 0);
        else if (plain)
            lblMinus_MouseDown(1, 0, 0, 0);
        else if (control)
            stepWord(lblDays2, direction);
        else
            return false;
        return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int direction = event->key() == Qt::Key_PageUp ? 1 : -1;
        if (!plain && !control)
            return false;
        stepWord(control ? lblYears2 : lblMonths2, direction);
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (focusedWord == nullptr || !plain)
            return false;
        stepWord(focusedWord, event->key() == Qt::Key_Right ? 1 : -1);
        return true;
    default:
        return false;
    }
}

void frmBasic::connectAccessibleActions()
{
    lblPlus->setAccessibleRole(QAccessible::Button);
    lblPlus->addAccessibleAction(
        QAccessibleActionInterface::pressAction(), [this] { lblPlus_MouseDown(1, 0, 0, 0); }, QStringLiteral("Up"));
    lblMinus->setAccessibleRole(QAccessible::Button);
    lblMinus->addAccessibleAction(
        QAccessibleActionInterface::pressAction(), [this] { lblMinus_MouseDown(1, 0, 0, 0); }, QStringLiteral("Down"));
    lblBar->setAccessibleRole(QAccessible::Slider);
    lblBar->addAccessibleAction(QAccessibleActionInterface::increaseAction(), [this] { stepTrack(1); });
    lblBar->addAccessibleAction(QAccessibleActionInterface::decreaseAction(), [this] { stepTrack(-1); });
    const std::pair<MouseLabel *, QString> words[] = {{lblDays2, QStringLiteral("Ctrl+Up")},
                                                      {lblMonths2, QStringLiteral("Page Up")},
                                                      {lblYears2, QStringLiteral("Ctrl+Page Up")}};
    for (const auto &[word, keys] : words) {
        MouseLabel *adjuster = word;
        QString down = keys;
        down.replace(QStringLiteral("Up"), QStringLiteral("Down"));
        adjuster->addAccessibleAction(
            QAccessibleActionInterface::increaseAction(), [this, adjuster] { stepWord(adjuster, 1); }, keys);
        adjuster->addAccessibleAction(
            QAccessibleActionInterface::decreaseAction(), [this, adjuster] { stepWord(adjuster, -1); }, down);
        // Focused, a word steps with Left and Right too; it is no tab stop.
        adjuster->addAccessibleAction(QAccessibleActionInterface::setFocusAction(),
                                      [adjuster] { adjuster->setFocus(Qt::OtherFocusReason); });
        adjuster->setAccessibleDescription(adjuster->toolTip() + QStringLiteral(". Βέλη αριστερά και δεξιά, ή ") +
                                           keys + QStringLiteral(" και ") + down + QStringLiteral(", ±1."));
    }
    // The windows open once the action has answered: the about window's own
    // event loop would hold the answer until it closes.
    imgInfo->setAccessibleRole(QAccessible::Button);
    imgInfo->addAccessibleAction(
        QAccessibleActionInterface::pressAction(),
        [this] { QMetaObject::invokeMethod(this, &frmBasic::imgInfo_Click, Qt::QueuedConnection); },
        QStringLiteral("F1"));
    imgAbout->setAccessibleRole(QAccessible::Button);
    imgAbout->addAccessibleAction(
        QAccessibleActionInterface::pressAction(),
        [this] { QMetaObject::invokeMethod(this, &frmBasic::imgAbout_Click, Qt::QueuedConnection); },
        QStringLiteral("F2"));
}

void frmBasic::stepTrack(int direction)
{
    // A press just beside the centre, held for one tick.
    const float X = barCenterX - twipsFromPixels(lblBar->x()) + OneHourOffset * static_cast<float>(direction);
    lblBar_MouseDown(1, 0, X, 0);
    tmrBar_Timer();
    lblBar_MouseUp(1, 0, X, 0);
}

void frmBasic::stepWord(MouseLabel *word, int units)
{
    // A press, a move of the units' travel and a release, as a drag makes them.
    using Handler = void (frmBasic::*)(int, int, float, float);
    struct Handlers
    {
        Handler down;
        Handler move;
        Handler up;
    };
    const Handlers handlers =
        word == lblDays2
            ? Handlers{&frmBasic::lblDays2_MouseDown, &frmBasic::lblDays2_MouseMove, &frmBasic::lblDays2_MouseUp}
        : word == lblMonths2
            ? Handlers{&frmBasic::lblMonths2_MouseDown, &frmBasic::lblMonths2_MouseMove, &frmBasic::lblMonths2_MouseUp}
            : Handlers{&frmBasic::lblYears2_MouseDown, &frmBasic::lblYears2_MouseMove, &frmBasic::lblYears2_MouseUp};
    const float travel = TwipsPerUnit * static_cast<float>(units);
    (this->*handlers.down)(1, 0, 0, 0);
    (this->*handlers.move)(1, 0, travel, 0);
    (this->*handlers.up)(1, 0, travel, 0);
}

void frmBasic::tellLater()
{
    if (tmrBar->interval() == 0 && !adjusting)
        newsTimer->start();
}

void frmBasic::tellNews()
{
    QStringList news;
    if (hoursWritten) {
        const QString hours = txtHours->text().isEmpty() ? QStringLiteral("0") : txtHours->text();
        news.append(counted(hours, QStringLiteral("ώρα"), QStringLiteral("ώρες")));
    }
    const QString service =
        lblYears->text().isEmpty()
            ? QString()
            : QStringList{counted(lblYears->text(), QStringLiteral("χρόνος"), QStringLiteral("χρόνια")),
                          counted(lblMonths->text(), QStringLiteral("μήνας"), QStringLiteral("μήνες")),
                          counted(lblDays->text(), QStringLiteral("μέρα"), QStringLiteral("μέρες"))}
                  .join(QStringLiteral(", "));
    if (!service.isEmpty() && (serviceToTell || service != serviceTold)) {
        news.append(service);
        serviceTold = service;
    }
    hoursWritten = false;
    serviceToTell = false;
    if (!news.isEmpty())
        announcer->say(news.join(QStringLiteral(": ")));
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
    tellLater();
}

void frmBasic::tmrBar_Timer()
{
    // A tick that was due when the release stopped the timer does nothing.
    if (tmrBar->interval() == 0)
        return;
    const std::optional<std::int32_t> hours = hoursInBox();
    if (!hours)
        return;
    // In 64 bits: hours written by the adjusters may lie beyond the limits.
    const std::int64_t sum = std::int64_t{*hours} + barStep;
    writeHours(static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, LeastHours, MostHours)));
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
    hoursWritten = true;
    tellLater();
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
    tellLater();
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
    startDays = figureShown(lblDays);
    startMonths = figureShown(lblMonths);
    startYears = figureShown(lblYears);
    // The dragging caption is wider than the word; where the word's size
    // leaves it no room, it alone is set smaller, for as long as it shows.
    word->setFont(fittedFont(word, draggingCaption));
    word->setText(draggingCaption);
    adjusting = true;
}

void frmBasic::stopAdjusting(MouseLabel *word, const QString &restingCaption)
{
    word->setText(restingCaption);
    word->setFont(restingWordFont);
    adjusting = false;
    tellLater();
}

void frmBasic::lblDays2_MouseDown(int /*Button*/, int /*Shift*/, float X, float /*Y*/)
{
    startAdjusting(lblDays2, DaysDragging, X);
}

void frmBasic::lblDays2_MouseMove(int Button, int /*Shift*/, float X, float /*Y*/)
{
    if (Button == 0)
        return;
    newDays = draggedFigure(startDays, dragStartX, X);
    if (newDays > MostDays)
        newDays = MostDays;
    if (startYears >= maxYears && startMonths >= maxMonths && newDays > maxDays)
        newDays = maxDays;
    if (newDays < 0)
        newDays = 0;
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
    newMonths = draggedFigure(startMonths, dragStartX, X);
    if (newMonths > MostMonths)
        newMonths = MostMonths;
    // The days play no part: the ceiling's months with more days than the
    // ceiling's pass, and their hours may run to six digits, which the box
    // keeps whole.
    if (startYears >= maxYears && newMonths > maxMonths)
        newMonths = maxMonths;
    if (newMonths < 0)
        newMonths = 0;
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
    newYears = draggedFigure(startYears, dragStartX, X);
    if (newYears > maxYears)
        newYears = maxYears;
    // The ceiling's years with months and days beyond the ceiling's would lie
    // above it: a year less.
    const bool beyondCeiling = startMonths > maxMonths || (startMonths == maxMonths && startDays > maxDays);
    if (newYears == maxYears && beyondCeiling)
        newYears = maxYears - 1;
    if (newYears < 0)
        newYears = 0;
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
