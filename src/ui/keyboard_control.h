// The arrow keys as jog keys while "Use Keyboard" is checked and a window of the program is active.
#pragma once

#include <QCheckBox>

namespace tavro::session {
class Session;
}  // namespace tavro::session
namespace tavro::hotkeys {
class HotKeys;
}  // namespace tavro::hotkeys

namespace tavro::ui {

class KeyboardControl {
public:
    // Virtual-key codes of the arrows.
    static constexpr int KeyLeft = 37;
    static constexpr int KeyUp = 38;
    static constexpr int KeyRight = 39;
    static constexpr int KeyDown = 40;

    KeyboardControl(QCheckBox &box, hotkeys::HotKeys &keys, session::Session &session);

    void toggleKeyboardControl();
    void hotkeyPressed(int id);

    int hotkeyIdUp() const { return m_up; }
    int hotkeyIdDown() const { return m_down; }
    int hotkeyIdLeft() const { return m_left; }
    int hotkeyIdRight() const { return m_right; }

private:
    QCheckBox &m_box;
    hotkeys::HotKeys &m_keys;
    session::Session &m_session;
    int m_up = 0;
    int m_down = 0;
    int m_left = 0;
    int m_right = 0;
};

}  // namespace tavro::ui
