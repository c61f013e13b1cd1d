#include "ui/location_modes.h"

#include "session/session.h"
#include "ui/text_engraving.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

void uncheckRadio(QRadioButton &radio)
{
    const bool exclusive = radio.autoExclusive();
    radio.setAutoExclusive(false);
    radio.setChecked(false);
    radio.setAutoExclusive(exclusive);
}

LocationModes::LocationModes(QRadioButton &point, QRadioButton &centre, QRadioButton &box,
                             PreviewBoard &board, TextEngraving &text, session::Session &session)
    : m_pointRadio(point),
      m_centreRadio(centre),
      m_boxRadio(box),
      m_board(board),
      m_text(text),
      m_session(session)
{
}

void LocationModes::remember(LocationMode mode)
{
    m_point = mode == LocationMode::Point;
    m_centre = mode == LocationMode::Centre;
    m_box = mode == LocationMode::Box;
}

void LocationModes::leave(QRadioButton &radio, bool &flag)
{
    flag = false;
    uncheckRadio(radio);
    m_board.setBoardCursor(BoardCursor::Default);
}

void LocationModes::applyLocationMode()
{
    if (m_pointRadio.isChecked()) {
        if (m_point) return leave(m_pointRadio, m_point);
        m_session.log().logLine(u"\r\n"_s + QString(22, u'>') +
                                u"Click the drawing board to location."_s + QString(16, u'<'));
        m_board.setBoardCursor(BoardCursor::Cross);
        remember(LocationMode::Point);
    }
    if (m_centreRadio.isChecked()) {
        if (m_centre) return leave(m_centreRadio, m_centre);
        m_board.setBoardCursor(BoardCursor::Default);
        m_session.locateToCentre(true);
        remember(LocationMode::Centre);
    }
    if (m_boxRadio.isChecked()) {
        if (m_box) {
            leave(m_boxRadio, m_box);
            m_session.locateToCentre(false);
            return;
        }
        m_board.setBoardCursor(BoardCursor::Default);
        m_session.locateToBox();
        remember(LocationMode::Box);
    }
}

void LocationModes::boardMouseDown(int x, int y)
{
    if (m_board.boardCursor() == BoardCursor::Cross) m_session.gotoPoint(x, y);
    if (m_board.boardCursor() == BoardCursor::IBeam) m_text.placeTextPreview(x, y);
}

}  // namespace tavro::ui
