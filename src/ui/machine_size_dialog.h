// Machine > Machine Size: how many dots of the board make a millimetre on the work piece.
#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class MachineSizeDialog final : public QDialog {
    Q_OBJECT
public:
    explicit MachineSizeDialog(session::Session &session, QWidget *parent = nullptr);

    // The scale becomes the machine's, kept in Config.ini.
    void accept() override;

private:
    void showBoardSize();

    session::Session &m_session;
    QDoubleSpinBox *m_scale = nullptr;
    QLabel *m_boardSize = nullptr;
};

}  // namespace tavro::ui
