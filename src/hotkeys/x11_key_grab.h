// Passive grabs of single keys on the root windows of an X connection, whatever the lock keys.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>

#include <functional>

#include <xcb/xcb.h>

namespace tavro::hotkeys {

class X11KeyGrab final : public QAbstractNativeEventFilter {
public:
    using PressHandler = std::function<void(int keycode)>;

    // Installs itself as a native event filter of the application.
    X11KeyGrab(xcb_connection_t *connection, PressHandler onPress);
    ~X11KeyGrab() override;
    X11KeyGrab(const X11KeyGrab &) = delete;
    X11KeyGrab &operator=(const X11KeyGrab &) = delete;

    // The keycode now held, or 0 when no key carries the keysym or another client holds it.
    int grab(xcb_keysym_t keysym);
    void ungrab(int keycode);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct Held {
        xcb_keycode_t keycode = 0;
        QList<quint16> modifiers;
    };

    void release(const Held &held);

    xcb_connection_t *m_connection;
    PressHandler m_onPress;
    QList<xcb_window_t> m_roots;
    QList<Held> m_held;
};

}  // namespace tavro::hotkeys
