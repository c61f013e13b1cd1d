// How the operator picks a font: the font dialog in the program, a scripted answer in tests.
#pragma once

#include <QFont>

#include <optional>

namespace tavro::ui {

class FontChooser {
public:
    virtual ~FontChooser() = default;
    // Nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &current) = 0;
};

// The font dialog, modal, showing face, style, size and the underline and strikeout effects.
class DialogFontChooser final : public FontChooser {
public:
    std::optional<QFont> chooseFont(const QFont &current) override;
};

}  // namespace tavro::ui
