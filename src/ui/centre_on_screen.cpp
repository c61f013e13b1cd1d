#include "ui/centre_on_screen.h"

#include <QScreen>
#include <QWidget>

namespace tavro::ui {

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen) return;
    // The frame, once there is one, counts: a title bar would push the window off centre.
    const QRect frame = window.frameGeometry();
    window.move(screen->availableGeometry().center() - frame.center() + window.pos());
}

}  // namespace tavro::ui
