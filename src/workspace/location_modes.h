// Showing the engraving area with the laser: point, centre and box modes, and board presses.
#pragma once

#include "workspace/preview_board.h"

#include <QRadioButton>

#include <functional>

namespace tavro::link {
class EngraverLink;
}

namespace tavro::workspace {

enum class LocationMode { Off, Point, Centre, Box };

class LocationModes {
public:
    LocationModes(QRadioButton &point, QRadioButton &centre, QRadioButton &box, PreviewBoard &board,
                  link::EngraverLink &link);

    // The one handler of the three radio boxes' clicks.
    void applyLocationMode();
    // A left-button press on the board, in board pixels.
    void boardMouseDown(int x, int y);

    // Where a press goes while the text I-beam is shown.
    std::function<void(int, int)> placeText;

    bool pointModeOn() const { return m_point; }
    bool centreModeOn() const { return m_centre; }
    bool boxModeOn() const { return m_box; }

private:
    void remember(LocationMode mode);
    // Leaves the remembered mode: its box unchecked, the arrow back.
    void leave(QRadioButton &radio, bool &flag);

    QRadioButton &m_pointRadio;
    QRadioButton &m_centreRadio;
    QRadioButton &m_boxRadio;
    PreviewBoard &m_board;
    link::EngraverLink &m_link;
    bool m_point = false;
    bool m_centre = false;
    bool m_box = false;
};

// Unchecks a radio box of an exclusive group, which Qt otherwise refuses.
void uncheckRadio(QRadioButton &radio);

}  // namespace tavro::workspace
