#include "ui/effect_chooser_window.h"

#include "document/placed_rendering.h"
#include "pictures/picture_loader.h"
#include "platform/file_name.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"
#include "session/session.h"
#include "ui/centre_on_screen.h"
#include "ui/material_strip.h"
#include "ui/render_panel.h"
#include "ui/tuning_strip.h"
#include "ui_effect_chooser_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QShowEvent>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

// A drop of several files delivers their paths each followed by CR LF; the log
// line must stay one line all the same.
QString oneLine(const QString &text)
{
    return text.split(QRegularExpression(u"[\\r\\n]+"_s), Qt::SkipEmptyParts).join(u"; "_s);
}

}  // namespace

EffectChooserWindow::EffectChooserWindow(session::Session &session, platform::Clock &clock,
                                         QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::EffectChooserWindow>()),
      m_session(session),
      m_taskTimer(clock.createTimer())
{
    m_ui->setupUi(this);
    m_blackWhitePanel = m_ui->画板黑白;
    m_ditherPanel = m_ui->画板抖动;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // The strips lie under the panels: the window grows downward by their height.
    m_strip = new TuningStrip(this);
    m_strip->setGeometry(0, height(), width(), TuningStrip::StripHeight);
    m_strip->setTuning(session.document().tuning());
    m_materialStrip = new MaterialStrip(session, this);
    m_materialStrip->setGeometry(0, height() + TuningStrip::StripHeight, width(),
                                 MaterialStrip::StripHeight);
    setFixedSize(width(), height() + TuningStrip::StripHeight + MaterialStrip::StripHeight);
    QFont caption(u"Arial"_s);
    caption.setPixelSize(24);
    m_ui->标签1->setFont(caption);  // the one caption, never translated
    makeConnections();
    showLook();
}

EffectChooserWindow::~EffectChooserWindow() = default;

void EffectChooserWindow::makeConnections()
{
    connect(m_blackWhitePanel, &RenderPanel::leftButtonReleased, this,
            &EffectChooserWindow::chooseBlackWhite);
    connect(m_ditherPanel, &RenderPanel::leftButtonReleased, this,
            &EffectChooserWindow::chooseDither);
    m_taskTimer->onTick([this] { processEffects(); });
    const document::JobDocument &document = m_session.document();
    connect(m_strip, &TuningStrip::tuningChanged, &m_session, &session::Session::setTuning);
    // The tuning is the document's: an opened job's shows here as the operator's own does.
    connect(&document, &document::JobDocument::tuningChanged, this,
            [this](const render::PictureTuning &tuning) {
                m_strip->setTuning(tuning);
                showLook();
                if (isReady()) redrawPanels();
            });
    const materials::MaterialPresets &materials = m_session.materials();
    connect(&materials, &materials::MaterialPresets::asItWillBurnChanged, this,
            &EffectChooserWindow::showLook);
    connect(&materials, &materials::MaterialPresets::chosenChanged, this,
            &EffectChooserWindow::showLook);
    connect(&materials, &materials::MaterialPresets::presetsChanged, this,
            &EffectChooserWindow::showLook);
}

bool EffectChooserWindow::isReady() const
{
    return !m_blackWhitePanel->isBusy() && !m_ditherPanel->isBusy();
}

void EffectChooserWindow::open(const QString &picturePath, const pictures::LoadedPicture &decoded)
{
    m_picturePath = picturePath;
    m_decoded = decoded;
    // Until the new picture is processed, a click must not choose the previous one.
    resetPanels();
    if (!isVisible()) {
        centreOnScreen(*this);
        show();
        return;
    }
    // Already on screen: no shown event will come to start the processing.
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    m_taskTimer->setInterval(TaskInterval);
}

void EffectChooserWindow::processEffects()
{
    m_taskTimer->stop();
    // Closed before its tick: nothing is left to show the renderings in.
    if (!isVisible()) return;
    resetPanels();

    const pictures::LoadedPicture picture =
        m_decoded.isReadable()
            ? std::exchange(m_decoded, {})
            : pictures::loadPicture(m_picturePath, {.drawSize = render::ProcessingSize});
    if (!picture.isReadable())
        m_session.log().logLine(u"Cannot read picture %1: %2"_s.arg(
            oneLine(platform::displayFileName(m_picturePath)), oneLine(picture.error)));
    m_workSnapshot = render::makeWorkSnapshot(picture, render::ProcessingSize);
    m_declaredSize = picture.size;
    m_isVector = picture.isVector;
    m_sizeMm = picture.sizeMm;
    // Both renderings take a few milliseconds, so they need no event processing to keep
    // the window live, and without it no close or drop can cut into them.
    redrawPanels();
    m_blackWhitePanel->setBusy(false);
    m_ditherPanel->setBusy(false);
}

void EffectChooserWindow::redrawPanels()
{
    const render::EffectPanels panels =
        render::renderEffectPanels(m_workSnapshot, m_session.document().tuning());
    m_blackWhitePanel->clear();
    m_blackWhitePanel->drawPicture(panels.left, 0, 0);
    m_ditherPanel->clear();
    m_ditherPanel->drawPicture(panels.right, 0, 0);
}

void EffectChooserWindow::showLook()
{
    const materials::MaterialPresets &materials = m_session.materials();
    std::optional<render::BurnLook> look;
    if (materials.asItWillBurn()) look = materials.look(m_session.document().tuning().dotDiameter);
    m_blackWhitePanel->showAsItWillBurn(look);
    m_ditherPanel->showAsItWillBurn(look);
}

void EffectChooserWindow::chooseBlackWhite()
{
    choose(render::Effect::BlackWhite);
}

void EffectChooserWindow::chooseDither()
{
    choose(m_session.document().tuning().method);
}

// The same snapshot and tuning as the panels, so the board gets exactly what the operator saw,
// and with them the picture, so it can be placed anew.
void EffectChooserWindow::choose(render::Effect effect)
{
    if (!isReady() || !isVisible()) return;
    // The dithered board is drawn behind the window, as it always was; black and white before.
    if (effect != render::Effect::BlackWhite) hide();
    const render::PictureTuning tuning = m_session.document().tuning();
    const document::ChosenPicture picture =
        m_isVector
            ? document::ChosenPicture::ofVector(m_picturePath, m_declaredSize, m_workSnapshot)
            : document::ChosenPicture(m_picturePath, m_declaredSize, m_workSnapshot);
    m_session.placeRendering(document::PlacedRendering{
        picture, effect, tuning,
        document::placementAtOwnSize(m_declaredSize, m_sizeMm, m_session.dotsPerMillimetre())});
    close();
}

void EffectChooserWindow::resetPanels()
{
    for (RenderPanel *panel : {m_blackWhitePanel, m_ditherPanel}) {
        panel->clear();
        panel->setBusy(true);
    }
}

void EffectChooserWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Only when opened: a window restored from the task bar still shows its renderings.
    if (!event->spontaneous()) m_taskTimer->setInterval(TaskInterval);
}

void EffectChooserWindow::closeEvent(QCloseEvent *event)
{
    // A tick still pending would draw into a window the operator has dismissed.
    m_taskTimer->stop();
    m_session.rememberTuning();
    m_session.pictureDropAbandoned();  // after a choice there is nothing left to give back
    QWidget::closeEvent(event);
}

void EffectChooserWindow::keyPressEvent(QKeyEvent *event)
{
    // As a dialog would: Escape is the close button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tavro::ui
