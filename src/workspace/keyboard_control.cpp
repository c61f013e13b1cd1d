#include "workspace/keyboard_control.h"

#include "link/engraver_link.h"
#include "platform/hot_keys.h"

namespace tavro::workspace {

KeyboardControl::KeyboardControl(QCheckBox &box, platform::HotKeys &keys, link::EngraverLink &link)
    : m_box(box), m_keys(keys), m_link(link)
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
    if (id == m_up) m_link.jogUp();
    if (id == m_down) m_link.jogDown();
    if (id == m_left) m_link.jogLeft();
    if (id == m_right) m_link.jogRight();
}

}  // namespace tavro::workspace
