// The strip under the effect chooser's panels: grey source, tone, threshold, method, Reset.
#pragma once

#include "render/picture_tuning.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace tavro::ui {

class TuningStrip final : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripHeight = 72;

    explicit TuningStrip(QWidget *parent = nullptr);

    render::PictureTuning tuning() const { return m_tuning; }
    // Shows these settings; emits nothing.
    void setTuning(const render::PictureTuning &tuning);

signals:
    // Any control changed by the operator, or Reset.
    void tuningChanged(const render::PictureTuning &tuning);

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void makeConnections();
    void retranslate();
    void showValues();
    void change(const std::function<void(render::PictureTuning &)> &edit);

    render::PictureTuning m_tuning;
    bool m_showing = false;
    QLabel *m_greyLabel = nullptr;
    QComboBox *m_grey = nullptr;
    QLabel *m_brightnessLabel = nullptr;
    QSlider *m_brightness = nullptr;
    QLabel *m_brightnessValue = nullptr;
    QLabel *m_contrastLabel = nullptr;
    QSlider *m_contrast = nullptr;
    QLabel *m_contrastValue = nullptr;
    QLabel *m_gammaLabel = nullptr;
    QDoubleSpinBox *m_gamma = nullptr;
    QCheckBox *m_invert = nullptr;
    QLabel *m_thresholdLabel = nullptr;
    QSpinBox *m_threshold = nullptr;
    QLabel *m_methodLabel = nullptr;
    QComboBox *m_method = nullptr;
    QPushButton *m_reset = nullptr;
};

}  // namespace tavro::ui
