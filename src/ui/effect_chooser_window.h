// Shows a dropped picture in both renderings and puts the one the operator clicks on the board.
#pragma once

#include "pictures/picture_loader.h"
#include "platform/clock.h"
#include "render/effect.h"
#include "render/picture_tuning.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class EffectChooserWindow;
}

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::ui {

class MaterialStrip;
class RenderPanel;
class TuningStrip;

class EffectChooserWindow final : public QWidget {
    Q_OBJECT
public:
    // From shown to processing: long enough for the window to appear and be painted.
    static constexpr std::chrono::milliseconds TaskInterval{5};

    // The chosen rendering goes to the session's board; the tuning shown is its document's.
    EffectChooserWindow(session::Session &session, platform::Clock &clock,
                        QWidget *parent = nullptr);
    ~EffectChooserWindow() override;

    // A drop: processes the picture shortly after the window is on screen, again if it
    // already is, so the newest drop always wins. A picture already decoded is not read again.
    void open(const QString &picturePath, const pictures::LoadedPicture &decoded = {});

    // The tick of the task timer: both renderings of the picture, then clicks count.
    void processEffects();
    // The operator's choices; both do nothing until the renderings are ready.
    void chooseBlackWhite();
    void chooseDither();

    // Both panels show the hand: a click chooses.
    bool isReady() const;
    const QString &picturePath() const { return m_picturePath; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void makeConnections();
    void resetPanels();
    // Both panels from the snapshot with the document's tuning.
    void redrawPanels();
    void choose(render::Effect effect);
    // As they will burn on the chosen material, or as they are.
    void showLook();

    std::unique_ptr<Ui::EffectChooserWindow> m_ui;
    session::Session &m_session;
    TuningStrip *m_strip = nullptr;
    MaterialStrip *m_materialStrip = nullptr;
    std::unique_ptr<platform::IntervalTimer> m_taskTimer;
    RenderPanel *m_blackWhitePanel = nullptr;
    RenderPanel *m_ditherPanel = nullptr;
    QString m_picturePath;
    pictures::LoadedPicture m_decoded;
    QImage m_workSnapshot;
    QSize m_declaredSize;
    bool m_isVector = false;
    std::optional<QSizeF> m_sizeMm;
};

}  // namespace tavro::ui
