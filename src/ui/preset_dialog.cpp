#include "ui/preset_dialog.h"

#include "session/session.h"
#include "ui/form_labels.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

QString methodName(render::Effect method)
{
    // The strip's own names, so both say the same.
    switch (method) {
    case render::Effect::Dither:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Dither");
    case render::Effect::FloydSteinberg:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Floyd-Steinberg");
    case render::Effect::Atkinson:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Atkinson");
    case render::Effect::JarvisJudiceNinke:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Jarvis-Judice-Ninke");
    case render::Effect::Stucki:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Stucki");
    case render::Effect::Sierra:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Sierra");
    case render::Effect::Bayer:
        return QCoreApplication::translate("tavro::ui::TuningStrip", "Bayer 8 x 8");
    case render::Effect::BlackWhite:
    case render::Effect::Threshold:
        break;
    }
    return render::effectName(method);
}

QString tuningSummary(const render::PictureTuning &tuning, bool withMethod)
{
    QStringList parts;
    if (withMethod) parts << methodName(tuning.method);
    const QLocale locale;
    if (tuning.brightness != 0)
        parts << PresetDialog::tr("brightness %1").arg(locale.toString(tuning.brightness));
    if (tuning.contrast != 0)
        parts << PresetDialog::tr("contrast %1").arg(locale.toString(tuning.contrast));
    if (tuning.gamma != 1.0)
        parts << PresetDialog::tr("gamma %1").arg(locale.toString(tuning.gamma, 'f', 2));
    if (tuning.invert) parts << PresetDialog::tr("inverted");
    const QString dots = locale.toString(tuning.dotDiameter, 'f', 1);
    parts << (tuning.compensateDotGain
                  ? PresetDialog::tr("dots %1 wide, dot gain compensated").arg(dots)
                  : PresetDialog::tr("dots %1 wide").arg(dots));
    return parts.join(u", "_s);
}

PresetDialog::PresetDialog(session::Session &session, const materials::MaterialPreset &proposal,
                           QWidget *parent)
    : QDialog(parent), m_session(session), m_preset(proposal)
{
    setObjectName(u"presetDialog"_s);
    build();
    makeConnections();
    showRemark();
}

void PresetDialog::build()
{
    setWindowTitle(tr("Save as Preset"));
    m_name = new QLineEdit(m_preset.name, this);
    m_name->setObjectName(u"presetName"_s);
    m_name->setMaxLength(int(materials::MaterialPreset::MaxNameLength));
    m_name->setPlaceholderText(tr("Birch plywood 3 mm"));
    m_burnTime = new QSpinBox(this);
    m_burnTime->setRange(document::BurnTimeRange.min, document::BurnTimeRange.max);
    m_burnTime->setValue(m_preset.burnTime);
    m_tuning = new QLabel(tuningSummary(m_preset.tuning), this);
    m_tuning->setWordWrap(true);
    m_materialColour = new QPushButton(tr("Material…"), this);
    m_burnColour = new QPushButton(tr("Burn…"), this);
    showColour(*m_materialColour, m_preset.material);
    showColour(*m_burnColour, m_preset.burn);
    m_notes = new QPlainTextEdit(m_preset.notes, this);
    m_notes->setMaximumHeight(80);
    m_remark = new QLabel(this);
    m_remark->setTextFormat(Qt::PlainText);  // it names the preset
    m_remark->setWordWrap(true);
    auto *colours = new QHBoxLayout;
    colours->addWidget(m_materialColour);
    colours->addWidget(m_burnColour);
    colours->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PresetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PresetDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Burn time:"), m_burnTime);
    form->addRow(tr("Method and tuning:"), m_tuning);
    form->addRow(tr("Colours:"), colours);
    form->addRow(tr("Notes:"), m_notes);
    form->addRow(m_remark);
    form->addRow(buttons);
    leaveRoomForInk(*form);
    setMinimumWidth(420);
}

void PresetDialog::makeConnections()
{
    connect(m_name, &QLineEdit::textChanged, this, [this] {
        m_error.clear();
        showRemark();
    });
    connect(m_materialColour, &QPushButton::clicked, this,
            [this] { pickColour(m_preset.material, *m_materialColour); });
    connect(m_burnColour, &QPushButton::clicked, this,
            [this] { pickColour(m_preset.burn, *m_burnColour); });
}

materials::MaterialPreset PresetDialog::preset() const
{
    materials::MaterialPreset preset = m_preset;
    preset.name = m_name->text().trimmed();
    preset.burnTime = m_burnTime->value();
    preset.notes = m_notes->toPlainText().left(materials::MaterialPreset::MaxNotesLength);
    return preset;
}

QString PresetDialog::remark() const
{
    if (!m_error.isEmpty()) return m_error;
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) return {};
    if (const platform::Outcome named = materials::checkPresetName(name); !named)
        return named.why();
    if (m_session.materials().find(name)) return tr("The preset %1 will be replaced.").arg(name);
    return {};
}

void PresetDialog::showRemark()
{
    m_remark->setText(remark());
    m_remark->setVisible(!m_remark->text().isEmpty());
}

void PresetDialog::accept()
{
    const platform::Outcome saved = m_session.savePreset(preset());
    m_error = saved.why();
    if (!saved) {
        showRemark();
        return;
    }
    QDialog::accept();
}

void PresetDialog::pickColour(QRgb &colour, QPushButton &button)
{
    const QColor picked = QColorDialog::getColor(QColor(colour), this, button.text());
    if (!picked.isValid()) return;
    colour = picked.rgb();
    showColour(button, colour);
}

void PresetDialog::showColour(QPushButton &button, QRgb colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(QColor(colour));
    button.setIcon(QIcon(swatch));
}

materials::MaterialPreset PresetDialog::proposalFrom(session::Session &session)
{
    materials::MaterialPreset proposal;
    if (const std::optional<materials::MaterialPreset> chosen =
            session.materials().find(session.materials().chosen()))
        proposal = *chosen;
    proposal.burnTime = session.document().burnTime();
    proposal.tuning = session.document().tuning();
    return proposal;
}

}  // namespace tavro::ui
