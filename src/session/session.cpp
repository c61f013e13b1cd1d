#include "session/session.h"

#include "document/placement.h"
#include "link/trace_log.h"
#include "machine/device_watcher.h"
#include "machine/machine_identity.h"
#include "platform/settings_folder.h"
#include "render/upload_raster.h"
#include "run/job_raster.h"
#include "run/job_trace.h"
#include "run/resume.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace tavro::session {
namespace {

// The commands that are one of the machine controls switched as sets.
constexpr std::pair<Session::CommandId, run::MachineControls::Control> ControlOf[] = {
    {Session::SendImage, run::MachineControls::SendImage},
    {Session::Start, run::MachineControls::Start},
    {Session::Pause, run::MachineControls::Pause},
    {Session::Restart, run::MachineControls::Restart},
    {Session::Recarve, run::MachineControls::Recarve},
    {Session::FastForward, run::MachineControls::FastForward},
    {Session::FastBackward, run::MachineControls::FastBackward},
    {Session::PowerOff, run::MachineControls::PowerOff},
    {Session::Settings, run::MachineControls::Settings},
    {Session::Clear, run::MachineControls::Clear},
    {Session::Reload, run::MachineControls::Reload},
    {Session::ZoomOut, run::MachineControls::ZoomOut},
    {Session::Rotate, run::MachineControls::Rotate},
    {Session::JogUp, run::MachineControls::Up},
    {Session::JogDown, run::MachineControls::Down},
    {Session::JogLeft, run::MachineControls::Left},
    {Session::JogRight, run::MachineControls::Right},
    {Session::PointMode, run::MachineControls::PointMode},
    {Session::CentreMode, run::MachineControls::CentreMode},
    {Session::BoxMode, run::MachineControls::BoxMode},
    {Session::BurnTime, run::MachineControls::BurnTime},
};

// How long a machine that was just found may take to report its own burn time, before a
// job's burn time goes to it anyway.
constexpr std::chrono::milliseconds BurnTimeReportWait{500};

// The step after the sequence's current one, as a job to keep.
run::InterruptedJob stepAfter(const run::JobSequence &sequence)
{
    const run::JobSequence next = sequence.at(sequence.step + 1);
    run::InterruptedJob job;
    job.board = next.steps[next.step].board;
    job.burnTime = next.steps[next.step].burnTime;
    job.dotsTotal = run::JobRaster(render::packUploadRaster(job.board)).dots();
    job.sequence = next;
    return job;
}

qint64 dotsAbove(const run::JobRaster &raster, int row)
{
    qint64 dots = 0;
    for (int y = 0; y < std::min(row, render::BoardSize); ++y) dots += raster.dotsInRow(y);
    return dots;
}

}  // namespace

Session::Session(const SessionServices &services, const SessionOptions &options, QObject *parent)
    : QObject(parent),
      m_settingsFolder(services.settingsFolder),
      m_line(services.line),
      m_clock(services.clock),
      m_prompter(services.prompter),
      m_ports(services.ports),
      m_settings(QDir(services.settingsFolder).filePath(u"Config.ini"_s)),
      m_link(services.line, services.clock, services.prompter, services.ports, m_log, options.link),
      m_jobs(m_link, m_log, services.clock, m_controls, services.prompter),
      m_model(m_link, m_jobs, services.clock),
      m_estimator(m_model, m_link, m_jobs, services.clock, m_settings),
      m_document(render::loadPictureTuning(m_settings), document::loadFontSettings(m_settings),
                 document::DefaultBurnTime),
      m_recovery(m_log, services.clock, services.settingsFolder),
      m_guard(m_model, m_jobs, m_document, services.prompter),
      m_materials(services.settingsFolder),
      m_burnTimeWait(services.clock.createTimer()),
      m_dotsPerMillimetre(document::loadDotsPerMillimetre(m_settings))
{
    if (options.trace) {
        m_traceLog = std::make_unique<link::TraceLog>(m_line, m_log);
        m_jobTrace = std::make_unique<run::JobTrace>(m_model, m_estimator, m_clock, *m_traceLog);
        connect(this, &Session::resuming, m_jobTrace.get(), &run::JobTrace::resumed);
    }
    makeCommands();
    makeConnections();
    if (services.devices) {
        // Not while a scan runs, nor when the operator broke the link on purpose.
        connect(services.devices, &machine::DeviceWatcher::candidateAppeared, this, [this] {
            if (m_link.state() == link::LinkState::WaitingToRetry) m_link.startConnect();
        });
    }
    updateCommands();
}

Session::~Session() = default;

void Session::makeCommands()
{
    const auto make = [this](CommandId id, QKeySequence shortcut, std::function<void()> run) {
        m_commands[std::size_t(id)] = new Command(std::move(shortcut), std::move(run), this);
    };
    make(Connect, {}, [this] { connectMachine(); });
    make(Break, {}, [this] { breakLink(); });
    make(SendImage, QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { sendBoard(); });
    make(Start, QKeySequence(Qt::Key_F5), [this] { start(); });
    make(Pause, QKeySequence(Qt::Key_F6), [this] { pause(); });
    make(Restart, QKeySequence(Qt::Key_F7), [this] { restart(); });
    make(Recarve, {}, [this] { recarve(); });
    make(FastForward, {}, [this] { fastForward(); });
    make(FastBackward, {}, [this] { fastBackward(); });
    make(PowerOff, {}, [this] { powerOff(); });
    make(Settings, {}, {});  // the window opens its settings itself
    make(Clear, {}, [this] { clearBoard(); });
    make(Reload, {}, [this] { reloadPicture(); });
    make(ZoomOut, {}, [this] { zoomOutBoard(); });
    make(Rotate, {}, [this] { rotateBoard(); });
    make(JogUp, {}, [this] { jog(protocol::JogDirection::Up); });
    make(JogDown, {}, [this] { jog(protocol::JogDirection::Down); });
    make(JogLeft, {}, [this] { jog(protocol::JogDirection::Left); });
    make(JogRight, {}, [this] { jog(protocol::JogDirection::Right); });
    // The location modes remember their own state; the window's radio boxes run them.
    make(PointMode, {}, {});
    make(CentreMode, {}, {});
    make(BoxMode, {}, {});
    make(BurnTime, {}, {});
    make(Undo, QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undo(); });
    make(Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redo(); });
    make(MirrorLeftRight, {}, [this] { mirrorLeftRight(); });
    make(MirrorTopBottom, {}, [this] { mirrorTopBottom(); });
    // Both open a window of the program's, which asks the session in turn.
    make(SizeAndPosition, {}, {});
    make(MachineSize, {}, {});
}

void Session::makeConnections()
{
    using L = link::EngraverLink;
    connect(&m_link, &L::identified, this, &Session::onIdentified);
    connect(&m_link, &L::broken, this, &Session::onLinkLost);
    connect(&m_link, &L::disconnected, this, [this] {
        m_connectEnabled = true;
        onLinkLost();
    });
    connect(&m_link, &L::uploadFinished, this, &Session::onUploadFinished);
    connect(&m_link, &L::imageNotRequested, this, &Session::onImageNotRequested);
    connect(&m_link, &L::machineStateReported, this, &Session::onMachineState);
    connect(&m_link, &L::tracePoint, &m_trace, &document::TraceOverlay::add);
    // A carve of the machine's own is not counted, but its rows move the kept job on.
    connect(&m_link, &L::positionY, this, [this] {
        if (m_foreignRun) followCarve();
    });
    connect(&m_link, &L::burnTimeReported, this, [this](int burnTime) {
        // A job's own burn time wins over what the machine had.
        if (m_burnTimeOwed) {
            sendOwedBurnTime();
            return;
        }
        m_document.setBurnTime(burnTime);
    });
    connect(&m_link, &L::firmwareReported, this,
            [this](int version) { command(PowerOff).setVisible(version != 1); });
    connect(&m_model, &run::JobModel::carveEnded, &m_jobs, &run::JobControls::carveEnded);
    connect(&m_model, &run::JobModel::carveEnded, this, [this] {
        if (!std::exchange(m_foreignRun, false)) return;
        m_log.logLine(u"The machine finished the job it was carving before."_s);
        keepWhatFollows();
    });
    m_burnTimeWait->onTick([this] { sendOwedBurnTime(); });

    connect(&m_model, &run::JobModel::stateChanged, this, &Session::onStateChanged);
    connect(&m_model, &run::JobModel::runStarted, this, &Session::onRunStarted);
    connect(&m_model, &run::JobModel::progressChanged, this, [this] {
        followCarve();
        emit progressChanged();
    });
    connect(&m_model, &run::JobModel::carveStep, this, &Session::followCarve);
    connect(&m_controls, &run::MachineControls::changed, this, &Session::updateCommands);
    connect(&m_jobs, &run::JobControls::runTimeChanged, this, &Session::runTimeChanged);
    connect(&m_jobs, &run::JobControls::positionFieldsReset, this, &Session::positionFieldsReset);
    connect(&m_jobs, &run::JobControls::endRequested, this, &Session::endRequested);
    connect(&m_jobs, &run::JobControls::burnTimeSent, &m_document,
            &document::JobDocument::setBurnTime);
    connect(&m_jobs, &run::JobControls::restartSent, this, [this] {
        // Stopped on purpose: nothing is left to resume, and the trace starts afresh.
        m_trace.clear();
        m_foreignRun = false;
        if (m_recovery.isRunning()) m_recovery.forget();
    });
    connect(&m_recovery, &run::JobRecovery::keptChanged, this, &Session::offerChanged);
    connect(&m_document, &document::JobDocument::boardChanged, this, &Session::updateBoardCommands);
    connect(&m_document, &document::JobDocument::historyChanged, this,
            &Session::updateBoardCommands);
}

void Session::begin()
{
    m_link.startConnect();
    m_log.logText(u"Automatic Connecting...\r\n"_s);
    // Without the folder the choices are simply not kept; start-up goes on.
    platform::ensureSettingsFolder(m_settingsFolder);
}

QString Session::machinePortName() const
{
    if (!m_identified) return {};
    const int port = m_link.connectedPort();
    return platform::portDisplayName(port, m_ports.devicePath(port));
}

void Session::updateCommands()
{
    for (const auto &[id, control] : ControlOf)
        command(id).setAvailability(m_controls.isEnabled(control), whyNot(control));
    command(Connect).setAvailability(m_connectEnabled, tr("The machine is connected"));
    updateBoardCommands();
}

// The board's own edits go with the editing buttons, and need something to act on.
void Session::updateBoardCommands()
{
    const bool editing = m_controls.isEnabled(run::MachineControls::Rotate);
    const QString notNow = whyNot(run::MachineControls::Rotate);
    const auto set = [this, editing, &notNow](CommandId id, bool can, const QString &why) {
        command(id).setAvailability(editing && can, editing ? why : notNow);
    };
    set(Undo, m_document.canUndo(), tr("Nothing to undo"));
    set(Redo, m_document.canRedo(), tr("Nothing to redo"));
    const QString noPicture =
        tr("Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be "
           "placed");
    const bool placeable = m_document.placement().has_value();
    set(MirrorLeftRight, placeable, noPicture);
    set(MirrorTopBottom, placeable, noPicture);
    set(SizeAndPosition, placeable, noPicture);
}

QString Session::whyNot(run::MachineControls::Control control) const
{
    using C = run::MachineControls;
    const bool needsMachine = control == C::Start || control == C::Pause || control == C::Restart ||
                              control == C::PowerOff;
    if (!m_identified && needsMachine) return tr("No machine is connected");
    const bool locating = control == C::Up || control == C::Down || control == C::Left ||
                          control == C::Right || control == C::PointMode ||
                          control == C::CentreMode || control == C::BoxMode;
    if (locating && m_model.state() == run::JobModel::State::Running)
        return tr("Not while the machine carves");
    if (!m_identified) return tr("No machine is connected");
    return tr("Choose a rendering and send it, or clear the board, first");
}

Session::Progress Session::progress() const
{
    Progress p;
    p.doneThisRun = m_model.doneDots();
    p.skipped = m_model.skippedDots();
    const bool wholeKnown = m_run.total > 0 && m_model.raster().isValid();
    p.done = (wholeKnown ? m_run.doneBefore : 0) + p.doneThisRun;
    p.total = wholeKnown ? m_run.total : m_model.totalDots();
    if (m_model.state() == run::JobModel::State::Finished)
        p.percent = 100;
    else if (p.total > 0)
        p.percent = int(std::clamp<qint64>((p.done + p.skipped) * 100 / p.total, 0, 100));
    return p;
}

Session::Offer Session::offer() const
{
    Offer o;
    const std::optional<run::InterruptedJob> &kept = m_recovery.kept();
    if (!kept) return o;
    o.fromRow = kept->resumeRow;
    o.percent = kept->percent();
    if (kept->sequence) {
        o.step = kept->sequence->step;
        o.steps = int(kept->sequence->steps.size());
    }
    const run::JobModel::State state = m_model.state();
    o.open = m_identified && !m_recovery.isRunning() && m_pending == Pending::None &&
             state != run::JobModel::State::Running && state != run::JobModel::State::Paused;
    return o;
}

void Session::onIdentified(int port)
{
    m_identified = true;
    m_connectEnabled = false;
    const QString machine = machine::machineIdentity(m_ports.devicePath(port));
    m_recovery.machineFound(machine);
    m_estimator.machineFound(machine);
    // A machine powered from the cable may have lost its picture with it.
    if (m_wasIdentified) setPictureMissing(true);
    m_wasIdentified = true;
    if (m_burnTimeOwed) m_burnTimeWait->setInterval(BurnTimeReportWait);
    updateCommands();
    emit offerChanged();
}

void Session::sendOwedBurnTime()
{
    m_burnTimeWait->stop();
    if (!std::exchange(m_burnTimeOwed, false)) return;
    m_jobs.burnTimeReleased(m_document.burnTime());
}

void Session::onLinkLost()
{
    m_identified = false;
    m_burnTimeWait->stop();
    // A resume cut off before its block went out is offered again with the machine.
    m_pending = Pending::None;
    m_foreignRun = false;
    // A carve of the machine's own, or a sequence waiting for its next job, stops here.
    if (m_recovery.isRunning()) m_recovery.runStopped();
    updateCommands();
    emit offerChanged();
}

void Session::onUploadFinished(bool written)
{
    m_model.uploadFinished(m_sending, written);
    if (written) {
        m_run = m_sendingRun;
        m_document.markSent(render::packUploadRaster(m_run.board), QDateTime::currentDateTime());
        setPictureMissing(false);
    }
    const Pending then = std::exchange(m_pending, Pending::None);
    if (then == Pending::None || !written) {
        emit offerChanged();
        return;
    }
    if (then == Pending::Resume || then == Pending::StartOver) {
        if (const std::optional<run::JobSequence> &sequence = m_run.sequence)
            m_jobs.burnTimeReleased(sequence->steps[sequence->step].burnTime);
        else if (const std::optional<run::InterruptedJob> &kept = m_recovery.kept())
            m_jobs.burnTimeReleased(kept->burnTime);
    }
    m_jobs.start();
    emit offerChanged();
}

void Session::onStateChanged(run::JobModel::State state)
{
    switch (state) {
    case run::JobModel::State::Running:
        if (!m_model.startedHere() && !m_foreignRun) {
            // After a restart of the program or a reconnection: the machine carves on its own.
            m_foreignRun = true;
            m_controls.resetLocationControls();
            m_controls.lockLocationControls();
            m_log.logLine(u"The machine is carving a job that was not started here."_s);
            m_recovery.adoptRun();
        }
        break;
    case run::JobModel::State::Paused:
        m_recovery.flush();
        break;
    case run::JobModel::State::Interrupted:
        m_recovery.runStopped();
        break;
    case run::JobModel::State::Finished:
        if (m_run.sequence && m_run.sequence->hasNext())
            keepNextStep();
        else
            m_recovery.forget();
        break;
    case run::JobModel::State::NoJob:
    case run::JobModel::State::Ready:
        m_foreignRun = false;
        break;
    }
    updateCommands();
    emit offerChanged();
    emit progressChanged();
}

void Session::onRunStarted()
{
    run::InterruptedJob job;
    job.board = m_run.board;
    job.burnTime = m_estimator.burnTime();
    job.resumeRow = m_run.fromRow;
    job.dotsDone = m_run.doneBefore;
    job.dotsTotal = m_run.total;
    job.sequence = m_run.sequence;
    m_recovery.runStarted(job);
}

// Until the next step runs, it is what a restart or a broken link picks up again.
void Session::keepNextStep()
{
    m_recovery.runStarted(stepAfter(*m_run.sequence));
}

// What the machine says of its job when it is found decides what can be offered: a job it
// carves on is followed, and one it finished is never offered for a resume that burns twice.
void Session::onMachineState(protocol::MachineState state)
{
    if (state == protocol::MachineState::Carving) {
        m_model.machineCarves();
        return;
    }
    if (state != protocol::MachineState::Finished) return;
    if (m_model.state() == run::JobModel::State::Interrupted) {
        m_log.logLine(tr("The machine finished the interrupted job on its own."));
        m_model.machineFinished();  // a sequence goes on with its next step as after any end
        return;
    }
    if (!m_recovery.kept() || m_recovery.isRunning()) return;
    m_log.logLine(tr("The machine finished the interrupted job on its own."));
    keepWhatFollows();
    emit offerChanged();
}

// The kept job is done: what is left of it is the next step of its sequence, or nothing.
void Session::keepWhatFollows()
{
    const std::optional<run::InterruptedJob> &kept = m_recovery.kept();
    if (kept && kept->sequence && kept->sequence->hasNext())
        m_recovery.keep(stepAfter(*kept->sequence));
    else
        m_recovery.forget();
}

void Session::onImageNotRequested()
{
    m_model.uploadFinished(m_sending, false);
    m_pending = Pending::None;
    m_uploadFailure = m_link.lastError();
    emit uploadFailed(m_uploadFailure);
    emit offerChanged();
}

void Session::followCarve()
{
    if (m_foreignRun) {
        if (const std::optional<run::InterruptedJob> &kept = m_recovery.kept())
            m_recovery.progressed(m_link.reportedY(), kept->dotsDone);
        return;
    }
    const run::JobModel::State state = m_model.state();
    if (state != run::JobModel::State::Running && state != run::JobModel::State::Paused) return;
    const Progress p = progress();
    m_recovery.progressed(std::max(m_model.currentRow(), m_run.fromRow), p.done + p.skipped);
}

void Session::setPictureMissing(bool missing)
{
    if (missing == m_pictureMissing) return;
    m_pictureMissing = missing;
    emit pictureMayBeMissingChanged(missing);
}

void Session::upload(const QImage &board, int fromRow, Pending then,
                     std::optional<run::JobSequence> sequence)
{
    const QByteArray whole = render::packUploadRaster(board);
    const run::JobRaster raster(whole);
    m_sendingRun = {board, std::clamp(fromRow, 0, render::BoardSize - 1),
                    dotsAbove(raster, fromRow), raster.dots(), std::move(sequence)};
    // Packed before the erase goes out, so the block is whole whenever the machine asks.
    m_sending = fromRow > 0 ? render::packUploadRaster(run::boardFromRow(board, fromRow)) : whole;
    m_pending = then;
    m_uploadFailure.clear();
    if (fromRow > 0 || then == Pending::Resume || then == Pending::StartOver)
        emit resuming(m_sendingRun.fromRow);
    if (!m_jobs.prepareUpload(m_sending)) m_pending = Pending::None;
    emit offerChanged();
}

}  // namespace tavro::session
