// Tells the session how the burn-time slider was moved: by the mouse or by the keys.
#pragma once

#include <QObject>

class QSlider;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::shell {

// Watches the slider's events: a left release sends the burn time; a change made with the
// keys or the wheel is handed on as keyed, and keys coming up as let go. Dragging sends
// nothing until the release.
class BurnTimeInput final : public QObject {
    Q_OBJECT
public:
    BurnTimeInput(QSlider &slider, session::Session &session);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSlider &m_slider;
    session::Session &m_session;
    bool m_inKeyOrWheelEvent = false;
};

}  // namespace tavro::shell
