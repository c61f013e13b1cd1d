// Asks for a material preset's name, burn time, colours and notes, and saves it.
#pragma once

#include "materials/material_presets.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class PresetDialog final : public QDialog {
    Q_OBJECT
public:
    PresetDialog(session::Session &session, const materials::MaterialPreset &proposal,
                 QWidget *parent = nullptr);

    // The preset as the dialog's fields say now.
    materials::MaterialPreset preset() const;
    // What stands in the way of saving, or what saving will do; empty when nothing to say.
    QString remark() const;

    // Saves and closes; stays open and says why when it cannot be saved.
    void accept() override;

    // What the job holds now as a preset: its tuning and burn time, the chosen material's
    // name, colours and notes.
    static materials::MaterialPreset proposalFrom(session::Session &session);

private:
    void build();
    void makeConnections();
    void showRemark();
    void pickColour(QRgb &colour, QPushButton &button);
    static void showColour(QPushButton &button, QRgb colour);

    session::Session &m_session;
    materials::MaterialPreset m_preset;
    QLineEdit *m_name = nullptr;
    QSpinBox *m_burnTime = nullptr;
    QLabel *m_tuning = nullptr;
    QPushButton *m_materialColour = nullptr;
    QPushButton *m_burnColour = nullptr;
    QPlainTextEdit *m_notes = nullptr;
    QLabel *m_remark = nullptr;
    QString m_error;
};

// The tuning in a few words: method (unless left out), tone, dots and compensation.
QString tuningSummary(const render::PictureTuning &tuning, bool withMethod = true);
// The method's name as the chooser's strip names it.
QString methodName(render::Effect method);

}  // namespace tavro::ui
