#include "workspace/text_engraving.h"

#include "platform/profile_file.h"
#include "workspace/location_modes.h"

#include <QFontDialog>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace tavro::workspace {

TextEngraving::TextEngraving(Units units, PreviewBoard &board, platform::ProfileFile &settings,
                             std::function<void(const QString &)> logLine)
    : m_units(units), m_board(board), m_settings(settings), m_logLine(std::move(logLine))
{
    askFont = [](const QFont &current) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, nullptr, QString(),
                                                  QFontDialog::DontUseNativeDialog);
        if (!ok) return std::nullopt;
        return chosen;
    };
}

void TextEngraving::armTextPlacement()
{
    m_logLine(u"Click on the drawing board, select a location"_s);
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
    const int left = std::clamp(x, 0, TextAreaLimit - 1);
    const int top = std::clamp(y, 0, TextAreaLimit - 1);
    m_units.preview.setGeometry(left, top, TextAreaLimit - left, TextAreaLimit - top);
    uncheckRadio(m_units.arm);
    m_board.setBoardCursor(BoardCursor::Default);
}

QStringList TextEngraving::splitLines(const QString &text)
{
    static const QRegularExpression breaks(u"\r\n|\r|\n"_s);
    return text.split(breaks);
}

void TextEngraving::burnTextIntoBoard()
{
    const QPoint origin = m_units.preview.pos();
    const QStringList lines = splitLines(m_units.preview.toPlainText());
    const int step = QFontMetrics(m_board.boardFont()).height() + 2;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) m_board.writeTextAt(origin.x(), origin.y() + i * step, lines[i]);
    }
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
    const std::optional<QFont> chosen = askFont(m_font.toDialogFont());
    if (!chosen) return;
    applyFontSettings(m_font.fromDialogFont(*chosen));
    saveFontSettings(m_settings, m_font);
}

void TextEngraving::applyFontSettings(const TextFontSettings &font)
{
    m_font = font;
    m_board.setBoardFont(font.toFont());
    m_units.preview.setFont(font.toFont());
}

}  // namespace tavro::workspace
