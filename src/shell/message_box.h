// Message boxes modal for the whole program.
#pragma once

#include <QString>

namespace tavro::shell {

enum class BoxButtons { Ok = 0, OkCancel = 1 };

// 0 for OK, 1 for Cancel (closing the box counts as Cancel when there is one).
int ShowMessageBox(const QString &text, BoxButtons buttons, const QString &caption);

}  // namespace tavro::shell
