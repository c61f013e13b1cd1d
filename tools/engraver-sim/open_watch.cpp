#include "engraver-sim/open_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace tavro::sim {

OpenWatch::~OpenWatch()
{
    stop();
}

bool OpenWatch::watch(const QString &path)
{
    stop();
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) return false;
    if (::inotify_add_watch(m_fd, path.toLocal8Bit().constData(), IN_OPEN | IN_CLOSE) < 0) {
        stop();
        return false;
    }
    return true;
}

void OpenWatch::stop()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_opens = 0;
}

bool OpenWatch::update()
{
    if (m_fd < 0) return false;
    bool lastGone = false;
    alignas(inotify_event) char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(m_fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= got;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            at += ssize_t(sizeof event + event.len);
            if (event.mask & IN_OPEN) ++m_opens;
            if ((event.mask & IN_CLOSE) && m_opens > 0) lastGone |= --m_opens == 0;
            // Lost events: better to talk to nobody than to drop a listener's answers.
            if (event.mask & IN_Q_OVERFLOW) m_opens = std::max(m_opens, 1);
        }
    }
    // Also when another open followed at once: nothing sent since was meant for the newcomer.
    return lastGone;
}

}  // namespace tavro::sim
