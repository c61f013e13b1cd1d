#include "session/command.h"

namespace tavro::session {

Command::Command(QKeySequence shortcut, std::function<void()> run, QObject *parent)
    : QObject(parent), m_shortcut(std::move(shortcut)), m_run(std::move(run))
{
}

void Command::trigger()
{
    if (m_enabled && m_run) m_run();
}

void Command::setAvailability(bool enabled, const QString &whyNot)
{
    const QString why = enabled ? QString() : whyNot;
    if (enabled == m_enabled && why == m_whyNot) return;
    m_enabled = enabled;
    m_whyNot = why;
    emit changed();
}

void Command::setVisible(bool visible)
{
    if (visible == m_visible) return;
    m_visible = visible;
    emit changed();
}

}  // namespace tavro::session
