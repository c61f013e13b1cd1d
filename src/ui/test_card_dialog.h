// Machine > Material Test Card…: what the card tries, its preview on the board, and Burn; modal
// to the window whose board it takes.
#pragma once

#include "materials/test_card.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tavro::session {
class Session;
class TestCardRun;
}  // namespace tavro::session

namespace tavro::platform {
class Prompter;
}  // namespace tavro::platform

namespace tavro::ui {

class TestCardDialog final : public QDialog {
    Q_OBJECT
public:
    TestCardDialog(session::Session &session, session::TestCardRun &run,
                   platform::Prompter &prompter, QWidget *parent = nullptr);

    // The card as the fields say; its tuning is the job's, with the method chosen here.
    materials::TestCardPlan plan() const;
    void setPlan(const materials::TestCardPlan &plan);

    // Asks first when the board holds a picture never sent; closes once the card has begun.
    void burn();

signals:
    // The card to show on the board while the dialog is open; a null picture when it closes.
    void previewChanged(const QImage &card);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void build();
    void layOut();
    void makeConnections();
    void retranslate();
    void spreadBurnTimes();
    void refresh();
    // Done when the card can begin now; otherwise why not.
    platform::Outcome checkNow(const materials::TestCard &card) const;
    QString estimateText(const materials::TestCard &card) const;

    session::Session &m_session;
    session::TestCardRun &m_run;
    platform::Prompter &m_prompter;
    QString m_error;  // of the last Burn, until a field changes
    QLabel *m_intro = nullptr;
    QLabel *m_burnTimesLabel = nullptr;
    QLineEdit *m_burnTimes = nullptr;
    QLabel *m_spreadLabel = nullptr;
    QSpinBox *m_from = nullptr;
    QSpinBox *m_to = nullptr;
    QSpinBox *m_count = nullptr;
    QLabel *m_levelsLabel = nullptr;
    QLineEdit *m_levels = nullptr;
    QCheckBox *m_solid = nullptr;
    QLabel *m_patchLabel = nullptr;
    QDoubleSpinBox *m_patch = nullptr;
    QLabel *m_methodLabel = nullptr;
    QComboBox *m_method = nullptr;
    QLabel *m_tuning = nullptr;
    QCheckBox *m_labels = nullptr;
    QDateEdit *m_date = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_burn = nullptr;
    QPushButton *m_close = nullptr;
};

}  // namespace tavro::ui
