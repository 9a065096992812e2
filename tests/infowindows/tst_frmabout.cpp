// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
#include "infowindows/frmabout.h"

#include "support/captionroom.h"
#include "support/designedfont.h"
#include "support/fontfound.h"
#include "support/linkrecorder.h"
#include "support/windowevents.h"
#include "toolkit/mouselabel.h"
#include "toolkit/versioninfo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
const QString Email = QStringLiteral("quorvel@example.org");
const QString WebSite = QStringLiteral("https://quorvel.example.org/");
const QString MailLink = QStringLiteral("mailto:quorvel@example.org?subject=");
} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void productLine_data();
    void productLine();
    void mailLink_data();
    void mailLink();
    void windowAsDesigned();
    void labelsAsDesigned_data();
    void labelsAsDesigned();
    void captionsAreWhole();
    void linksStayLegibleInADarkPalette();
    void handPointerOverTheLinksOnly();
    void leftPressOpensTheLinkOnThePress_data();
    void leftPressOpensTheLinkOnThePress();
    void rightPressPopsUpTheMenu_data();
    void rightPressPopsUpTheMenu();
    void defaultItemOpensTheSameLink_data();
    void defaultItemOpensTheSameLink();
    void copyPutsOnlyTheAddressOnTheClipboard_data();
    void copyPutsOnlyTheAddressOnTheClipboard();
    void closingTheMenuOrOtherButtonsDoNothing_data();
    void closingTheMenuOrOtherButtonsDoNothing();
    void middlePressDoesNothing_data();
    void middlePressDoesNothing();

private:
    MouseLabel *link(const QString &name) const { return m_window->findChild<MouseLabel *>(name); }
    // Right-presses the link and, once its menu is up, runs onMenu on it from
    // inside the menu's own event loop; returns after the menu has closed.
    // With heldOn, the right button stays down when the menu comes up, for
    // onMenu to release.
    // With keys, those keys on the focused link instead of the right press.
    void onPopUpMenu(MouseLabel *label, const std::function<void(QMenu *)> &onMenu, bool heldOn = false,
                     const QKeySequence &keys = {});
    static void choose(QMenu *menu, const QString &itemName);
    static QString mailLinkAsSent() { return MailLink + VersionInfo::application().fileDescription; }

    std::unique_ptr<frmAbout> m_window;
    std::unique_ptr<LinkRecorder> m_links;
};

void TestFrmAbout::init()
{
    m_links = std::make_unique<LinkRecorder>();
    auto *before = new QMimeData;
    before->setHtml(QStringLiteral("<i>earlier</i>"));
    before->setText(QStringLiteral("earlier"));
    QApplication::clipboard()->setMimeData(before);
    m_window = std::make_unique<frmAbout>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFrmAbout::cleanup()
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (WindowMouse::heldButtons().testFlag(button))
            WindowMouse::release(m_window.get(), QPointF(1, 1), button);
    }
    m_window.reset();
    m_links.reset();
}

void TestFrmAbout::onPopUpMenu(MouseLabel *label, const std::function<void(QMenu *)> &onMenu, bool heldOn,
                               const QKeySequence &keys)
{
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        ran = true;
        // The right button comes up where it went down, at the menu's corner:
        // that chooses nothing.
        if (!heldOn && keys.isEmpty())
            WindowMouse::release(label, QPointF(4, 4), Qt::RightButton);
        QVERIFY(menu->isVisible());
        onMenu(menu);
        if (menu->isVisible())
            menu->close();
    });
    poll.start();
    QTimer::singleShot(10000, &poll, &QTimer::stop);
    if (keys.isEmpty()) {
        WindowMouse::press(label, QPointF(4, 4), Qt::RightButton);
    } else {
        label->setFocus();
        QTest::keySequence(label, keys);
    }
    QVERIFY2(ran, "no pop-up menu came up");
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestFrmAbout::choose(QMenu *menu, const QString &itemName)
{
    const auto *item = menu->findChild<QAction *>(itemName);
    QVERIFY(item);
    WindowMouse::click(menu, menu->actionGeometry(const_cast<QAction *>(item)).center());
}

void TestFrmAbout::productLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("line");
    QTest::newRow("minor number 0 shows as 0")
        << QStringLiteral("Quorvel") << 1 << 0 << 3 << QStringLiteral("Quorvel 1.0.3");
    QTest::newRow("all zero") << QStringLiteral("Quorvel") << 0 << 0 << 0 << QStringLiteral("Quorvel 0.0.0");
    QTest::newRow("two-digit numbers, no padding")
        << QStringLiteral("Quorvel") << 2 << 10 << 7 << QStringLiteral("Quorvel 2.10.7");
    QTest::newRow("largest 16-bit numbers, no separators")
        << QStringLiteral("Quorvel") << 65535 << 65535 << 65535 << QStringLiteral("Quorvel 65535.65535.65535");
    QTest::newRow("a Greek product name")
        << QStringLiteral("Προϋπηρεσία") << 3 << 1 << 0 << QStringLiteral("Προϋπηρεσία 3.1.0");
}

void TestFrmAbout::productLine()
{
    QFETCH(QString, name);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, line);
    // A locale that groups thousands must not reach the numbers.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    VersionInfo version;
    version.productName = name;
    version.versionMajor = static_cast<std::uint16_t>(major);
    version.versionMinor = static_cast<std::uint16_t>(minor);
    version.versionRevision = static_cast<std::uint16_t>(revision);
    QCOMPARE(frmAbout::productLine(version), line);
    QLocale::setDefault(QLocale::c());
}

void TestFrmAbout::mailLink_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("link");
    QTest::newRow("the product's title") << QStringLiteral("Quorvel")
                                         << QStringLiteral("mailto:quorvel@example.org?subject=Quorvel");
    QTest::newRow("blanks and Greek letters stay as they are")
        << QStringLiteral("Υπολογισμός προϋπηρεσίας")
        << QStringLiteral("mailto:quorvel@example.org?subject=Υπολογισμός προϋπηρεσίας");
    QTest::newRow("percent sign and ampersand stay as they are")
        << QStringLiteral("100% & more") << QStringLiteral("mailto:quorvel@example.org?subject=100% & more");
    QTest::newRow("an empty description") << QString() << QStringLiteral("mailto:quorvel@example.org?subject=");
}

void TestFrmAbout::mailLink()
{
    QFETCH(QString, subject);
    QFETCH(QString, link);
    QCOMPARE(frmAbout::mailLink(Email, subject), link);
}

void TestFrmAbout::windowAsDesigned()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Πληροφορίες"));
    QCOMPARE(m_window->size(), QSize(233, 89));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowType(), Qt::Dialog);
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    for (const int size : {16, 24, 32, 48, 64})
        QVERIFY(iconSizes.contains(QSize(size, size)));

    const auto *picture = m_window->findChild<QLabel *>(QStringLiteral("imgCursorPoint"));
    QVERIFY(picture);
    QVERIFY(!picture->isVisible());
    QCOMPARE(picture->geometry(), QRect(192, 48, 32, 32));

    const QStringList menus{QStringLiteral("M_Email"), QStringLiteral("M_WebSite")};
    const QStringList titles{QStringLiteral("Email"), QStringLiteral("WebSite")};
    for (int i = 0; i < menus.size(); ++i) {
        const auto *menu = m_window->findChild<QMenu *>(menus.at(i));
        QVERIFY(menu);
        QCOMPARE(menu->title(), titles.at(i));
        QVERIFY(!menu->isVisible());
    }
}

void TestFrmAbout::labelsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("toolTip");

    const QColor text = QApplication::palette().color(QPalette::WindowText);
    const QColor blue(0, 0, 255);
    QTest::newRow("lblProductName, from the version information")
        << QStringLiteral("lblProductName") << frmAbout::productLine(VersionInfo::application()) << 8 << true << text
        << QString();
    QTest::newRow("lblName, the maker") << QStringLiteral("lblName") << QStringLiteral("Οι δημιουργοί του Quorvel")
                                        << 32 << false << text << QString();
    QTest::newRow("lblEmail, a blue link") << QStringLiteral("lblEmail") << Email << 48 << false << blue
                                           << QStringLiteral("Αποστολή ηλεκτρονικού μηνύματος");
    QTest::newRow("lblWebSite, a blue link")
        << QStringLiteral("lblWebSite") << WebSite << 64 << false << blue << QStringLiteral("Μετάβαση");
}

void TestFrmAbout::labelsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, top);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(QString, toolTip);
    const auto *label = m_window->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->y(), top);
    QCOMPARE(label->height(), 13);
    // Centred text in a box centred 1732.5 twips (115.5 pixels) from the left.
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignHCenter));
    QCOMPARE(2 * label->x() + label->width(), 231);
    QCOMPARE(label->font().family(), DesignedFontFamily);
    QVERIFY2(pointSizeAsDesigned(label, 8.25), qPrintable(QString::number(label->font().pointSizeF())));
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->toolTip(), toolTip);
    QCOMPARE(label->accessibleName(), caption);
    QCOMPARE(label->accessibleDescription(), toolTip);
}

void TestFrmAbout::captionsAreWhole()
{
    if (!fontFamilyRequired().isEmpty())
        QCOMPARE(fontFamilyFound(m_window.get()), fontFamilyRequired());
    if (!styleRequired().isEmpty())
        QCOMPARE(m_window->style()->name(), styleRequired());
    for (const char *name : {"lblProductName", "lblName", "lblEmail", "lblWebSite"}) {
        const auto *label = m_window->findChild<QLabel *>(QLatin1String(name));
        QVERIFY(label);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), name);
        QVERIFY2(label->fontMetrics().height() <= label->contentsRect().height(), name);
        QVERIFY2(m_window->rect().contains(label->geometry()), name);
    }
}

void TestFrmAbout::linksStayLegibleInADarkPalette()
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    const frmAbout darkWindow;
    QApplication::setPalette(light);
    for (const char *name : {"lblEmail", "lblWebSite"}) {
        const QColor colour =
            darkWindow.findChild<QLabel *>(QLatin1String(name))->palette().color(QPalette::WindowText);
        // Still a blue, and far lighter than the ground.
        QVERIFY2(colour.blue() > colour.red() && colour.blue() > colour.green(), name);
        QVERIFY2(colour.lightness() - dark.color(QPalette::Window).lightness() > 100, name);
    }
}

void TestFrmAbout::handPointerOverTheLinksOnly()
{
    for (const char *name : {"lblEmail", "lblWebSite"}) {
        const QCursor cursor = link(QLatin1String(name))->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(5, 1));
        const QImage hand = cursor.pixmap().toImage();
        QCOMPARE(hand.size(), QSize(32, 32));
        // The fingertip at the hot spot is the black outline, on a transparent ground.
        QCOMPARE(hand.pixelColor(5, 1), QColor(Qt::black));
        QCOMPARE(hand.pixelColor(0, 0).alpha(), 0);
    }
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    for (const char *name : {"lblProductName", "lblName"})
        QVERIFY(!m_window->findChild<QLabel *>(QLatin1String(name))->testAttribute(Qt::WA_SetCursor));
}

void TestFrmAbout::leftPressOpensTheLinkOnThePress_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sent");
    // The key that does what the press does on the link with the focus, or
    // none for the mouse.
    QTest::addColumn<int>("key");
    QTest::newRow("e-mail: the mail link") << QStringLiteral("lblEmail") << mailLinkAsSent() << 0;
    QTest::newRow("web site: the address as shown") << QStringLiteral("lblWebSite") << WebSite << 0;
    QTest::newRow("Enter on the e-mail link") << QStringLiteral("lblEmail") << mailLinkAsSent() << int(Qt::Key_Return);
    QTest::newRow("Space on the web link") << QStringLiteral("lblWebSite") << WebSite << int(Qt::Key_Space);
}

void TestFrmAbout::leftPressOpensTheLinkOnThePress()
{
    QFETCH(QString, name);
    QFETCH(QString, sent);
    QFETCH(int, key);
    MouseLabel *label = link(name);
    if (key != 0) {
        // Tab reaches the links, the e-mail first.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        if (name == QStringLiteral("lblWebSite"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), label);
        QTest::keyClick(label, Qt::Key(key));
        QCOMPARE(m_links->opened(), QStringList{sent});
    } else {
        WindowMouse::press(label, QPointF(3, 3), Qt::LeftButton);
        QCOMPARE(m_links->opened(), QStringList{sent});
        WindowMouse::release(label, QPointF(3, 3), Qt::LeftButton);
    }
    QCOMPARE(m_links->opened(), QStringList{sent});
    // The window stays open and unchanged.
    QVERIFY(m_window->isVisible());
    QCOMPARE(label->text(), name == QStringLiteral("lblEmail") ? Email : WebSite);
}

void TestFrmAbout::rightPressPopsUpTheMenu_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("captions");
    // Keys on the focused link that do what the right press does, or none.
    QTest::addColumn<QKeySequence>("keys");
    const QStringList email{QStringLiteral("M_SendEMail"), QStringLiteral("M_CopyEMail")};
    const QStringList emailCaptions{QStringLiteral("Αποστολή μηνύματος"), QStringLiteral("Αντιγραφή διεύθυνσης")};
    const QStringList web{QStringLiteral("M_GotoWebSite"), QStringLiteral("M_CopyWebSite")};
    const QStringList webCaptions{QStringLiteral("Μετάβαση στη διεύθυνση"), QStringLiteral("Αντιγραφή διεύθυνσης")};
    QTest::newRow("e-mail") << QStringLiteral("lblEmail") << QStringLiteral("M_Email") << email << emailCaptions
                            << QKeySequence();
    QTest::newRow("web site") << QStringLiteral("lblWebSite") << QStringLiteral("M_WebSite") << web << webCaptions
                              << QKeySequence();
    QTest::newRow("e-mail, the Menu key") << QStringLiteral("lblEmail") << QStringLiteral("M_Email") << email
                                          << emailCaptions << QKeySequence(Qt::Key_Menu);
    QTest::newRow("web site, Shift+F10") << QStringLiteral("lblWebSite") << QStringLiteral("M_WebSite") << web
                                         << webCaptions << QKeySequence(Qt::SHIFT | Qt::Key_F10);
}

void TestFrmAbout::rightPressPopsUpTheMenu()
{
    QFETCH(QString, name);
    QFETCH(QString, menuName);
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);
    QFETCH(QKeySequence, keys);
    MouseLabel *label = link(name);
    QString shownName;
    QStringList shownItems;
    QStringList shownCaptions;
    QString defaultItem;
    QPoint shownAt;
    onPopUpMenu(
        label,
        [&](QMenu *menu) {
            shownName = menu->objectName();
            const QList<QAction *> actions = menu->actions();
            for (const QAction *action : actions) {
                shownItems.append(action->objectName());
                shownCaptions.append(action->text());
            }
            defaultItem = menu->defaultAction() ? menu->defaultAction()->objectName() : QString();
            shownAt = menu->pos();
        },
        false, keys);
    QCOMPARE(shownName, menuName);
    QCOMPARE(shownItems, items);
    QCOMPARE(shownCaptions, captions);
    // The first item is the default, which the menu draws in bold.
    QCOMPARE(defaultItem, items.first());
    // Its left edge at the mouse; from the keyboard, under the link.
    QCOMPARE(shownAt, label->mapToGlobal(keys.isEmpty() ? QPoint(4, 4) : QPoint(0, label->height())));
    // Showing the menu opened nothing and copied nothing.
    QCOMPARE(m_links->opened(), QStringList());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("earlier"));
}

void TestFrmAbout::defaultItemOpensTheSameLink_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("item");
    QTest::newRow("Αποστολή μηνύματος") << QStringLiteral("lblEmail") << QStringLiteral("M_SendEMail");
    QTest::newRow("Μετάβαση στη διεύθυνση") << QStringLiteral("lblWebSite") << QStringLiteral("M_GotoWebSite");
}

void TestFrmAbout::defaultItemOpensTheSameLink()
{
    QFETCH(QString, name);
    QFETCH(QString, item);
    MouseLabel *label = link(name);
    WindowMouse::click(label, QPointF(3, 3));
    const QStringList byPress = m_links->opened();
    QCOMPARE(byPress.size(), 1);

    QStringList whileMenuOpen;
    onPopUpMenu(label, [&](QMenu *menu) {
        choose(menu, item);
        whileMenuOpen = m_links->opened();
    });
    // The item's action ran before the press that showed the menu returned,
    // and it sent what the left press sent.
    QCOMPARE(whileMenuOpen, QStringList({byPress.first(), byPress.first()}));
    QCOMPARE(m_links->opened(), whileMenuOpen);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("earlier"));
}

void TestFrmAbout::copyPutsOnlyTheAddressOnTheClipboard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("copied");
    QTest::newRow("e-mail: no mailto, no subject")
        << QStringLiteral("lblEmail") << QStringLiteral("M_CopyEMail") << Email;
    QTest::newRow("web site") << QStringLiteral("lblWebSite") << QStringLiteral("M_CopyWebSite") << WebSite;
}

void TestFrmAbout::copyPutsOnlyTheAddressOnTheClipboard()
{
    QFETCH(QString, name);
    QFETCH(QString, item);
    QFETCH(QString, copied);
    QCOMPARE(QApplication::clipboard()->mimeData()->formats().size(), 2);
    onPopUpMenu(link(name), [&](QMenu *menu) { choose(menu, item); });
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(data->text(), copied);
    QCOMPARE(m_links->opened(), QStringList());
}

void TestFrmAbout::closingTheMenuOrOtherButtonsDoNothing_data()
{
    // "escape", "right click" on the copy item, or "right held" from the
    // press on the link onto the copy item and released there.
    QTest::addColumn<QString>("way");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("a right click on an item") << QStringLiteral("right click");
    QTest::newRow("the right button held onto an item and released") << QStringLiteral("right held");
}

void TestFrmAbout::closingTheMenuOrOtherButtonsDoNothing()
{
    QFETCH(QString, way);
    bool stayedOpen = false;
    onPopUpMenu(
        link(QStringLiteral("lblEmail")),
        [&](QMenu *menu) {
            if (way == QStringLiteral("escape")) {
                QTest::keyClick(menu, Qt::Key_Escape);
                return;
            }
            auto *copy = menu->findChild<QAction *>(QStringLiteral("M_CopyEMail"));
            QVERIFY(copy);
            const QPoint at = menu->actionGeometry(copy).center();
            WindowMouse::move(menu, at);
            if (way == QStringLiteral("right click"))
                WindowMouse::press(menu, at, Qt::RightButton, Qt::NoModifier, 1);
            WindowMouse::release(menu, at, Qt::RightButton);
            stayedOpen = menu->isVisible();
        },
        way == QStringLiteral("right held"));
    QCOMPARE(m_links->opened(), QStringList());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("earlier"));
    QVERIFY(m_window->isVisible());
    // Only the left button chooses: the menu waits for it.
    QCOMPARE(stayedOpen, way != QStringLiteral("escape"));
}

void TestFrmAbout::middlePressDoesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("e-mail") << QStringLiteral("lblEmail");
    QTest::newRow("web site") << QStringLiteral("lblWebSite");
}

void TestFrmAbout::middlePressDoesNothing()
{
    QFETCH(QString, name);
    bool menuShown = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (QWidget *popUp = QApplication::activePopupWidget()) {
            menuShown = true;
            popUp->close();
        }
    });
    watch.start(10);
    WindowMouse::press(link(name), QPointF(3, 3), Qt::MiddleButton);
    QTest::qWait(50);
    WindowMouse::release(link(name), QPointF(3, 3), Qt::MiddleButton);
    QVERIFY(!menuShown);
    QCOMPARE(m_links->opened(), QStringList());
    QCOMPARE(QApplication::clipboard()->mimeData()->formats().size(), 2);
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
