#include "shell/window_title_fallback.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tavro::shell {

bool WindowTitleFallback::eventFilter(QObject *watched, QEvent *event)
{
    // An application display name would do this too, but it would also be appended to
    // every title that has one ("Message" would read "Message — Tavro Laser").
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        const auto *widget = static_cast<const QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if ((type == Qt::Window || type == Qt::Dialog) && widget->windowTitle().isEmpty()) {
            if (QWindow *window = widget->windowHandle()) window->setTitle(ProgramName);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavro::shell
