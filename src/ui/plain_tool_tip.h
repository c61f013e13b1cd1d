// Tooltips that show their text word for word, as a name from outside must be shown.
#pragma once

#include <QString>

namespace tavro::ui {

// `text` as a tooltip shows it: escaped where Qt would take it for markup (and load the pictures
// it names), else unchanged.
QString plainToolTip(const QString &text);

}  // namespace tavro::ui
