// Edit > Add Code…: a QR code, Data Matrix, Code 128 or EAN-13 from a text, at a size in
// millimetres with whole dots a module.
#pragma once

#include "codes/code_fit.h"
#include "codes/code_symbol.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class AddCodeDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AddCodeDialog(session::Session &session, QWidget *parent = nullptr);

    // The code goes on the board as a new job.
    void accept() override;

private:
    // The symbol and its size as the fields ask, with what it comes out at or why it cannot.
    void remake();

    session::Session &m_session;
    QLineEdit *m_text = nullptr;
    QComboBox *m_symbology = nullptr;
    QComboBox *m_errorCorrection = nullptr;
    QDoubleSpinBox *m_width = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_warning = nullptr;
    QPushButton *m_ok = nullptr;
    std::optional<codes::CodeSymbol> m_symbol;
    codes::CodeFit m_fit;
};

}  // namespace tavro::ui
