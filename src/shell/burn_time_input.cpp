#include "shell/burn_time_input.h"

#include "session/session.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSlider>

#include <utility>

namespace tavro::shell {

BurnTimeInput::BurnTimeInput(QSlider &slider, session::Session &session)
    : QObject(&slider), m_slider(slider), m_session(session)
{
    slider.installEventFilter(this);
    // The slider changes its value while it handles the event the filter has just seen.
    connect(&slider, &QSlider::valueChanged, this, [this](int position) {
        if (std::exchange(m_inKeyOrWheelEvent, false)) m_session.burnTimeKeyed(position);
    });
}

bool BurnTimeInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_slider) return QObject::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    m_inKeyOrWheelEvent = type == QEvent::KeyPress || type == QEvent::Wheel;
    if (type == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
        m_session.burnTimeKeysLetGo();
    } else if (type == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // The press already moved the slider; its release is what sends the burn time.
        m_session.burnTimeReleased(m_slider.value());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavro::shell
