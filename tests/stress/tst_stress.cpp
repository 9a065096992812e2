// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// A seeded run of random user input on the real main window: presses, moves
// and releases of any buttons inside and outside every control, double clicks,
// keys (control characters too), pastes of random text, section changes,
// switching automatic calculation, the slider's ticks, opening and closing the
// formula window. After every event it checks what a user relies on.
//
//   tst_stress [--seed N] [--events N] [QtTest options]
//
// A failure names the seed and the event; the same seed and count replay it.
// Timers are kept out of the run (ticks are events of their own), so that a
// seed gives the same run on any machine, however loaded.
#include "conversion/hourstoservice.h"
#include "conversion/sectiontable.h"
#include "toolkit/intervaltimer.h"
#include "toolkit/lineshape.h"
#include "toolkit/textbox.h"
#include "toolkit/twips.h"

#include "mainwindow/frmbasic.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <optional>

namespace {
struct Options
{
    quint64 seed = 0;
    bool seedGiven = false;
    qint64 events = 100000;
};

Options options;
QtMessageHandler testMessages = nullptr;

// The offscreen platform says, for every pop-up menu, that it cannot raise a
// window or grab the keyboard; thousands of those would bury the report.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QStringLiteral("This plugin does not support raise()") ||
        message == QStringLiteral("This plugin does not support grabbing the keyboard"))
        return;
    testMessages(type, context, message);
}

constexpr QEventLoop::ProcessEventsFlags WithoutTimers = QEventLoop::X11ExcludeTimers;
constexpr std::array<Qt::MouseButton, 3> Buttons{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

// Keys a user may press anywhere in the window, with the text each produces.
struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
} // namespace

class TestStress : public QObject
{
    Q_OBJECT

public:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void initTestCase();
    void randomEvents();
    void cleanupTestCase();

private:
    template <typename T> T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // One random event; returns what it was, for the failure report.
    QString randomEvent();
    QString mouseEvent();
    QString doubleClick();
    QString keyPress();
    QString paste();
    QString clickControl(const QString &name);
    QString closeFormulaWindow();

    void sendMouse(QPointF pos, Qt::MouseButton button, QEvent::Type type, int after);
    QPointF randomPoint();
    QString randomText(int maxLength);
    Key randomKey();
    void settle();

    // The broken invariant, or an empty text.
    QString brokenInvariant();

    QRandomGenerator m_random;
    std::unique_ptr<frmBasic> m_window;
    QWindow *m_handle = nullptr;
    QList<QWidget *> m_targets;
    Qt::MouseButtons m_held;
    ulong m_timestamp = 0;
    // How much the run tried: events after which the figures were compared,
    // and the different texts the hours box held.
    qint64 m_figuresChecked = 0;
    QSet<QString> m_hoursSeen;
    // A change of the hours box that was neither the user's edit nor the
    // program's write of that very text.
    QString m_strayChange;
};

void TestStress::initTestCase()
{
    if (!options.seedGiven)
        options.seed = QRandomGenerator::system()->generate64();
    m_random.seed(options.seed);
    qInfo("seed %llu, %lld events (replay: --seed %llu --events N)", options.seed, options.events, options.seed);
    testMessages = qInstallMessageHandler(dropPlatformNotes);

    m_window = std::make_unique<frmBasic>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_handle = m_window->windowHandle();
    auto *hours = control<TextBox>(QStringLiteral("txtHours"));
    // A program write changes the text once, to what it writes; any step
    // between (a cut to a length limit) would be converted as hours too.
    // The box is read as it stands when this handler's turn comes, after the
    // window's own, which may have written it again.
    connect(hours, &QLineEdit::textChanged, this, [this, hours] {
        if (m_strayChange.isEmpty() && !hours->isModified() && hours->text() != hours->programText())
            m_strayChange = QStringLiteral("the hours box changed to \"%1\" on the way to the program's \"%2\"")
                                .arg(hours->text(), hours->programText());
    });
    // Every named control is a target for the mouse, the window itself too.
    m_targets.append(m_window.get());
    const QList<QWidget *> children = m_window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (!child->objectName().isEmpty())
            m_targets.append(child);
    }

    // A modal window (the about window) would hold the run inside its own
    // event loop: each is closed as soon as it shows, through a queued call
    // that the modal loop itself delivers.
    qApp->installEventFilter(this);
}

void TestStress::cleanupTestCase()
{
    qApp->removeEventFilter(this);
    qInstallMessageHandler(testMessages);
    for (const Qt::MouseButton button : Buttons) {
        if (m_held.testFlag(button))
            sendMouse(QPointF(-10, -10), button, QEvent::MouseButtonRelease, 1);
    }
    m_window.reset();
}

bool TestStress::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget->isModal())
            QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TestStress::randomEvents()
{
    std::deque<QString> recent;
    QElapsedTimer clock;
    clock.start();
    for (qint64 number = 1; number <= options.events; ++number) {
        recent.push_back(randomEvent());
        if (recent.size() > 12)
            recent.pop_front();
        settle();
        const QString broken = brokenInvariant();
        if (!broken.isEmpty()) {
            QStringList last(recent.begin(), recent.end());
            qInfo("last events:\n  %s", qPrintable(last.join(QStringLiteral("\n  "))));
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3 (replay: --seed %1 --events %2)")
                                 .arg(options.seed)
                                 .arg(number)
                                 .arg(broken)));
        }
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    qInfo("%lld events in %.1f s: %.0f events per second", options.events, seconds,
          static_cast<double>(options.events) / seconds);
    qInfo("figures compared after %lld events; the hours box held %lld different texts", m_figuresChecked,
          static_cast<qint64>(m_hoursSeen.size()));
    // The same seed and count end in the same state on any machine.
    qInfo("ends with hours \"%s\" and figures %s/%s/%s",
          qPrintable(control<QLineEdit>(QStringLiteral("txtHours"))->text()),
          qPrintable(control<QLabel>(QStringLiteral("lblYears"))->text()),
          qPrintable(control<QLabel>(QStringLiteral("lblMonths"))->text()),
          qPrintable(control<QLabel>(QStringLiteral("lblDays"))->text()));
}

QString TestStress::randomEvent()
{
    // Weights: mostly the mouse and the keyboard, as a user's hands go.
    const quint32 roll = m_random.bounded(100U);
    if (roll < 55)
        return mouseEvent();
    if (roll < 60)
        return doubleClick();
    if (roll < 78)
        return keyPress();
    if (roll < 82)
        return paste();
    if (roll < 86)
        return clickControl(QStringLiteral("optSection(%1)").arg(m_random.bounded(FirstSection, LastSection + 1)));
    if (roll < 89)
        return clickControl(QStringLiteral("chkAlwaysCalculate"));
    if (roll < 95) {
        // The slider's tick, due or not: a tick that finds the timer stopped
        // (it was due as the button came up) must do nothing.
        emit control<IntervalTimer>(QStringLiteral("tmrBar"))->timer();
        return QStringLiteral("timer tick");
    }
    if (roll < 97)
        return clickControl(QStringLiteral("imgInfo"));
    if (roll < 99)
        return closeFormulaWindow();
    return clickControl(QStringLiteral("imgAbout"));
}

QString TestStress::mouseEvent()
{
    const QPointF pos = randomPoint();
    const Qt::MouseButton button = Buttons.at(m_random.bounded(static_cast<quint32>(Buttons.size())));
    const int after = static_cast<int>(m_random.bounded(1U, 700U));
    const quint32 kind = m_random.bounded(10U);
    QString what;
    if (kind < 4) {
        what = QStringLiteral("move");
        sendMouse(pos, Qt::NoButton, QEvent::MouseMove, after);
    } else if (kind < 7 && !m_held.testFlag(button)) {
        what = QStringLiteral("press");
        m_held.setFlag(button, true);
        sendMouse(pos, button, QEvent::MouseButtonPress, after);
    } else {
        // Mostly a button that is down; now and then one that went down
        // elsewhere, outside the window.
        what = QStringLiteral("release");
        m_held.setFlag(button, false);
        sendMouse(pos, button, QEvent::MouseButtonRelease, after);
    }
    return QStringLiteral("%1 %2 at (%3, %4)").arg(what).arg(int(button)).arg(pos.x()).arg(pos.y());
}

QString TestStress::doubleClick()
{
    const QPointF pos = randomPoint();
    const Qt::MouseButton button = Buttons.at(m_random.bounded(static_cast<quint32>(Buttons.size())));
    for (int click = 0; click < 2; ++click) {
        m_held.setFlag(button, true);
        sendMouse(pos, button, QEvent::MouseButtonPress, click == 0 ? 1000 : 1);
        m_held.setFlag(button, false);
        sendMouse(pos, button, QEvent::MouseButtonRelease, 1);
    }
    return QStringLiteral("double click %1 at (%2, %3)").arg(int(button)).arg(pos.x()).arg(pos.y());
}

QString TestStress::keyPress()
{
    const Key key = randomKey();
    QTest::sendKeyEvent(QTest::Press, m_handle, key.key, key.text, key.modifiers);
    QTest::sendKeyEvent(QTest::Release, m_handle, key.key, key.text, key.modifiers);
    return QStringLiteral("key %1 modifiers %2 text %3")
        .arg(int(key.key), 0, 16)
        .arg(int(key.modifiers), 0, 16)
        .arg(key.text.isEmpty() ? QString() : QString::number(key.text.front().unicode(), 16));
}

QString TestStress::paste()
{
    // The user's only way to paste: the hours box's own menu.
    const QString text = randomText(8);
    QApplication::clipboard()->setText(text);
    auto *hours = control<TextBox>(QStringLiteral("txtHours"));
    const std::unique_ptr<QMenu> menu(hours->createContextMenu());
    const bool selectAll = m_random.bounded(2U) == 0;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (selectAll && action->text().startsWith(QStringLiteral("Select All")) && action->isEnabled())
            action->trigger();
    }
    for (QAction *action : actions) {
        if (action->text().startsWith(QStringLiteral("&Paste")) && action->isEnabled())
            action->trigger();
    }
    return QStringLiteral("paste \"%1\"%2").arg(text, selectAll ? QStringLiteral(" over all") : QString());
}

QString TestStress::clickControl(const QString &name)
{
    auto *target = m_window->findChild<QWidget *>(name);
    if (!target || !target->isVisible())
        return QStringLiteral("no %1 to click").arg(name);
    const QPointF pos = target->mapTo(m_window.get(), QPointF(target->rect().center()));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        m_held.setFlag(Qt::LeftButton, type == QEvent::MouseButtonPress);
        sendMouse(pos, Qt::LeftButton, type, type == QEvent::MouseButtonPress ? 1000 : 1);
    }
    return QStringLiteral("click %1").arg(name);
}

QString TestStress::closeFormulaWindow()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == QStringLiteral("frmFormula") && window->isVisible()) {
            window->close();
            return QStringLiteral("close frmFormula");
        }
    }
    return QStringLiteral("no frmFormula to close");
}

void TestStress::sendMouse(QPointF pos, Qt::MouseButton button, QEvent::Type type, int after)
{
    m_timestamp += static_cast<ulong>(after);
    qt_handleMouseEvent(m_handle, pos, m_handle->mapToGlobal(pos), m_held, button, type, Qt::NoModifier,
                        static_cast<int>(m_timestamp));
}

QPointF TestStress::randomPoint()
{
    // Inside or just outside a random control, or anywhere around the window.
    QRectF area(-40, -40, m_window->width() + 80, m_window->height() + 80);
    if (m_random.bounded(8U) != 0) {
        const QWidget *target = m_targets.at(m_random.bounded(static_cast<quint32>(m_targets.size())));
        area = QRectF(target->mapTo(m_window.get(), QPoint(0, 0)), target->size()).adjusted(-6, -6, 6, 6);
    }
    return {area.left() + m_random.generateDouble() * area.width(),
            area.top() + m_random.generateDouble() * area.height()};
}

QString TestStress::randomText(int maxLength)
{
    static const QString Pool = QStringLiteral("0123456789012345678901234567890123456789ab -+.,\t\nωρΑΩ٣１\u00a0");
    QString text;
    const int length = static_cast<int>(m_random.bounded(static_cast<quint32>(maxLength + 1)));
    for (int i = 0; i < length; ++i)
        text.append(Pool.at(m_random.bounded(static_cast<quint32>(Pool.size()))));
    return text;
}

Key TestStress::randomKey()
{
    const quint32 roll = m_random.bounded(100U);
    if (roll < 45) {
        const char digit = static_cast<char>('0' + m_random.bounded(10U));
        return {Qt::Key(Qt::Key_0 + (digit - '0')), Qt::NoModifier, QString(QLatin1Char(digit))};
    }
    if (roll < 60) {
        // A letter, alone or with Ctrl (a control character: Ctrl+V, Ctrl+Z …) or Alt.
        const auto offset = static_cast<int>(m_random.bounded(26U));
        const Qt::KeyboardModifiers modifiers = std::array<Qt::KeyboardModifiers, 4>{
            Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}[m_random.bounded(4U)];
        const QChar letter = modifiers.testFlag(Qt::ShiftModifier)     ? QLatin1Char(char('A' + offset))
                             : modifiers.testFlag(Qt::ControlModifier) ? QChar(offset + 1)
                                                                       : QLatin1Char(char('a' + offset));
        return {Qt::Key(Qt::Key_A + offset), modifiers, QString(letter)};
    }
    if (roll < 68) {
        // Text beyond ASCII, and characters with no key of their own.
        const QString text = randomText(1);
        return {Qt::Key_unknown, Qt::NoModifier, text};
    }
    static const std::array<Key, 20> Editing{{
        {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")},
        {Qt::Key_Backspace, Qt::ControlModifier, QString()},
        {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")},
        {Qt::Key_Left, Qt::NoModifier, QString()},
        {Qt::Key_Right, Qt::ShiftModifier, QString()},
        {Qt::Key_Home, Qt::NoModifier, QString()},
        {Qt::Key_End, Qt::ShiftModifier, QString()},
        {Qt::Key_Up, Qt::NoModifier, QString()},
        {Qt::Key_Down, Qt::NoModifier, QString()},
        {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")},
        {Qt::Key_Backtab, Qt::ShiftModifier, QString()},
        {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")},
        {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")},
        {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")},
        {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")},
        {Qt::Key_Insert, Qt::ShiftModifier, QString()},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x1a")},
        {Qt::Key_Menu, Qt::NoModifier, QString()},
        {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-")},
        {Qt::Key_Period, Qt::KeypadModifier, QStringLiteral(".")},
    }};
    return Editing.at(m_random.bounded(static_cast<quint32>(Editing.size())));
}

void TestStress::settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | WithoutTimers);
    // Windows closed with WA_DeleteOnClose go now, as they would in the
    // program's own event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString TestStress::brokenInvariant()
{
    if (!m_strayChange.isEmpty())
        return m_strayChange;
    const auto *hours = control<QLineEdit>(QStringLiteral("txtHours"));
    const QString text = hours->text();
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QStringLiteral("the hours box holds \"%1\"").arg(text);
    }
    // Only the program writes more than five characters; QLineEdit counts as
    // modified whatever the user has edited since the program's last write.
    if (text.size() > 5 && hours->isModified())
        return QStringLiteral("the user made the hours box hold \"%1\"").arg(text);

    const auto *always = control<QAbstractButton>(QStringLiteral("chkAlwaysCalculate"));
    if (control<QAbstractButton>(QStringLiteral("cmdCalculate"))->isEnabled() == always->isChecked())
        return QStringLiteral("Calculate is usable exactly while automatic calculation is off");

    int section = 0;
    for (int index = FirstSection; index <= LastSection; ++index) {
        if (control<QAbstractButton>(QStringLiteral("optSection(%1)").arg(index))->isChecked())
            section = index;
    }
    m_hoursSeen.insert(text);
    if (always->isChecked() && section != 0) {
        ++m_figuresChecked;
        const std::optional<ServiceResult> expected =
            HoursToService(text.toStdString(), sectionRow(static_cast<std::int16_t>(section)).weeklyHours);
        const QStringList shown{control<QLabel>(QStringLiteral("lblYears"))->text(),
                                control<QLabel>(QStringLiteral("lblMonths"))->text(),
                                control<QLabel>(QStringLiteral("lblDays"))->text()};
        const QStringList wanted = expected
                                       ? QStringList{QString::number(expected->years),
                                                     QString::number(expected->months), QString::number(expected->days)}
                                       : QStringList{QString(), QString(), QString()};
        if (shown != wanted)
            return QStringLiteral("\"%1\" hours in section %2 show %3, not %4")
                .arg(text)
                .arg(section)
                .arg(shown.join(QLatin1Char('/')), wanted.join(QLatin1Char('/')));
    }

    const int interval = control<IntervalTimer>(QStringLiteral("tmrBar"))->interval();
    if (interval != 0 && (interval < 11 || interval > 200))
        return QStringLiteral("the slider's timer runs at %1 ms").arg(interval);

    // The marker stands upright on the track, 15 twips inside its left edge
    // and 30 inside its right edge at most; the centre mark never moves.
    const QRect track = control<QWidget>(QStringLiteral("lblBar"))->geometry();
    const float left = twipsFromPixels(track.x());
    const float width = twipsFromPixels(track.width());
    const float top = twipsFromPixels(track.y());
    const float height = twipsFromPixels(track.height());
    const auto *marker = control<LineShape>(QStringLiteral("linBar"));
    if (marker->x1() != marker->x2() || marker->x1() < left + 15 || marker->x1() > left + width - 30 ||
        marker->y1() != top || marker->y2() != top + height)
        return QStringLiteral("the marker stands at (%1, %2)-(%3, %4)")
            .arg(marker->x1())
            .arg(marker->y1())
            .arg(marker->x2())
            .arg(marker->y2());
    const auto *centre = control<LineShape>(QStringLiteral("linBar2"));
    const float centreX = left + width / 2;
    if (centre->x1() != centreX || centre->x2() != centreX)
        return QStringLiteral("the centre mark moved to %1").arg(centre->x1());

    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    const auto formulaWindows = std::count_if(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->objectName() == QStringLiteral("frmFormula");
    });
    if (formulaWindows > 1)
        return QStringLiteral("%1 formula windows").arg(formulaWindows);
    return {};
}

int main(int argc, char *argv[])
{
    // The run's own options come out before QtTest reads the rest.
    QStringList testArguments;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if ((argument == QStringLiteral("--seed") || argument == QStringLiteral("--events")) && i + 1 < argc) {
            bool ok = false;
            const QString value = QString::fromLocal8Bit(argv[++i]);
            if (argument == QStringLiteral("--seed")) {
                options.seed = value.toULongLong(&ok);
                options.seedGiven = true;
            } else {
                options.events = value.toLongLong(&ok);
            }
            if (!ok) {
                qCritical("%s takes a whole number, not %s", qPrintable(argument), qPrintable(value));
                return 2;
            }
        } else {
            testArguments.append(argument);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestStress test;
    return QTest::qExec(&test, testArguments);
}

#include "tst_stress.moc"
