// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "infowindows/frmformula.h"

#include "resources/pictures.h"
#include "toolkit/accessiblefactory.h"
#include "toolkit/captionfit.h"
#include "toolkit/classicfont.h"
#include "toolkit/lineshape.h"
#include "toolkit/spokendrawing.h"
#include "toolkit/twips.h"

#include <QLabel>
#include <QScreen>

#include <cmath>

namespace {

// The designed layout, in twips.
namespace Layout {
constexpr QSize Client(4245, 3615);
constexpr QRect Label1 = rectFromTwips(360, 90, 2655, 255);
constexpr QRect Label2 = rectFromTwips(360, 420, 2655, 255);
constexpr QRect Label3 = rectFromTwips(3720, 240, 255, 255);
constexpr QRect Label4 = rectFromTwips(120, 840, 3975, 255);
constexpr QRect Label6 = rectFromTwips(120, 1320, 4095, 975);
constexpr QRect Label5 = rectFromTwips(120, 2520, 2895, 975);
// Over the fraction's labels and lines, from Label1's top to Label4's bottom.
constexpr QRect Fraction = rectFromTwips(120, 90, 3975, 1005);
} // namespace Layout

// The room left between the two windows.
constexpr float Gap = 150.0F;

QLabel *createLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                    Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(classicFont(SmallFontPoints));
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAccessibleName(caption);
    return label;
}

LineShape *createLine(QWidget *parent, const char *name, int x1, int y1, int x2, int y2)
{
    auto *line = new LineShape(parent->palette().color(QPalette::WindowText), parent);
    line->setObjectName(QLatin1String(name));
    line->setPoints(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2));
    return line;
}

int wholePixelsFromTwips(float twips)
{
    // Half a pixel goes to the even neighbour.
    return static_cast<int>(std::lrint(pixelsFromTwips(twips)));
}

} // namespace

frmFormula::frmFormula(const QWidget &mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    // Closing it destroys it; the next one is created and placed afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    Form_Load(mainWindow);
}

frmFormula::~frmFormula() = default;

void frmFormula::createControls()
{
    setObjectName(QStringLiteral("frmFormula"));
    setWindowTitle(QStringLiteral("Τύπος υπολογισμού"));
    setWindowIcon(programIcon());
    setFont(classicFont(SmallFontPoints));
    setFixedSize(pixelsFromTwips(Layout::Client.width()), pixelsFromTwips(Layout::Client.height()));

    // The fraction: hours over weekly hours, times 6, all over 25.
    Label1 = createLabel(this, "Label1", QStringLiteral("Διδακτικές ώρες"), Layout::Label1, Qt::AlignHCenter);
    Label2 =
        createLabel(this, "Label2", QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο"), Layout::Label2, Qt::AlignHCenter);
    Label3 = createLabel(this, "Label3", QStringLiteral("6"), Layout::Label3, Qt::AlignLeft);
    Label4 = createLabel(this, "Label4", QStringLiteral("25"), Layout::Label4, Qt::AlignHCenter);
    Label6 = createLabel(this, "Label6",
                         QStringLiteral("Η τελευταία διαίρεση με το 25 δίνει τους μήνες στο ακέραιο μέρος της και "
                                        "τις μέρες αν πάρουμε μόνο το δεκαδικό της μέρος, το πολλαπλασιάσουμε με το "
                                        "25 και το στρογγυλοποιήσουμε. Τα χρόνια προκύπτουν από τους μήνες (κάθε 12 "
                                        "μήνες έχουμε ένα έτος)."),
                         Layout::Label6, Qt::AlignLeft);
    Label6->setWordWrap(true);
    // Qt draws the carriage return of each line break as nothing.
    Label5 = createLabel(this, "Label5",
                         QStringLiteral("Υποχρεωτικό εβδομαδιαίο ωράριο :\r\n"
                                        "Κλάδος ΠΕ : 21\r\n"
                                        "Κλάδος ΤΕ : 22\r\n"
                                        "Κλάδος ΔΕ : 28\r\n"
                                        "Πρωτοβάθμια εκπαίδευση : 25"),
                         Layout::Label5, Qt::AlignLeft);

    Line1 = createLine(this, "Line1", 360, 360, 3000, 360);
    Line2 = createLine(this, "Line2", 3240, 240, 3480, 480);
    Line3 = createLine(this, "Line3", 3240, 480, 3480, 240);
    Line4 = createLine(this, "Line4", 120, 720, 4080, 720);
    makeReadable();
    fitCaptions(this);
}

void frmFormula::makeReadable()
{
    // A screen reader reads the drawn fraction as one sentence, which says
    // "over" and "times", where the bars and the cross are only lines; its
    // labels would read as four unrelated lines.
    Fraction = new SpokenDrawing(QStringLiteral("Διδακτικές ώρες διά υποχρεωτικό εβδομαδιαίο ωράριο, επί 6, "
                                                "και το γινόμενο διά 25"),
                                 this);
    Fraction->setObjectName(QStringLiteral("Fraction"));
    Fraction->setGeometry(Layout::Fraction);
    for (QLabel *part : {Label1, Label2, Label3, Label4})
        AccessibleFactory::hide(part);
    // The fraction, then the texts, each read when Tab reaches it: nothing else
    // here takes the focus.
    for (QLabel *text : {Label6, Label5})
        text->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Fraction, Label6);
    setTabOrder(Label6, Label5);
    Fraction->setFocus();
}

void frmFormula::Form_Load(const QWidget &mainWindow)
{
    // Positions are taken on the main window's screen, from its top-left corner.
    const QRect screen = mainWindow.screen()->geometry();
    const QRect mainFrame = mainWindow.frameGeometry();
    // Not shown yet, this window has no frame: it will get one like the main
    // window's, whose outer size counts its frame in.
    const QSize ownOuter = size() + (mainFrame.size() - mainWindow.size());

    const WindowTwips main{twipsFromPixels(mainFrame.x() - screen.x()), twipsFromPixels(mainFrame.y() - screen.y()),
                           twipsFromPixels(mainFrame.width()), twipsFromPixels(mainFrame.height())};
    // The designed position is the screen's top-left corner.
    const WindowTwips own{0.0F, 0.0F, twipsFromPixels(ownOuter.width()), twipsFromPixels(ownOuter.height())};
    const Position position = placeBeside(main, own, twipsFromPixels(screen.width()));
    move(screen.x() + wholePixelsFromTwips(position.left), screen.y() + wholePixelsFromTwips(position.top));
}

frmFormula::Position frmFormula::placeBeside(const WindowTwips &main, const WindowTwips &own, float screenWidth)
{
    // Each step is one single-precision operation, in this order.
    Position position{own.left, own.top};
    if (main.left + main.width + Gap + own.width < screenWidth) {
        position.left = main.left + main.width + Gap;
    } else {
        const float leftOfMain = main.left - Gap - own.width;
        if (leftOfMain > 0.0F)
            position.left = leftOfMain;
    }
    position.top = main.top - (own.height - main.height) / 2.0F;
    return position;
}
