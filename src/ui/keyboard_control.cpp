#include "ui/keyboard_control.h"

#include "hotkeys/hot_keys.h"
#include "session/session.h"

namespace tavro::ui {

KeyboardControl::KeyboardControl(QCheckBox &box, hotkeys::HotKeys &keys, session::Session &session)
    : m_box(box), m_keys(keys), m_session(session)
{
}

void KeyboardControl::toggleKeyboardControl()
{
    if (m_box.isChecked()) {
        m_up = m_keys.registerKey(KeyUp);
        m_down = m_keys.registerKey(KeyDown);
        m_left = m_keys.registerKey(KeyLeft);
        m_right = m_keys.registerKey(KeyRight);
        return;
    }
    // The ids keep their values: an id of a key given back never fires again.
    for (int id : {m_up, m_down, m_left, m_right}) {
        if (id != 0) m_keys.unregisterKey(id);
    }
}

void KeyboardControl::hotkeyPressed(int id)
{
    if (id == 0) return;
    if (id == m_up) m_session.jog(protocol::JogDirection::Up);
    if (id == m_down) m_session.jog(protocol::JogDirection::Down);
    if (id == m_left) m_session.jog(protocol::JogDirection::Left);
    if (id == m_right) m_session.jog(protocol::JogDirection::Right);
}

}  // namespace tavro::ui
