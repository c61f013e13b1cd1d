#include "job/ui/effect_chooser_window.h"

#include "job/effect_board.h"
#include "job/raster_constants.h"
#include "job/render_black_white.h"
#include "job/render_dither.h"
#include "job/ui/render_panel.h"
#include "job/ui/tuning_strip.h"
#include "job/work_snapshot.h"
#include "platform/file_name.h"
#include "platform/picture_loader.h"
#include "ui_effect_chooser_window.h"

#include <QCloseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QShowEvent>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

constexpr QRgb Black = 0xFF000000;

// A drop of several files delivers their paths each followed by CR LF; the log
// line must stay one line all the same.
QString oneLine(const QString &text)
{
    return text.split(QRegularExpression(u"[\\r\\n]+"_s), Qt::SkipEmptyParts).join(u"; "_s);
}

}  // namespace

EffectChooserWindow::EffectChooserWindow(BoardCanvas &board, platform::Clock &clock,
                                         platform::ProfileFile &settings,
                                         std::function<void(const QString &)> logLine,
                                         QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::EffectChooserWindow>()),
      m_board(board),
      m_settings(settings),
      m_logLine(std::move(logLine)),
      m_taskTimer(clock.createTimer())
{
    m_ui->setupUi(this);
    m_blackWhitePanel = m_ui->画板黑白;
    m_ditherPanel = m_ui->画板抖动;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // The tuning strip lies under the panels: the window grows downward by its height.
    m_strip = new TuningStrip(this);
    m_strip->setGeometry(0, height(), width(), TuningStrip::StripHeight);
    m_strip->setTuning(loadPictureTuning(settings));
    setFixedSize(width(), height() + TuningStrip::StripHeight);
    QFont caption(u"Arial"_s);
    caption.setPixelSize(24);
    m_ui->标签1->setFont(caption);  // the one caption, never translated
    makeConnections();
}

EffectChooserWindow::~EffectChooserWindow() = default;

void EffectChooserWindow::makeConnections()
{
    connect(m_blackWhitePanel, &RenderPanel::leftButtonReleased, this,
            &EffectChooserWindow::chooseBlackWhite);
    connect(m_ditherPanel, &RenderPanel::leftButtonReleased, this,
            &EffectChooserWindow::chooseDither);
    m_taskTimer->onTick([this] { processEffects(); });
    connect(m_strip, &TuningStrip::tuningChanged, this, [this] {
        if (isReady()) redrawPanels();
    });
}

RenderPanel &EffectChooserWindow::blackWhitePanel()
{
    return *m_blackWhitePanel;
}

RenderPanel &EffectChooserWindow::ditherPanel()
{
    return *m_ditherPanel;
}

bool EffectChooserWindow::isReady() const
{
    return !m_blackWhitePanel->isBusy() && !m_ditherPanel->isBusy();
}

void EffectChooserWindow::open(const QString &picturePath)
{
    m_picturePath = picturePath;
    // Until the new picture is processed, a click must not choose the previous one.
    resetPanels();
    if (!isVisible()) {
        centreOnScreen();
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

    const platform::LoadedPicture picture =
        platform::loadPicture(m_picturePath, {.drawSize = ProcessingSize});
    if (!picture.isReadable() && m_logLine)
        m_logLine(u"Cannot read picture %1: %2"_s.arg(
            oneLine(platform::displayFileName(m_picturePath)), oneLine(picture.error)));
    m_workSnapshot = makeWorkSnapshot(picture, ProcessingSize);
    // Both renderings take a few milliseconds, so they need no event processing to keep
    // the window live, and without it no close or drop can cut into them.
    redrawPanels();
    m_blackWhitePanel->setBusy(false);
    m_ditherPanel->setBusy(false);
}

void EffectChooserWindow::redrawPanels()
{
    const EffectPanels panels = renderEffectPanels(m_workSnapshot, m_strip->tuning());
    m_blackWhitePanel->clear();
    m_blackWhitePanel->drawPicture(panels.left, 0, 0);
    m_ditherPanel->clear();
    m_ditherPanel->drawPicture(panels.right, 0, 0);
}

void EffectChooserWindow::keepTuning()
{
    savePictureTuning(m_settings, m_strip->tuning());
}

void EffectChooserWindow::chooseBlackWhite()
{
    if (!isReady() || !isVisible()) return;
    m_board.clear();
    m_board.installBlankBackground();
    m_board.drawPicture(m_blackWhitePanel->snapshot(), 0, 0);
    m_board.rememberBoardImage();
    keepTuning();
    close();
}

void EffectChooserWindow::chooseDither()
{
    if (!isReady() || !isVisible()) return;
    m_board.clear();
    m_board.installBlankBackground();
    hide();
    const PictureTuning tuning = m_strip->tuning();
    if (tuning.method == Effect::Dither && isOriginalRendering(Effect::Dither, tuning)) {
        // The same snapshot as the panel's run, so the board gets the dots the operator saw.
        renderDither(m_workSnapshot, ProcessingSize,
                     [this](int x, int y) { m_board.drawPoint(x, y, Black); });
    } else {
        m_board.drawPicture(m_ditherPanel->snapshot(), 0, 0);  // exactly what the panel shows
    }
    m_board.rememberBoardImage();
    keepTuning();
    close();
}

void EffectChooserWindow::resetPanels()
{
    for (RenderPanel *panel : {m_blackWhitePanel, m_ditherPanel}) {
        panel->clear();
        panel->setBusy(true);
    }
}

void EffectChooserWindow::centreOnScreen()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
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
    keepTuning();
    QWidget::closeEvent(event);
}

}  // namespace tavro::job
