#include "ui/best_patch_window.h"

#include "render/as_it_will_burn.h"
#include "session/session.h"
#include "ui/patch_picker.h"
#include "ui/preset_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

BestPatchWindow::BestPatchWindow(session::Session &session, const materials::TestCardPlan &plan,
                                 QWidget *parent)
    : QDialog(parent), m_session(session), m_card(plan)
{
    setObjectName(u"bestPatchWindow"_s);
    // As it burnt on the material chosen, so the screen resembles the card in the hand.
    const materials::MaterialPresets &materials = session.materials();
    const QImage shown =
        render::AsItWillBurn(materials.look(plan.tuning.dotDiameter)).render(m_card.board());
    m_picker = new PatchPicker(m_card.layout(), shown, this);
    m_picker->setObjectName(u"patchPicker"_s);
    m_intro = new QLabel(this);
    m_intro->setWordWrap(true);
    m_picked = new QLabel(this);
    m_save = new QPushButton(this);
    m_save->setObjectName(u"savePatchButton"_s);
    m_save->setDefault(true);
    m_close = new QPushButton(this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_picked, 1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_intro);
    column->addWidget(m_picker, 0, Qt::AlignHCenter);
    column->addLayout(buttons);
    setFixedWidth(m_picker->width() + 24);
    connect(m_picker, &PatchPicker::patchPicked, this, &BestPatchWindow::showPicked);
    connect(m_picker, &PatchPicker::patchChosen, this, &BestPatchWindow::savePicked);
    connect(m_save, &QPushButton::clicked, this, &BestPatchWindow::savePicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

std::optional<materials::MaterialPreset> BestPatchWindow::proposal() const
{
    const std::optional<QPoint> patch = m_picker->picked();
    if (!patch) return std::nullopt;
    const materials::TestCardPlan &plan = m_card.plan();
    materials::MaterialPreset preset = PresetDialog::proposalFrom(m_session);
    preset.name.clear();  // a new preset: the operator names it
    preset.burnTime = plan.burnTimes[patch->x()];
    preset.tuning = plan.tuning;
    const QString date = QLocale().toString(plan.date, QLocale::ShortFormat);
    preset.notes = tr("Test card of %1: burn time %2 at %3 % looked best.")
                       .arg(date)
                       .arg(preset.burnTime)
                       .arg(plan.levels[patch->y()]);
    return preset;
}

QString BestPatchWindow::pickedText() const
{
    const std::optional<QPoint> patch = m_picker->picked();
    if (!patch) return tr("No patch picked yet.");
    return tr("Burn time %1, %2 % black")
        .arg(m_card.plan().burnTimes[patch->x()])
        .arg(m_card.plan().levels[patch->y()]);
}

void BestPatchWindow::showPicked()
{
    m_picked->setText(pickedText());
    m_save->setEnabled(m_picker->picked().has_value());
}

bool BestPatchWindow::savePicked()
{
    const std::optional<materials::MaterialPreset> preset = proposal();
    if (!preset) return false;
    PresetDialog dialog(m_session, *preset, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    m_session.setChosenMaterial(dialog.preset().name);
    accept();
    return true;
}

void BestPatchWindow::retranslate()
{
    setWindowTitle(tr("Choose the Best Patch"));
    m_intro->setText(
        tr("Click the patch that looked best on the burnt card, then save it as a "
           "preset (or double-click it)."));
    m_save->setText(tr("Save as Preset…"));
    m_close->setText(tr("Close"));
    showPicked();
}

void BestPatchWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

}  // namespace tavro::ui
