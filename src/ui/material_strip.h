// The strip under the effect chooser's tuning: the material, its dots and their gain, and
// whether the panels show the renderings as they will burn.
#pragma once

#include "render/picture_tuning.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class MaterialStrip final : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripHeight = 40;

    explicit MaterialStrip(session::Session &session, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void makeConnections();
    void retranslate();
    void showPresets();
    void showTuning(const render::PictureTuning &tuning);
    void editTuning(const std::function<void(render::PictureTuning &)> &edit);
    void saveAsPreset();

    session::Session &m_session;
    bool m_showing = false;
    QLabel *m_materialLabel = nullptr;
    QComboBox *m_material = nullptr;
    QPushButton *m_save = nullptr;
    QLabel *m_dotLabel = nullptr;
    QDoubleSpinBox *m_dotWidth = nullptr;
    QCheckBox *m_compensate = nullptr;
    QCheckBox *m_asItWillBurn = nullptr;
};

}  // namespace tavro::ui
