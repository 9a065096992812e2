// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "mainwindow/frmbasic.h"

#include "conversion/digits.h"
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "resources/pictures.h"
#include "toolkit/classicfont.h"
#include "toolkit/framebox.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/lineshape.h"
#include "toolkit/mouselabel.h"
#include "toolkit/textbox.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

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
// What each figure label shows, for those who hear the window.
const QString YearsMeaning = QStringLiteral("Χρόνια προϋπηρεσίας");
const QString MonthsMeaning = QStringLiteral("Μήνες προϋπηρεσίας");
const QString DaysMeaning = QStringLiteral("Μέρες προϋπηρεσίας");
const std::array<QString, 5> SectionCaptions{QString(), QStringLiteral("ΠΕ"), QStringLiteral("ΤΕ"),
                                             QStringLiteral("ΔΕ"), QStringLiteral("1βάθμια")};

QString numberText(std::int32_t value)
{
    return QString::fromStdString(plainDigits(value));
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

frmBasic::~frmBasic() = default;

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
    txtHours->setAccessibleName(lblHours->title());
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
    connect(cmdCalculate, &QPushButton::clicked, this, &frmBasic::cmdCalculate_Click);
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
}
