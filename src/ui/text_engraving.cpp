#include "ui/text_engraving.h"

#include "session/session.h"
#include "ui/location_modes.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

TextEngraving::TextEngraving(Units units, PreviewBoard &board, session::Session &session,
                             FontChooser &fonts)
    : m_units(units), m_board(board), m_session(session), m_fonts(fonts)
{
    applyFontSettings(session.document().font());
    QObject::connect(&session.document(), &document::JobDocument::fontChanged, &units.preview,
                     [this](const document::TextFontSettings &font) { applyFontSettings(font); });
    // Magnified, the box stays on the dot it was placed at.
    QObject::connect(&board, &PreviewBoard::viewChanged, &units.preview, [this] {
        if (m_units.preview.isVisible()) showPreviewAtOrigin();
    });
}

void TextEngraving::showPreviewAtOrigin()
{
    const QPoint at = (m_origin - m_board.viewOrigin()) * m_board.zoom();
    m_units.preview.setGeometry(at.x(), at.y(), TextAreaLimit - m_origin.x(),
                                TextAreaLimit - m_origin.y());
}

void TextEngraving::armTextPlacement()
{
    m_session.log().logLine(u"Click on the drawing board, select a location"_s);
    if (!m_units.arm.isChecked()) return;
    m_units.preview.hide();
    m_units.confirm.hide();
    m_board.setBoardCursor(BoardCursor::IBeam);
}

void TextEngraving::placeTextPreview(int x, int y)
{
    m_units.preview.show();
    m_units.confirm.show();
    // A press beyond the text area would give the box no room at all: keep it at
    // least one pixel and on the board.
    m_origin = {std::clamp(x, 0, TextAreaLimit - 1), std::clamp(y, 0, TextAreaLimit - 1)};
    showPreviewAtOrigin();
    uncheckRadio(m_units.arm);
    m_board.setBoardCursor(BoardCursor::Default);
}

void TextEngraving::burnTextIntoBoard()
{
    m_session.writeText(m_origin, m_units.preview.toPlainText());
    m_units.preview.hide();
    m_units.confirm.hide();
}

void TextEngraving::mirrorInputToPreview()
{
    const QString text = m_units.input.toPlainText();
    if (m_units.preview.toPlainText() != text) m_units.preview.setPlainText(text);
}

void TextEngraving::mirrorPreviewToInput()
{
    const QString text = m_units.preview.toPlainText();
    if (m_units.input.toPlainText() != text) m_units.input.setPlainText(text);
}

void TextEngraving::chooseFont()
{
    const document::TextFontSettings &current = m_session.document().font();
    const std::optional<QFont> chosen = m_fonts.chooseFont(current.toDialogFont());
    if (!chosen) return;
    m_session.chooseFont(current.fromDialogFont(*chosen));
}

void TextEngraving::applyFontSettings(const document::TextFontSettings &font)
{
    m_units.preview.setFont(font.toFont());
}

}  // namespace tavro::ui
