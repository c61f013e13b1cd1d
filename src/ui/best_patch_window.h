// After a test card: the card on the screen as it burnt; the patch the operator picks becomes a
// material preset, with a name.
#pragma once

#include "materials/material_preset.h"
#include "materials/test_card.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class PatchPicker;

class BestPatchWindow final : public QDialog {
    Q_OBJECT
public:
    BestPatchWindow(session::Session &session, const materials::TestCardPlan &plan,
                    QWidget *parent = nullptr);

    QString pickedText() const;
    // The preset the picked patch makes: its column's burn time, the card's tuning, and what
    // was picked in its notes (a grey level has no place of its own in a preset).
    std::optional<materials::MaterialPreset> proposal() const;

    // Asks for the name and saves the preset; true when saved.
    bool savePicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showPicked();

    session::Session &m_session;
    materials::TestCard m_card;
    PatchPicker *m_picker = nullptr;
    QLabel *m_intro = nullptr;
    QLabel *m_picked = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
};

}  // namespace tavro::ui
