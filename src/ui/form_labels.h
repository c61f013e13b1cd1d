// A form's labels drawn at their own size: the program's style draws a caption whose ink reaches
// past its label smaller, and a label is only as wide as its letters' advance.
#pragma once

class QFormLayout;

namespace tavro::ui {

// Call once the form holds all its rows.
void leaveRoomForInk(QFormLayout &form);

}  // namespace tavro::ui
