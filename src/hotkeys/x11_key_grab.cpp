#include "hotkeys/x11_key_grab.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace tavro::hotkeys {

namespace {

constexpr xcb_keysym_t NumLockKeysym = 0xff7f;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> adopt(T *reply)
{
    return Reply<T>(reply, &std::free);
}

Reply<xcb_get_keyboard_mapping_reply_t> keyboardMapping(xcb_connection_t *connection)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    return adopt(xcb_get_keyboard_mapping_reply(
        connection,
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)),
        nullptr));
}

xcb_keycode_t keycodeOf(xcb_connection_t *connection,
                        const xcb_get_keyboard_mapping_reply_t &mapping, xcb_keysym_t keysym)
{
    const int perKeycode = mapping.keysyms_per_keycode;
    if (perKeycode == 0) return 0;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(&mapping);
    const int length = xcb_get_keyboard_mapping_keysyms_length(&mapping);
    const int minKeycode = xcb_get_setup(connection)->min_keycode;
    for (int i = 0; i < length; ++i) {
        if (keysyms[i] == keysym) return static_cast<xcb_keycode_t>(minKeycode + i / perKeycode);
    }
    return 0;
}

// NumLock sits on whichever of Mod1..Mod5 the modifier map gives it.
quint16 modifierMaskOf(xcb_connection_t *connection, xcb_keycode_t keycode)
{
    if (keycode == 0) return 0;
    auto map = adopt(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!map) return 0;
    const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(map.get());
    const int perModifier = map->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        const xcb_keycode_t *first = keycodes + modifier * perModifier;
        if (std::find(first, first + perModifier, keycode) != first + perModifier) {
            return static_cast<quint16>(1U << modifier);
        }
    }
    return 0;
}

}  // namespace

X11KeyGrab::X11KeyGrab(xcb_connection_t *connection, PressHandler onPress)
    : m_connection(connection), m_onPress(std::move(onPress))
{
    // Every screen's root, so the keys are ours on whichever screen has the focus.
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(m_connection)); it.rem;
         xcb_screen_next(&it)) {
        m_roots.append(it.data->root);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11KeyGrab::~X11KeyGrab()
{
    // The connection closes with the application, and the server drops our grabs then.
    if (!QCoreApplication::instance()) return;
    for (const Held &held : std::as_const(m_held)) release(held);
}

int X11KeyGrab::grab(xcb_keysym_t keysym)
{
    // A broken connection answers every check with "no error".
    if (xcb_connection_has_error(m_connection)) return 0;
    const auto mapping = keyboardMapping(m_connection);
    if (!mapping) return 0;
    const xcb_keycode_t keycode = keycodeOf(m_connection, *mapping, keysym);
    const auto sameKey = [keycode](const Held &held) { return held.keycode == keycode; };
    if (keycode == 0 || std::any_of(m_held.cbegin(), m_held.cend(), sameKey)) return 0;

    // A grab matches its modifiers exactly, so CapsLock or NumLock being on needs grabs of its own.
    const quint16 numLock =
        modifierMaskOf(m_connection, keycodeOf(m_connection, *mapping, NumLockKeysym));
    Held held{keycode, {0, XCB_MOD_MASK_LOCK}};
    if (numLock != 0)
        held.modifiers << numLock << static_cast<quint16>(numLock | XCB_MOD_MASK_LOCK);

    QList<xcb_void_cookie_t> cookies;
    for (xcb_window_t root : std::as_const(m_roots)) {
        for (quint16 modifiers : std::as_const(held.modifiers)) {
            cookies.append(xcb_grab_key_checked(m_connection, 0, root, modifiers, keycode,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    bool refused = false;
    for (const xcb_void_cookie_t &cookie : std::as_const(cookies)) {
        if (auto error = adopt(xcb_request_check(m_connection, cookie))) refused = true;
    }
    if (refused) {
        // Ungrabbing a combination another client holds leaves that client's grab alone.
        release(held);
        return 0;
    }
    m_held.append(held);
    return keycode;
}

void X11KeyGrab::ungrab(int keycode)
{
    const auto it = std::find_if(m_held.cbegin(), m_held.cend(),
                                 [keycode](const Held &held) { return held.keycode == keycode; });
    if (it == m_held.cend()) return;
    release(*it);
    m_held.erase(it);
}

bool X11KeyGrab::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_held.isEmpty() || eventType != "xcb_generic_event_t") return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    // With owner_events off every grabbed press is reported on the root, even over our windows.
    if (!m_roots.contains(press->event)) return false;
    const auto sameKey = [press](const Held &held) { return held.keycode == press->detail; };
    if (std::none_of(m_held.cbegin(), m_held.cend(), sameKey)) return false;
    m_onPress(press->detail);
    return true;
}

void X11KeyGrab::release(const Held &held)
{
    // Waits for the server, so the key is back with the other programs once we return.
    QList<xcb_void_cookie_t> cookies;
    for (xcb_window_t root : std::as_const(m_roots)) {
        for (quint16 modifiers : held.modifiers) {
            cookies.append(xcb_ungrab_key_checked(m_connection, held.keycode, root, modifiers));
        }
    }
    for (const xcb_void_cookie_t &cookie : std::as_const(cookies)) {
        std::free(xcb_request_check(m_connection, cookie));
    }
}

}  // namespace tavro::hotkeys
