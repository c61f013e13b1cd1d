#include "session/session_impl.h"

#include "document/placement.h"
#include "link/trace_log.h"
#include "machine/device_watcher.h"
#include "machine/machine_identity.h"
#include "render/upload_raster.h"
#include "run/job_raster.h"
#include "run/job_trace.h"
#include "run/resume.h"
#include "settings/settings_folder.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace tavro::session {
namespace {

// How long a machine that was just found may take to report its own burn time, before a
// job's burn time goes to it anyway.
constexpr std::chrono::milliseconds BurnTimeReportWait{500};

}  // namespace

SessionImpl::SessionImpl(const SessionServices &services, const SessionOptions &options,
                         QObject *parent)
    : Session(parent),
      m_settingsFolder(services.settingsFolder),
      m_line(services.line),
      m_clock(services.clock),
      m_prompter(services.prompter),
      m_ports(services.ports),
      m_settings(settings::settingsFilePath(services.settingsFolder)),
      m_link(services.line, services.clock, services.prompter, services.ports, m_log, options.link),
      m_jobs(m_link, m_log, services.clock, m_controls, services.prompter),
      m_model(m_link, m_jobs, services.clock),
      m_estimator(m_model, m_link, m_jobs, services.clock, m_settings),
      m_document(render::loadPictureTuning(m_settings), document::loadFontSettings(m_settings),
                 document::DefaultBurnTime),
      m_recovery(m_log, services.clock, services.settingsFolder),
      m_driver(m_link, m_jobs, m_model, m_estimator, m_recovery, m_log),
      m_guard(m_model, m_jobs, m_document, services.prompter),
      m_materials(services.settingsFolder),
      m_burnTimeWait(services.clock.createTimer()),
      m_dotsPerMillimetre(document::loadDotsPerMillimetre(m_settings))
{
    if (options.trace) {
        m_traceLog = std::make_unique<link::TraceLog>(m_line, m_log);
        m_jobTrace = std::make_unique<run::JobTrace>(m_model, m_estimator, m_clock, *m_traceLog);
        connect(&m_driver, &run::RunDriver::resuming, m_jobTrace.get(), &run::JobTrace::resumed);
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

SessionImpl::~SessionImpl() = default;

void SessionImpl::makeCommands()
{
    const std::array<std::function<void()>, CommandCount> runs = {
        [this] { connectMachine(); },
        [this] { breakLink(); },
        [this] { sendBoard(); },
        [this] { start(); },
        [this] { pause(); },
        [this] { restart(); },
        [this] { recarve(); },
        [this] { fastForward(); },
        [this] { fastBackward(); },
        [this] { powerOff(); },
        {},  // the window opens its settings itself
        [this] { clearBoard(); },
        [this] { reloadPicture(); },
        [this] { zoomOutBoard(); },
        [this] { rotateBoard(); },
        [this] { jog(protocol::JogDirection::Up); },
        [this] { jog(protocol::JogDirection::Down); },
        [this] { jog(protocol::JogDirection::Left); },
        [this] { jog(protocol::JogDirection::Right); },
        // The location modes remember their own state; the window's radio boxes run them.
        {},
        {},
        {},
        {},  // the burn time is the slider's
        [this] { undo(); },
        [this] { redo(); },
        [this] { mirrorLeftRight(); },
        [this] { mirrorTopBottom(); },
        // Both open a window of the program's, which asks the session in turn.
        {},
        {},
    };
    for (const CommandSpec &spec : commandTable())
        m_commands[std::size_t(spec.id)] =
            new Command(spec.shortcut, runs[std::size_t(spec.id)], this);
}

void SessionImpl::makeConnections()
{
    using L = link::EngraverLink;
    connect(&m_link, &L::identified, this, &SessionImpl::onIdentified);
    connect(&m_link, &L::broken, this, &SessionImpl::onLinkLost);
    connect(&m_link, &L::disconnected, this, [this] {
        m_connectEnabled = true;
        onLinkLost();
    });
    connect(&m_link, &L::tracePoint, &m_trace, &document::TraceOverlay::add);
    connect(&m_link, &L::scanExhausted, this, &SessionImpl::searchExhausted);
    connect(&m_link, &L::wrongProduct, this, &SessionImpl::wrongMachine);
    connect(&m_link, &L::broken, this, &SessionImpl::machineLost);
    connect(&m_link, &L::disconnected, this, &SessionImpl::disconnected);
    connect(&m_link, &L::scanStarted, this, &SessionImpl::searchStarted);
    connect(&m_link, &L::positionX, this, &SessionImpl::headXReported);
    connect(&m_link, &L::positionY, this, &SessionImpl::headYReported);
    connect(&m_link, &L::uploadProgress, this, &SessionImpl::uploadProgress);
    connect(&m_estimator, &run::JobEstimator::estimateChanged, this, &SessionImpl::estimateChanged);
    connect(&m_link, &L::burnTimeReported, this, [this](int burnTime) {
        // A job's own burn time wins over what the machine had.
        if (m_burnTimeOwed) {
            sendOwedBurnTime();
            return;
        }
        m_document.setBurnTime(burnTime);
    });
    connect(&m_link, &L::firmwareReported, this, [this](int version) {
        m_powerOffShown = version != 1;
        updateCommands();
    });
    m_burnTimeWait->onTick([this] { sendOwedBurnTime(); });

    connect(&m_driver, &run::RunDriver::changed, this, &SessionImpl::onRunChanged);
    connect(&m_driver, &run::RunDriver::progressChanged, this, &Session::progressChanged);
    connect(&m_driver, &run::RunDriver::resuming, this, &SessionImpl::resuming);
    connect(&m_driver, &run::RunDriver::stepSending, this,
            [this](const QImage &board, int burnTime) {
                // The board shows the step being burnt, as after any other send.
                document::JobFile job = m_document.toJobFile();
                job.board = board;
                job.rememberedImage = QImage();
                job.burnTime = burnTime;
                m_document.restore(job, QString());
            });
    connect(&m_driver, &run::RunDriver::boardSent, this, [this](const QImage &board) {
        m_document.markSent(render::packUploadRaster(board), QDateTime::currentDateTime());
        setPictureMissing(false);
    });
    connect(&m_controls, &run::MachineControls::changed, this, &SessionImpl::updateCommands);
    connect(&m_controls, &run::MachineControls::locationReset, this, &SessionImpl::locationReset);
    connect(&m_jobs, &run::JobControls::runTimeChanged, this, &SessionImpl::runTimeChanged);
    connect(&m_jobs, &run::JobControls::positionFieldsReset, this,
            &SessionImpl::positionFieldsReset);
    connect(&m_jobs, &run::JobControls::endRequested, this, &SessionImpl::endRequested);
    connect(&m_jobs, &run::JobControls::burnTimeSent, &m_document,
            &document::JobDocument::setBurnTime);
    // Stopped on purpose: the trace starts afresh.
    connect(&m_jobs, &run::JobControls::restartSent, &m_trace, &document::TraceOverlay::clear);
    connect(&m_recovery, &run::JobRecovery::keptChanged, this, &SessionImpl::offerChanged);
    connect(&m_document, &document::JobDocument::boardChanged, this, &SessionImpl::updateCommands);
    connect(&m_document, &document::JobDocument::historyChanged, this,
            &SessionImpl::updateCommands);
}

void SessionImpl::begin()
{
    m_link.startConnect();
    m_log.logText(u"Automatic Connecting...\r\n"_s);
    // Without the folder the choices are simply not kept; start-up goes on.
    settings::ensureSettingsFolder(m_settingsFolder);
}

MachineView SessionImpl::machine() const
{
    MachineView view;
    view.link = m_link.state();
    view.identified = m_identified;
    view.pictureMayBeMissing = m_pictureMissing;
    if (m_identified) {
        view.port = m_link.connectedPort();
        view.portName = platform::portDisplayName(view.port, m_ports.devicePath(view.port));
    }
    return view;
}

CommandSnapshot SessionImpl::commandSnapshot() const
{
    CommandSnapshot s;
    s.identified = m_identified;
    s.connectEnabled = m_connectEnabled;
    s.run = m_driver.state();
    s.startedHere = m_model.startedHere();
    s.controls = m_controls.enabled();
    s.setBy = m_controls.setBy();
    s.locationLocked = m_controls.locationLocked();
    s.powerOffShown = m_powerOffShown;
    s.canUndo = m_document.canUndo();
    s.canRedo = m_document.canRedo();
    s.placeable = m_document.placement().has_value();
    return s;
}

// Every command from one look at the link, the job and the document.
void SessionImpl::updateCommands()
{
    const CommandSnapshot snapshot = commandSnapshot();
    for (const CommandSpec &spec : commandTable()) {
        const Availability a = availability(spec.id, snapshot);
        Command &c = command(spec.id);
        c.setAvailability(a.enabled, a.whyNot);
        c.setVisible(a.visible);
    }
}

SessionImpl::Progress SessionImpl::progress() const
{
    return m_driver.progress();
}

SessionImpl::Offer SessionImpl::offer() const
{
    return m_driver.offer();
}

void SessionImpl::onIdentified(int port)
{
    m_identified = true;
    m_connectEnabled = false;
    const QString machine = machine::machineIdentity(m_ports.devicePath(port));
    m_estimator.machineFound(machine);
    m_driver.machineFound(machine);
    // A machine powered from the cable may have lost its picture with it.
    if (m_wasIdentified) setPictureMissing(true);
    m_wasIdentified = true;
    if (m_burnTimeOwed) m_burnTimeWait->setInterval(BurnTimeReportWait);
    updateCommands();
    emit offerChanged();
    emit machineFound();
}

void SessionImpl::sendOwedBurnTime()
{
    m_burnTimeWait->stop();
    if (!std::exchange(m_burnTimeOwed, false)) return;
    m_jobs.burnTimeReleased(m_document.burnTime());
}

void SessionImpl::onLinkLost()
{
    m_identified = false;
    m_burnTimeWait->stop();
    updateCommands();
    emit offerChanged();
}

void SessionImpl::onRunChanged()
{
    const run::RunDriver::State was = std::exchange(m_runState, m_driver.state());
    updateCommands();
    emit runChanged();
    emit progressChanged();
    emit offerChanged();
    if (m_runState == run::RunDriver::State::NotSent && was != m_runState)
        emit uploadFailed(m_driver.failure());
}

void SessionImpl::setPictureMissing(bool missing)
{
    if (missing == m_pictureMissing) return;
    m_pictureMissing = missing;
    emit pictureMayBeMissingChanged(missing);
}

}  // namespace tavro::session
