#include "hotkeys/hot_keys.h"

#include "hotkeys/x11_key_grab.h"

#include <QApplication>
#include <QSet>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace tavro::hotkeys {

namespace {

struct ArrowKey {
    int virtualKey;
    Qt::Key qtKey;
    xcb_keysym_t keysym;
};

constexpr std::array<ArrowKey, 4> Arrows{{
    {37, Qt::Key_Left, 0xff51},
    {38, Qt::Key_Up, 0xff52},
    {39, Qt::Key_Right, 0xff53},
    {40, Qt::Key_Down, 0xff54},
}};

// A key is held at most once per process, as the system would have it: all HotKeys objects share
// one X connection, where the server cannot tell their grabs apart, and two application shortcuts
// on one key would be ambiguous and fire neither.
QSet<int> heldKeys;

const ArrowKey *findArrow(int virtualKey)
{
    const auto it = std::find_if(Arrows.cbegin(), Arrows.cend(), [virtualKey](const ArrowKey &a) {
        return a.virtualKey == virtualKey;
    });
    return it == Arrows.cend() ? nullptr : &*it;
}

xcb_connection_t *x11Connection()
{
    if (!qGuiApp || QGuiApplication::platformName() != u"xcb"_s) return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

HotKeys::HotKeys(QWidget *owner) : m_owner(owner)
{
    if (xcb_connection_t *connection = x11Connection()) {
        m_grab = std::make_unique<X11KeyGrab>(
            connection, [this](int keycode) { onGrabbedKeyPressed(keycode); });
        // A key grabbed while another program is in front would never reach that program.
        m_active = QGuiApplication::applicationState() == Qt::ApplicationActive;
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                &HotKeys::followApplicationState);
    }
}

HotKeys::~HotKeys()
{
    for (const Registration &registration : std::as_const(m_registrations)) release(registration);
}

int HotKeys::registerKey(int virtualKey)
{
    const ArrowKey *arrow = findArrow(virtualKey);
    if (!arrow || heldKeys.contains(virtualKey)) return 0;
    const int id = m_nextId;
    Registration registration{virtualKey, 0, nullptr};
    if (m_grab) {
        // Grabbed even while in the background, to learn whether another program holds it.
        registration.keycode = m_grab->grab(arrow->keysym);
        if (registration.keycode == 0) return 0;
        if (!m_active) m_grab->ungrab(registration.keycode);
    } else {
        registration.shortcut = makeShortcut(arrow->qtKey, id);
        if (!registration.shortcut) return 0;
    }
    heldKeys.insert(virtualKey);
    m_registrations.insert(id, registration);
    ++m_nextId;
    return id;
}

bool HotKeys::unregisterKey(int id)
{
    const auto it = m_registrations.constFind(id);
    if (it == m_registrations.cend()) return false;
    const Registration registration = *it;
    m_registrations.erase(it);
    release(registration);
    return true;
}

QShortcut *HotKeys::makeShortcut(int qtKey, int id)
{
    // Shortcuts live in the widget world; without it, or an owner to host them, there are none.
    if (!m_owner || !qobject_cast<QApplication *>(QCoreApplication::instance())) return nullptr;
    auto *shortcut = new QShortcut(QKeySequence(qtKey), m_owner);
    shortcut->setContext(Qt::ApplicationShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, id] { emit pressed(id); });
    return shortcut;
}

void HotKeys::release(const Registration &registration)
{
    heldKeys.remove(registration.virtualKey);
    if (m_grab) m_grab->ungrab(registration.keycode);
    delete registration.shortcut.data();
}

void HotKeys::followApplicationState(Qt::ApplicationState state)
{
    const bool active = state == Qt::ApplicationActive;
    if (active == m_active) return;
    m_active = active;
    for (Registration &registration : m_registrations) {
        if (active) {
            registration.keycode = m_grab->grab(findArrow(registration.virtualKey)->keysym);
        } else {
            m_grab->ungrab(registration.keycode);
        }
    }
}

void HotKeys::onGrabbedKeyPressed(int keycode)
{
    const auto it = std::find_if(m_registrations.cbegin(), m_registrations.cend(),
                                 [keycode](const Registration &r) { return r.keycode == keycode; });
    if (it != m_registrations.cend()) emit pressed(it.key());
}

}  // namespace tavro::hotkeys
