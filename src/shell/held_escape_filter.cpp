#include "shell/held_escape_filter.h"

#include <QKeyEvent>

namespace tavro::shell {

bool HeldEscapeFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_Escape) return QObject::eventFilter(watched, event);
    if (type == QEvent::KeyRelease) {
        m_lastReleaseTime = key->timestamp();
        return QObject::eventFilter(watched, event);
    }
    // The press that closes a window destroys it, and a key left down then repeats into
    // every window and box that opens next and closes it at once: the settings would not
    // stay open and Power OFF would cancel itself. X repeats a held key as a release and
    // a press with one time stamp, and Qt flags only some of those as repeats.
    const bool repeat =
        key->isAutoRepeat() || (key->timestamp() != 0 && key->timestamp() == m_lastReleaseTime);
    return repeat || QObject::eventFilter(watched, event);
}

}  // namespace tavro::shell
