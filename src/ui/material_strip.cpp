#include "ui/material_strip.h"

#include "session/session.h"
#include "ui/preset_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

MaterialStrip::MaterialStrip(session::Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(u"materialStrip"_s);
    build();
    retranslate();
    showTuning(session.document().tuning());
    makeConnections();
}

void MaterialStrip::build()
{
    m_materialLabel = new QLabel(this);
    m_material = new QComboBox(this);
    m_material->setObjectName(u"materialBox"_s);
    m_material->setMinimumWidth(200);
    m_material->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_save = new QPushButton(this);
    m_dotLabel = new QLabel(this);
    m_dotWidth = new QDoubleSpinBox(this);
    m_dotWidth->setObjectName(u"dotWidthBox"_s);
    m_dotWidth->setRange(render::DotDiameterRange.min, render::DotDiameterRange.max);
    m_dotWidth->setSingleStep(0.1);
    m_dotWidth->setDecimals(2);
    m_compensate = new QCheckBox(this);
    m_compensate->setObjectName(u"compensateDotGainBox"_s);
    m_asItWillBurn = new QCheckBox(this);
    m_asItWillBurn->setObjectName(u"asItWillBurnBox"_s);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 8, 6);
    row->setSpacing(8);
    row->addWidget(m_materialLabel);
    row->addWidget(m_material);
    row->addWidget(m_save);
    row->addSpacing(16);
    row->addWidget(m_dotLabel);
    row->addWidget(m_dotWidth);
    row->addWidget(m_compensate);
    row->addStretch();
    row->addWidget(m_asItWillBurn);
}

void MaterialStrip::makeConnections()
{
    const materials::MaterialPresets &materials = m_session.materials();
    connect(&materials, &materials::MaterialPresets::presetsChanged, this,
            &MaterialStrip::showPresets);
    connect(&materials, &materials::MaterialPresets::chosenChanged, this,
            &MaterialStrip::showPresets);
    connect(&materials, &materials::MaterialPresets::asItWillBurnChanged, m_asItWillBurn,
            &QCheckBox::setChecked);
    connect(&m_session.document(), &document::JobDocument::tuningChanged, this,
            &MaterialStrip::showTuning);
    connect(m_material, &QComboBox::activated, this, [this](int index) {
        const QString name = m_material->itemData(index).toString();
        if (name.isEmpty())
            m_session.setChosenMaterial(QString());
        else
            m_session.choosePreset(name);
    });
    connect(m_save, &QPushButton::clicked, this, &MaterialStrip::saveAsPreset);
    connect(m_dotWidth, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        editTuning([&](render::PictureTuning &t) { t.dotDiameter = value; });
    });
    connect(m_compensate, &QCheckBox::toggled, this, [this](bool on) {
        editTuning([&](render::PictureTuning &t) { t.compensateDotGain = on; });
    });
    connect(m_asItWillBurn, &QCheckBox::toggled, &materials,
            &materials::MaterialPresets::setAsItWillBurn);
}

void MaterialStrip::editTuning(const std::function<void(render::PictureTuning &)> &edit)
{
    if (m_showing) return;
    render::PictureTuning tuning = m_session.document().tuning();
    edit(tuning);
    m_session.setTuning(tuning);
}

void MaterialStrip::showTuning(const render::PictureTuning &tuning)
{
    m_showing = true;
    m_dotWidth->setValue(tuning.dotDiameter);
    m_compensate->setChecked(tuning.compensateDotGain);
    m_showing = false;
}

void MaterialStrip::showPresets()
{
    const materials::MaterialPresets &materials = m_session.materials();
    m_material->clear();
    m_material->addItem(tr("No material"), QString());
    for (const materials::MaterialPreset &preset : materials.presets())
        m_material->addItem(preset.name, preset.name);
    m_material->setCurrentIndex(std::max(0, m_material->findData(materials.chosen())));
    m_asItWillBurn->setChecked(materials.asItWillBurn());
}

void MaterialStrip::saveAsPreset()
{
    PresetDialog dialog(m_session, PresetDialog::proposalFrom(m_session), this);
    if (dialog.exec() == QDialog::Accepted) m_session.setChosenMaterial(dialog.preset().name);
}

void MaterialStrip::retranslate()
{
    m_materialLabel->setText(tr("Material:"));
    m_save->setText(tr("Save as Preset…"));
    m_dotLabel->setText(tr("Dot width:"));
    m_dotWidth->setSuffix(tr(" dots"));
    m_compensate->setText(tr("Compensate dot gain"));
    m_asItWillBurn->setText(tr("As it will burn"));
    m_dotWidth->setToolTip(tr("How wide a burnt dot is on this material, in dots of the board"));
    m_compensate->setToolTip(
        tr("Lighten greys so that dots this wide burn them as dark as the picture asks"));
    m_asItWillBurn->setToolTip(
        tr("Show every burnt dot as a disc of the dot width in the material's colours"));
    showPresets();
}

void MaterialStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

}  // namespace tavro::ui
