// Puts a window in the middle of the screen it is on, frame and all.
#pragma once

class QWidget;

namespace tavro::ui {

void centreOnScreen(QWidget &window);

}  // namespace tavro::ui
