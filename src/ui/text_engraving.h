// Typed text placed on the board in the chosen font and burnt into its pixels.
#pragma once

#include "document/text_font.h"
#include "ui/font_chooser.h"
#include "ui/preview_board.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class TextEngraving {
public:
    static constexpr int TextAreaLimit = 490;

    struct Units {
        QPlainTextEdit &input;    // 编辑框文字
        QPlainTextEdit &preview;  // 编辑框文字预览, a child of the board
        QPushButton &confirm;     // 按钮文字确认
        QRadioButton &arm;        // 单选框文字
    };

    // The font and the board are the session's document's; the preview follows its font.
    TextEngraving(Units units, PreviewBoard &board, session::Session &session, FontChooser &fonts);

    void armTextPlacement();
    void placeTextPreview(int x, int y);
    void burnTextIntoBoard();
    void mirrorInputToPreview();
    void mirrorPreviewToInput();

    // Opens the font dialog; confirmed, the font becomes the document's and is kept.
    void chooseFont();
    // The preview box shows the text as it will be burnt.
    void applyFontSettings(const document::TextFontSettings &font);

private:
    void showPreviewAtOrigin();

    Units m_units;
    PreviewBoard &m_board;
    session::Session &m_session;
    FontChooser &m_fonts;
    QPoint m_origin;  // the board dot the preview box was placed at
};

}  // namespace tavro::ui
