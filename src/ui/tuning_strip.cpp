#include "ui/tuning_strip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

constexpr render::GreySource GreySources[] = {render::GreySource::Auto, render::GreySource::Blue,
                                              render::GreySource::Average,
                                              render::GreySource::Luma};

QSlider *toneSlider(render::TuningRange<int> range, QWidget *parent)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(range.min, range.max);
    slider->setPageStep(10);
    return slider;
}

}  // namespace

TuningStrip::TuningStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"tuningStrip"_s);
    build();
    retranslate();
    showValues();
    makeConnections();
}

void TuningStrip::build()
{
    m_greyLabel = new QLabel(this);
    m_grey = new QComboBox(this);
    m_brightnessLabel = new QLabel(this);
    m_brightness = toneSlider(render::BrightnessRange, this);
    m_brightnessValue = new QLabel(this);
    m_contrastLabel = new QLabel(this);
    m_contrast = toneSlider(render::ContrastRange, this);
    m_contrastValue = new QLabel(this);
    m_gammaLabel = new QLabel(this);
    m_gamma = new QDoubleSpinBox(this);
    m_gamma->setRange(render::GammaRange.min, render::GammaRange.max);
    m_gamma->setSingleStep(0.1);
    m_gamma->setDecimals(2);
    m_invert = new QCheckBox(this);
    m_thresholdLabel = new QLabel(this);
    m_threshold = new QSpinBox(this);
    m_threshold->setRange(render::ThresholdRange.min, render::ThresholdRange.max);
    m_methodLabel = new QLabel(this);
    m_method = new QComboBox(this);
    m_reset = new QPushButton(this);
    for (QLabel *value : {m_brightnessValue, m_contrastValue}) {
        value->setMinimumWidth(32);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // Tone for both panels on the first row; what each panel does on the second, under it.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(m_greyLabel, 0, 0);
    grid->addWidget(m_grey, 0, 1);
    grid->addWidget(m_brightnessLabel, 0, 2);
    grid->addWidget(m_brightness, 0, 3);
    grid->addWidget(m_brightnessValue, 0, 4);
    grid->addWidget(m_contrastLabel, 0, 5);
    grid->addWidget(m_contrast, 0, 6);
    grid->addWidget(m_contrastValue, 0, 7);
    grid->addWidget(m_gammaLabel, 0, 8);
    grid->addWidget(m_gamma, 0, 9);
    grid->addWidget(m_invert, 0, 10);
    grid->addWidget(m_thresholdLabel, 1, 0);
    grid->addWidget(m_threshold, 1, 1);
    grid->addWidget(m_methodLabel, 1, 5);
    grid->addWidget(m_method, 1, 6, 1, 3);
    grid->addWidget(m_reset, 1, 10);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(6, 1);
}

void TuningStrip::makeConnections()
{
    connect(m_grey, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) change([&](render::PictureTuning &t) { t.grey = GreySources[index]; });
    });
    connect(m_brightness, &QSlider::valueChanged, this,
            [this](int value) { change([&](render::PictureTuning &t) { t.brightness = value; }); });
    connect(m_contrast, &QSlider::valueChanged, this,
            [this](int value) { change([&](render::PictureTuning &t) { t.contrast = value; }); });
    connect(m_gamma, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { change([&](render::PictureTuning &t) { t.gamma = value; }); });
    connect(m_invert, &QCheckBox::toggled, this,
            [this](bool on) { change([&](render::PictureTuning &t) { t.invert = on; }); });
    connect(m_threshold, &QSpinBox::valueChanged, this,
            [this](int value) { change([&](render::PictureTuning &t) { t.threshold = value; }); });
    connect(m_method, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            change([&](render::PictureTuning &t) {
                t.method = render::RightPanelEffects[std::size_t(index)];
            });
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        setTuning(render::PictureTuning{});
        emit tuningChanged(m_tuning);
    });
}

void TuningStrip::change(const std::function<void(render::PictureTuning &)> &edit)
{
    if (m_showing) return;
    edit(m_tuning);
    showValues();
    emit tuningChanged(m_tuning);
}

void TuningStrip::setTuning(const render::PictureTuning &tuning)
{
    m_tuning = tuning.isValid() ? tuning : render::PictureTuning{};
    showValues();
}

void TuningStrip::showValues()
{
    m_showing = true;
    m_grey->setCurrentIndex(
        int(std::find(std::begin(GreySources), std::end(GreySources), m_tuning.grey) -
            std::begin(GreySources)));
    m_brightness->setValue(m_tuning.brightness);
    m_brightnessValue->setText(QString::number(m_tuning.brightness));
    m_contrast->setValue(m_tuning.contrast);
    m_contrastValue->setText(QString::number(m_tuning.contrast));
    m_gamma->setValue(m_tuning.gamma);
    m_invert->setChecked(m_tuning.invert);
    m_threshold->setValue(m_tuning.threshold);
    m_method->setCurrentIndex(int(std::find(render::RightPanelEffects.begin(),
                                            render::RightPanelEffects.end(), m_tuning.method) -
                                  render::RightPanelEffects.begin()));
    m_showing = false;
}

void TuningStrip::retranslate()
{
    m_showing = true;
    m_greyLabel->setText(tr("Grey from:"));
    m_grey->clear();
    m_grey->addItems({tr("As drawn"), tr("Blue"), tr("Average"), tr("Luma")});
    m_brightnessLabel->setText(tr("Brightness"));
    m_contrastLabel->setText(tr("Contrast"));
    m_gammaLabel->setText(tr("Gamma"));
    m_invert->setText(tr("Invert"));
    m_thresholdLabel->setText(tr("Threshold"));
    m_methodLabel->setText(tr("Dither method"));
    m_method->clear();
    m_method->addItems({tr("Dither"), tr("Floyd-Steinberg"), tr("Atkinson"),
                        tr("Jarvis-Judice-Ninke"), tr("Stucki"), tr("Sierra"), tr("Bayer 8 x 8")});
    m_reset->setText(tr("Reset"));
    m_grey->setToolTip(
        tr("Which grey level of a colour is read: as each rendering has always "
           "read it, the blue channel, the average of red, green and blue, or "
           "luma (as the eye sees it)"));
    m_threshold->setToolTip(tr("Left panel: levels below this burn"));
    m_method->setToolTip(tr("Right panel: how grey becomes dots"));
    m_showing = false;
    showValues();
}

void TuningStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

}  // namespace tavro::ui
