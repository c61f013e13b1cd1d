// Typed text placed on the board in the chosen font and burnt into its pixels.
#pragma once

#include "workspace/preview_board.h"
#include "workspace/text_font.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace tavro::platform {
class ProfileFile;
}

namespace tavro::workspace {

class TextEngraving {
public:
    static constexpr int TextAreaLimit = 490;

    struct Units {
        QPlainTextEdit &input;    // 编辑框文字
        QPlainTextEdit &preview;  // 编辑框文字预览, a child of the board
        QPushButton &confirm;     // 按钮文字确认
        QRadioButton &arm;        // 单选框文字
    };

    TextEngraving(Units units, PreviewBoard &board, platform::ProfileFile &settings,
                  std::function<void(const QString &)> logLine);

    void armTextPlacement();
    void placeTextPreview(int x, int y);
    void burnTextIntoBoard();
    void mirrorInputToPreview();
    void mirrorPreviewToInput();

    // Opens the font dialog; confirmed, the font is applied and saved.
    void chooseFont();
    void applyFontSettings(const TextFontSettings &font);
    const TextFontSettings &font() const { return m_font; }

    // How the font dialog asks; replaced by tests. Empty optional: cancelled.
    std::function<std::optional<QFont>(const QFont &current)> askFont;

    // The lines of a text as they are burnt: split at CR LF, CR or LF.
    static QStringList splitLines(const QString &text);

private:
    Units m_units;
    PreviewBoard &m_board;
    platform::ProfileFile &m_settings;
    std::function<void(const QString &)> m_logLine;
    TextFontSettings m_font;
};

}  // namespace tavro::workspace
