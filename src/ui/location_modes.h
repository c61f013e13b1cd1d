// Showing the engraving area with the laser: point, centre and box modes, and board presses.
#pragma once

#include "ui/preview_board.h"

#include <QRadioButton>

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class TextEngraving;

enum class LocationMode { Off, Point, Centre, Box };

class LocationModes {
public:
    // A press while the text I-beam shows places the text.
    LocationModes(QRadioButton &point, QRadioButton &centre, QRadioButton &box, PreviewBoard &board,
                  TextEngraving &text, session::Session &session);

    // The one handler of the three radio boxes' clicks.
    void applyLocationMode();
    // A left-button press on the board, in board pixels.
    void boardMouseDown(int x, int y);

private:
    void remember(LocationMode mode);
    // Leaves the remembered mode: its box unchecked, the arrow back.
    void leave(QRadioButton &radio, bool &flag);

    QRadioButton &m_pointRadio;
    QRadioButton &m_centreRadio;
    QRadioButton &m_boxRadio;
    PreviewBoard &m_board;
    TextEngraving &m_text;
    session::Session &m_session;
    bool m_point = false;
    bool m_centre = false;
    bool m_box = false;
};

// Unchecks a radio box of an exclusive group, which Qt otherwise refuses.
void uncheckRadio(QRadioButton &radio);

}  // namespace tavro::ui
