// Machine > Machine Size: how many dots of the board make a millimetre on the work piece.
#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

namespace tavro::job {

class Session;

class MachineSizeDialog final : public QDialog {
    Q_OBJECT
public:
    explicit MachineSizeDialog(Session &session, QWidget *parent = nullptr);

    QDoubleSpinBox &scaleBox() { return *m_scale; }
    QString boardSizeText() const;

    // The scale becomes the machine's, kept in Config.ini.
    void accept() override;

private:
    void showBoardSize();

    Session &m_session;
    QDoubleSpinBox *m_scale = nullptr;
    QLabel *m_boardSize = nullptr;
};

}  // namespace tavro::job
