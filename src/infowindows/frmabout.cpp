// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "infowindows/frmabout.h"

#include "resources/pictures.h"
#include "toolkit/captionfit.h"
#include "toolkit/classicfont.h"
#include "toolkit/clipboard.h"
#include "toolkit/linkopener.h"
#include "toolkit/modal.h"
#include "toolkit/mouselabel.h"
#include "toolkit/popupmenu.h"
#include "toolkit/taskbar.h"
#include "toolkit/twips.h"
#include "toolkit/versioninfo.h"
#include "toolkit/windowframe.h"

#include <QAccessible>
#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {

// The designed layout, in twips.
namespace Layout {
constexpr QSize Client(3495, 1335);
constexpr QRect lblProductName = rectFromTwips(120, 120, 3225, 195);
constexpr QRect lblName = rectFromTwips(120, 480, 3225, 195);
constexpr QRect lblEmail = rectFromTwips(1125, 720, 1215, 195);
constexpr QRect lblWebSite = rectFromTwips(735, 960, 1995, 195);
constexpr QRect imgCursorPoint = rectFromTwips(2880, 720, 480, 480);
// Every label's centre lies 1732.5 twips from the left; twice that, in pixels.
constexpr int AxisTwice = 3465 / TwipsPerPixel;
} // namespace Layout

// The maker, under a domain reserved for examples. The addresses come from the
// top CMakeLists.txt, which checks that the manual page gives the same.
const QString MakerName = QStringLiteral("Οι δημιουργοί του Quorvel");
const QString MakerEmail = QStringLiteral(QUORVEL_MAKER_EMAIL);
const QString MakerWebSite = QStringLiteral(QUORVEL_MAKER_WEBSITE);

// Mouse button codes of MouseLabel::mouseDown.
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

// The hand pointer's hot spot: the tip of the index finger.
constexpr QPoint HandHotSpot(5, 1);

// Links are pure blue. On a dark window background pure blue can hardly be
// read, so there they take a light blue instead.
QColor linkColour(const QPalette &palette)
{
    constexpr int DarkBelow = 128;
    return palette.color(QPalette::Window).lightness() < DarkBelow ? QColor(138, 180, 255) : QColor(0, 0, 255);
}

QLabel *createLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(classicFont(SmallFontPoints));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

MouseLabel *createLink(QWidget *parent, const char *name, const QString &address, const QRect &geometry,
                       const QString &toolTip)
{
    auto *link = new MouseLabel(parent);
    link->setObjectName(QLatin1String(name));
    link->setTextFormat(Qt::PlainText);
    link->setGeometry(geometry);
    link->setFont(classicFont(SmallFontPoints));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setText(address);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, linkColour(palette));
    link->setPalette(palette);
    link->setToolTip(toolTip);
    link->setAccessibleName(address);
    link->setAccessibleDescription(toolTip);
    link->setAccessibleRole(QAccessible::Link);
    // Reached with Tab; a click leaves the focus where it was.
    link->setFocusPolicy(Qt::TabFocus);
    return link;
}

QAction *createItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    createControls();
    connectHandlers();
    connectAccessibleActions();
    Form_Load();
    // Once the product line is in place.
    fitCaptions(this);
    centreOnOwner();
    keepOutOfTaskbar(*this);
}

frmAbout::~frmAbout() = default;

QString frmAbout::productLine(const VersionInfo &version)
{
    // QString::number writes plain digits whatever the locale.
    return version.productName + QLatin1Char(' ') + QString::number(version.versionMajor) + QLatin1Char('.') +
           QString::number(version.versionMinor) + QLatin1Char('.') + QString::number(version.versionRevision);
}

QString frmAbout::mailLink(const QString &address, const QString &subject)
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + subject;
}

void frmAbout::createControls()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Πληροφορίες"));
    setWindowIcon(programIcon());
    setFont(classicFont(SmallFontPoints));
    setFixedSize(pixelsFromTwips(Layout::Client.width()), pixelsFromTwips(Layout::Client.height()));

    lblProductName = createLabel(this, "lblProductName", Layout::lblProductName);
    lblProductName->setFont(classicFont(SmallFontPoints, true));
    lblName = createLabel(this, "lblName", Layout::lblName);
    lblName->setText(MakerName);
    lblName->setAccessibleName(MakerName);
    lblEmail =
        createLink(this, "lblEmail", MakerEmail, Layout::lblEmail, QStringLiteral("Αποστολή ηλεκτρονικού μηνύματος"));
    placeLink(lblEmail);
    lblWebSite = createLink(this, "lblWebSite", MakerWebSite, Layout::lblWebSite, QStringLiteral("Μετάβαση"));
    placeLink(lblWebSite);

    imgCursorPoint = new QLabel(this);
    imgCursorPoint->setObjectName(QStringLiteral("imgCursorPoint"));
    imgCursorPoint->setGeometry(Layout::imgCursorPoint);
    imgCursorPoint->setPixmap(handPointerPicture());
    imgCursorPoint->hide();

    // Top-level menus that the window never shows as a menu bar: they pop up
    // over the links.
    M_Email = new PopupMenu(QStringLiteral("Email"), this);
    M_Email->setObjectName(QStringLiteral("M_Email"));
    M_SendEMail = createItem(M_Email, "M_SendEMail", QStringLiteral("Αποστολή μηνύματος"));
    M_CopyEMail = createItem(M_Email, "M_CopyEMail", QStringLiteral("Αντιγραφή διεύθυνσης"));
    M_WebSite = new PopupMenu(QStringLiteral("WebSite"), this);
    M_WebSite->setObjectName(QStringLiteral("M_WebSite"));
    M_GotoWebSite = createItem(M_WebSite, "M_GotoWebSite", QStringLiteral("Μετάβαση στη διεύθυνση"));
    M_CopyWebSite = createItem(M_WebSite, "M_CopyWebSite", QStringLiteral("Αντιγραφή διεύθυνσης"));
}

void frmAbout::placeLink(MouseLabel *link)
{
    // Sized to its text, whatever the address, and centred on the labels'
    // common vertical. An odd width puts the centre on it exactly.
    int width = link->sizeHint().width();
    width += 1 - width % 2;
    const QRect designed = link->geometry();
    link->setGeometry((Layout::AxisTwice - width) / 2, designed.top(), width, designed.height());
}

void frmAbout::centreOnOwner()
{
    // Without an owner Qt centres it on the screen.
    const QWidget *owner = parentWidget();
    if (!owner)
        return;
    // The outer frames, title bars included, share their centre. Not shown
    // yet, this window has no frame: it will get one like its owner's. Placed
    // before it is shown, the position is its frame's.
    const WindowFrame ownerFrame(*owner);
    const QRectF ownerOuter = ownerFrame.outer();
    const QSizeF outer = ownerFrame.outerSize(size());
    move(ownerFrame.positionFor(ownerOuter.topLeft() + QPointF((ownerOuter.width() - outer.width()) / 2,
                                                               (ownerOuter.height() - outer.height()) / 2)));
}

void frmAbout::connectHandlers()
{
    connect(lblEmail, &MouseLabel::mouseDown, this, &frmAbout::lblEmail_MouseDown);
    connect(lblWebSite, &MouseLabel::mouseDown, this, &frmAbout::lblWebSite_MouseDown);
    connect(M_SendEMail, &QAction::triggered, this, &frmAbout::M_SendEMail_Click);
    connect(M_CopyEMail, &QAction::triggered, this, &frmAbout::M_CopyEMail_Click);
    connect(M_GotoWebSite, &QAction::triggered, this, &frmAbout::M_GotoWebSite_Click);
    connect(M_CopyWebSite, &QAction::triggered, this, &frmAbout::M_CopyWebSite_Click);
}

void frmAbout::connectAccessibleActions()
{
    // The menu opens once the action has answered: its own event loop would
    // hold the answer until it closes.
    const auto menuAt = [this](MouseLabel *link) {
        QMetaObject::invokeMethod(
            this, [this, link] { keyPressOn(link, RightButton); }, Qt::QueuedConnection);
    };
    lblEmail->addAccessibleAction(
        QAccessibleActionInterface::pressAction(), [this] { keyPressOn(lblEmail, LeftButton); },
        QStringLiteral("Enter"));
    lblEmail->addAccessibleAction(
        QAccessibleActionInterface::showMenuAction(), [menuAt, this] { menuAt(lblEmail); }, QStringLiteral("Menu"));
    lblWebSite->addAccessibleAction(
        QAccessibleActionInterface::pressAction(), [this] { keyPressOn(lblWebSite, LeftButton); },
        QStringLiteral("Enter"));
    lblWebSite->addAccessibleAction(
        QAccessibleActionInterface::showMenuAction(), [menuAt, this] { menuAt(lblWebSite); }, QStringLiteral("Menu"));
}

void frmAbout::keyPressOn(MouseLabel *link, int button)
{
    // Pops a menu up under the link's left edge, as a press there would.
    const float y = twipsFromPixels(link->height());
    // From the keyboard, the menu opens on its default item, which a screen
    // reader then reads; the mouse's menu opens with none.
    menuFromKeyboard = true;
    if (link == lblEmail)
        lblEmail_MouseDown(button, 0, 0, y);
    else
        lblWebSite_MouseDown(button, 0, 0, y);
    menuFromKeyboard = false;
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    MouseLabel *link = lblEmail->hasFocus() ? lblEmail : lblWebSite->hasFocus() ? lblWebSite : nullptr;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (link != nullptr && modifiers == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        keyPressOn(link, LeftButton);
        return;
    }
    const bool menuKey = (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
                         (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
    if (link != nullptr && menuKey) {
        keyPressOn(link, RightButton);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::popUp(QMenu *menu, QAction *defaultItem, const QWidget *control, float x, float y) const
{
    // The default item is drawn in bold.
    menu->setDefaultAction(defaultItem);
    if (menuFromKeyboard)
        QTimer::singleShot(0, menu, [menu, defaultItem] { menu->setActiveAction(defaultItem); });
    Modal::popUpMenu(menu, control->mapToGlobal(QPointF(pixelsFromTwips(x), pixelsFromTwips(y))).toPoint());
}

void frmAbout::Form_Load()
{
    lblProductName->setText(productLine(VersionInfo::application()));
    lblProductName->setAccessibleName(lblProductName->text());
    // What a screen reader says of the window as it opens, after its caption.
    setAccessibleDescription(lblProductName->text());
    const QCursor hand(imgCursorPoint->pixmap(), HandHotSpot.x(), HandHotSpot.y());
    lblEmail->setCursor(hand);
    lblWebSite->setCursor(hand);
}

void frmAbout::lblEmail_MouseDown(int Button, int Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    if (Button == LeftButton)
        LinkOpener::open(mailLink(lblEmail->text(), VersionInfo::application().fileDescription));
    else if (Button == RightButton)
        popUp(M_Email, M_SendEMail, lblEmail, X, Y);
}

void frmAbout::lblWebSite_MouseDown(int Button, int Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    if (Button == LeftButton)
        LinkOpener::open(lblWebSite->text());
    else if (Button == RightButton)
        popUp(M_WebSite, M_GotoWebSite, lblWebSite, X, Y);
}

void frmAbout::M_SendEMail_Click()
{
    lblEmail_MouseDown(LeftButton, 0, 0, 0);
}

void frmAbout::M_CopyEMail_Click()
{
    Clipboard::clear();
    Clipboard::setText(lblEmail->text());
}

void frmAbout::M_GotoWebSite_Click()
{
    lblWebSite_MouseDown(LeftButton, 0, 0, 0);
}

void frmAbout::M_CopyWebSite_Click()
{
    Clipboard::clear();
    Clipboard::setText(lblWebSite->text());
}
