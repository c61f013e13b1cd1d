#include "ui/font_chooser.h"

#include <QFontDialog>

namespace tavro::ui {

std::optional<QFont> DialogFontChooser::chooseFont(const QFont &current)
{
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, current, nullptr, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok) return std::nullopt;
    return chosen;
}

}  // namespace tavro::ui
