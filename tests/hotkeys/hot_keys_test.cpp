#include "hotkeys/hot_keys.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

using namespace Qt::Literals::StringLiterals;
using tavro::hotkeys::HotKeys;

namespace {

constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;

// Set for the child process that runs the X11 cases on a private server.
constexpr char ChildVariable[] = "TAVRO_TEST_X11_CHILD";

QList<int> ids(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &arguments : spy) result.append(arguments.at(0).toInt());
    return result;
}

class HotKeysShortcuts : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() == u"xcb"_s) GTEST_SKIP() << "needs no X";
        owner.show();
        // Another window of the program is in front, as the effect chooser may be.
        front.show();
        front.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    }

    QWidget owner;
    QWidget front;
    HotKeys keys{&owner};
    QSignalSpy spy{&keys, &HotKeys::pressed};
};

TEST_F(HotKeysShortcuts, IdsCountFrom33001AndOnlySuccessesUseOne)
{
    EXPECT_EQ(keys.mode(), HotKeys::Mode::ApplicationShortcut);
    for (int key : {0, -1, 13, 36, 41, 65, 33001}) EXPECT_EQ(keys.registerKey(key), 0) << key;
    EXPECT_EQ(keys.registerKey(Up), 33001);
    EXPECT_EQ(keys.registerKey(Up), 0);
    EXPECT_EQ(keys.registerKey(Down), 33002);
    EXPECT_FALSE(keys.unregisterKey(0));
    EXPECT_FALSE(keys.unregisterKey(33003));
    EXPECT_TRUE(keys.unregisterKey(33001));
    EXPECT_FALSE(keys.unregisterKey(33001));
    EXPECT_EQ(keys.registerKey(Up), 33003);
    EXPECT_EQ(HotKeys(nullptr).registerKey(Left), 0);
}

TEST_F(HotKeysShortcuts, ArrowPressedInAnyWindowOfTheProgramEmitsItsId)
{
    const int up = keys.registerKey(Up);
    const int down = keys.registerKey(Down);
    const int left = keys.registerKey(Left);
    const int right = keys.registerKey(Right);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_A}) {
        QTest::keyClick(&front, key);
    }
    QTest::keyClick(&owner, Qt::Key_Up);
    EXPECT_EQ(ids(spy), (QList<int>{left, up, right, down, up}));
    keys.unregisterKey(up);
    QTest::keyClick(&front, Qt::Key_Up);
    EXPECT_EQ(spy.size(), 5);
}

TEST_F(HotKeysShortcuts, EveryAutoRepeatedPressEmits)
{
    const int up = keys.registerKey(Up);
    QTest::keyPress(&front, Qt::Key_Up);
    for (int i = 0; i < 3; ++i) QTest::simulateEvent(&front, true, Qt::Key_Up, {}, QString(), true);
    QTest::keyRelease(&front, Qt::Key_Up);
    EXPECT_EQ(ids(spy), QList<int>(4, up));
}

TEST_F(HotKeysShortcuts, KeyIsHeldOncePerProcessAndGivenBackOnDestruction)
{
    {
        HotKeys other(&owner);
        EXPECT_EQ(other.registerKey(Up), 33001);
        EXPECT_EQ(keys.registerKey(Up), 0);
    }
    // A shortcut left on the owner would make the key ambiguous, and neither would fire.
    EXPECT_EQ(keys.registerKey(Up), 33001);
    QTest::keyClick(&front, Qt::Key_Up);
    EXPECT_EQ(ids(spy), QList<int>{33001});
}

// ---- X11: the cases run in a child process on a private Xvfb. ----

void killWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

class PrivateXServer {
public:
    ~PrivateXServer()
    {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.terminate();
        if (!m_process.waitForFinished(30000)) m_process.kill();
        m_process.waitForFinished(-1);
    }

    // The display of an Xvfb on the first free one of :90..:99, once it accepts clients.
    QString start()
    {
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        if (xvfb.isEmpty()) return {};
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setChildProcessModifier(killWithParent);
        for (int display = 90; display <= 99; ++display) {
            const QString name = u":%1"_s.arg(display);
            // Xvfb writes its display number to -displayfd when ready; on a taken one it exits.
            m_process.start(xvfb, {name, u"-nolisten"_s, u"tcp"_s, u"-displayfd"_s, u"1"_s});
            while (!m_process.canReadLine() && m_process.waitForReadyRead(-1)) {
            }
            if (m_process.canReadLine()) return name;
            m_process.waitForFinished(-1);
        }
        return {};
    }

private:
    QProcess m_process;
};

TEST(HotKeysX11, GrabsTheArrowsWhileTheProgramIsInFront)
{
    PrivateXServer server;
    const QString display = server.start();
    if (display.isEmpty()) GTEST_SKIP() << "no Xvfb could be started";

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, display);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(QString::fromLatin1(ChildVariable), u"1"_s);
    environment.remove(u"XAUTHORITY"_s);
    // No session bus: without an address, D-Bus would launch one for the private display and
    // keep a buffer that the leak check of a sanitized build reports.
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent"_s);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier(killWithParent);
    child.start(QCoreApplication::applicationFilePath(), {u"--gtest_filter=HotKeysX11Child.*"_s});
    ASSERT_TRUE(child.waitForFinished(-1));
    const QString output = QString::fromLocal8Bit(child.readAll());
    const QByteArray tail = output.right(6000).toLocal8Bit();
    EXPECT_EQ(child.exitCode(), 0) << tail.constData();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 4 tests"_s)) << tail.constData();
    EXPECT_FALSE(output.contains(u"[  SKIPPED ]"_s)) << tail.constData();
}

// Another program on the display, with its own connection and a focused window of its own.
class OtherClient {
public:
    OtherClient() : c(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(c)) return;
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const uint32_t events = XCB_EVENT_MASK_KEY_PRESS;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        xcb_map_window(c, window);
        focused = takeFocus();
    }
    ~OtherClient() { xcb_disconnect(c); }

    bool takeFocus() { return focus(window); }
    // As a window manager does on a click: at the server's current time, so that no earlier
    // request of the window's own can be ignored against it.
    bool focus(xcb_window_t target)
    {
        return check(xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_PARENT, target, 0));
    }
    bool check(xcb_void_cookie_t cookie)
    {
        xcb_generic_error_t *error = xcb_request_check(c, cookie);
        std::free(error);
        return error == nullptr;
    }
    bool grab(xcb_keycode_t key, uint16_t modifiers)
    {
        return check(xcb_grab_key_checked(c, 0, root, modifiers, key, XCB_GRAB_MODE_ASYNC,
                                          XCB_GRAB_MODE_ASYNC));
    }
    void ungrab(xcb_keycode_t key, uint16_t modifiers)
    {
        check(xcb_ungrab_key_checked(c, key, root, modifiers));
    }

    xcb_keycode_t keycode(xcb_keysym_t keysym)
    {
        const xcb_setup_t *setup = xcb_get_setup(c);
        auto *map = xcb_get_keyboard_mapping_reply(
            c,
            xcb_get_keyboard_mapping(c, setup->min_keycode,
                                     setup->max_keycode - setup->min_keycode + 1),
            nullptr);
        xcb_keycode_t found = 0;
        for (int i = 0; map && found == 0 && i < xcb_get_keyboard_mapping_keysyms_length(map);
             ++i) {
            if (xcb_get_keyboard_mapping_keysyms(map)[i] == keysym)
                found = setup->min_keycode + i / map->keysyms_per_keycode;
        }
        std::free(map);
        return found;
    }

    void tap(xcb_keycode_t key)
    {
        xcb_test_fake_input(c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    // Counts, and forgets, the key presses that reached this program's window.
    int keyPressesReceived()
    {
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        int presses = 0;
        while (xcb_generic_event_t *event = xcb_poll_for_queued_event(c)) {
            presses += (event->response_type & 0x7f) == XCB_KEY_PRESS;
            std::free(event);
        }
        return presses;
    }

    // The server keeps the order of what this client caused: once the message is in, so is
    // every key event sent before it.
    void sendBarrier(xcb_window_t target, uint32_t serial)
    {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = target;
        event.type = XCB_ATOM_CUT_BUFFER7;
        event.data.data32[0] = serial;
        xcb_send_event(c, 0, target, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&event));
        xcb_flush(c);
    }

    xcb_connection_t *c;
    xcb_window_t root = XCB_NONE;
    xcb_window_t window = xcb_generate_id(c);
    bool focused = false;
};

class BarrierFilter : public QAbstractNativeEventFilter {
public:
    BarrierFilter() { QCoreApplication::instance()->installNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t") return false;
        const auto *event = static_cast<const xcb_client_message_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        if (event->type != XCB_ATOM_CUT_BUFFER7) return false;
        seen = event->data.data32[0];
        return true;
    }

    uint32_t seen = 0;
};

class HotKeysX11Child : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Outside the child there may be no display, or the operator's own.
        if (qEnvironmentVariableIsEmpty(ChildVariable)) GTEST_SKIP() << "runs in HotKeysX11";
        ASSERT_EQ(QGuiApplication::platformName(), u"xcb"_s);
        other = std::make_unique<OtherClient>();
        ASSERT_TRUE(other->focused);
        up = other->keycode(0xff52);
        ASSERT_NE(up, 0);
    }

    // Our window in front, as the operator's click would bring it.
    void activate()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(other->focus(static_cast<xcb_window_t>(window.winId())));
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }, 60000));
    }
    // The other program in front again.
    void deactivate()
    {
        ASSERT_TRUE(other->takeFocus());
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 60000));
    }

    // Lets every event the other program caused so far reach this process.
    void deliver()
    {
        other->sendBarrier(static_cast<xcb_window_t>(window.winId()), ++serial);
        const QDeadlineTimer safety(60000);  // a net against a hang, never the expected path
        QTimer wake;
        wake.start(1000);
        while (barrier.seen != serial && !safety.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ASSERT_EQ(barrier.seen, serial);
    }

    QWidget window;
    HotKeys keys{&window};
    QSignalSpy spy{&keys, &HotKeys::pressed};
    BarrierFilter barrier;
    std::unique_ptr<OtherClient> other;
    xcb_keycode_t up = 0;
    uint32_t serial = 0;
};

TEST_F(HotKeysX11Child, ArrowsAreOursOnlyWhileAWindowOfOursIsActive)
{
    ASSERT_EQ(keys.mode(), HotKeys::Mode::GlobalGrab);
    const int id = keys.registerKey(Up);
    ASSERT_EQ(id, 33001);
    other->tap(up);
    deliver();
    EXPECT_TRUE(spy.isEmpty()) << "another program is in front";
    EXPECT_EQ(other->keyPressesReceived(), 1);

    activate();
    const xcb_keycode_t numLock = other->keycode(0xff7f);
    const xcb_keycode_t capsLock = other->keycode(0xffe5);
    // Up with no lock, NumLock, both, CapsLock; Down is not ours.
    for (xcb_keycode_t key :
         {up, other->keycode(0xff54), numLock, up, capsLock, up, numLock, up, capsLock}) {
        other->tap(key);
    }
    deliver();
    EXPECT_EQ(ids(spy), QList<int>(4, id));

    deactivate();
    other->keyPressesReceived();
    other->tap(up);
    deliver();
    EXPECT_EQ(spy.size(), 4);
    EXPECT_EQ(other->keyPressesReceived(), 1);

    activate();
    other->tap(up);
    deliver();
    EXPECT_EQ(spy.size(), 5) << "taken again";
    // Given back by the time unregisterKey returns, not whenever the server gets to it.
    EXPECT_TRUE(keys.unregisterKey(id));
    EXPECT_TRUE(other->grab(up, 0));
}

TEST_F(HotKeysX11Child, KeyGrabbedByAnotherProgramYieldsZero)
{
    const xcb_keycode_t left = other->keycode(0xff51);
    ASSERT_TRUE(other->grab(left, 0));
    EXPECT_EQ(keys.registerKey(Left), 0);
    EXPECT_EQ(keys.registerKey(Up), 33001);
    other->ungrab(left, 0);
    EXPECT_EQ(keys.registerKey(Left), 33002);
}

TEST_F(HotKeysX11Child, RefusedLockVariantGivesTheOthersBack)
{
    const xcb_keycode_t right = other->keycode(0xff53);
    ASSERT_TRUE(other->grab(right, XCB_MOD_MASK_LOCK));
    EXPECT_EQ(keys.registerKey(Right), 0);
    EXPECT_TRUE(other->grab(right, 0));
}

TEST_F(HotKeysX11Child, KeyIsHeldOncePerProcessAndGivenBackOnDestruction)
{
    activate();
    auto first = std::make_unique<HotKeys>(&window);
    ASSERT_EQ(first->registerKey(Up), 33001);
    EXPECT_EQ(keys.registerKey(Up), 0);
    first.reset();
    EXPECT_TRUE(other->grab(up, 0));
    other->ungrab(up, 0);
    EXPECT_EQ(keys.registerKey(Up), 33001);
    other->tap(up);
    deliver();
    EXPECT_EQ(ids(spy), QList<int>{33001});
}

}  // namespace
