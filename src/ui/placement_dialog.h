// Edit > Size and Position: the chosen picture's size, place and mirroring in millimetres.
#pragma once

#include "document/placement.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class PlacementDialog final : public QDialog {
    Q_OBJECT
public:
    // Opened on the placement the picture has now; nothing to do without one.
    explicit PlacementDialog(session::Session &session, QWidget *parent = nullptr);

    // What the fields ask, as the command-line options would ask it: only what was changed.
    document::PlacementRequest request() const;

    // Places the picture; stays open and says why when it cannot be placed there.
    void accept() override;

private:
    void build();
    void showPlacement(const document::Placement &placement);
    // The other side follows the picture's proportions as one is typed.
    void follow(bool fromWidth);

    session::Session &m_session;
    document::Placement m_from;
    QSize m_picture;
    double m_scale;
    QDoubleSpinBox *m_width = nullptr;
    QDoubleSpinBox *m_height = nullptr;
    QDoubleSpinBox *m_left = nullptr;
    QDoubleSpinBox *m_top = nullptr;
    QCheckBox *m_mirrorH = nullptr;
    QCheckBox *m_mirrorV = nullptr;
    QLabel *m_problem = nullptr;
    bool m_heightTyped = false;  // the last side typed was the height
};

}  // namespace tavro::ui
