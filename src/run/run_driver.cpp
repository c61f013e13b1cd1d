#include "run/run_driver.h"

#include "platform/logging.h"
#include "render/raster_constants.h"
#include "render/upload_raster.h"
#include "run/resume.h"

#include <QTimer>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {
namespace {

qint64 dotsAbove(const JobRaster &raster, int row)
{
    return raster.dots() - raster.workFrom(row).dots;
}

// The step after the sequence's current one, as a job to keep.
InterruptedJob stepAfter(const JobSequence &sequence)
{
    const JobSequence next = sequence.at(sequence.step + 1);
    InterruptedJob job;
    job.board = next.steps[next.step].board;
    job.burnTime = next.steps[next.step].burnTime;
    job.dotsTotal = JobRaster(render::packUploadRaster(job.board)).dots();
    job.sequence = next;
    return job;
}

}  // namespace

RunDriver::RunDriver(link::EngraverLink &link, JobControls &jobs, JobModel &model,
                     const JobEstimator &estimator, JobRecovery &recovery, link::MessageLog &log,
                     QObject *parent)
    : QObject(parent),
      m_link(link),
      m_jobs(jobs),
      m_model(model),
      m_estimator(estimator),
      m_recovery(recovery),
      m_log(log)
{
    makeConnections();
}

void RunDriver::makeConnections()
{
    using L = link::EngraverLink;
    connect(&m_link, &L::uploadFinished, this, &RunDriver::onUploadFinished);
    connect(&m_link, &L::imageNotRequested, this, &RunDriver::onImageNotRequested);
    connect(&m_link, &L::machineStateReported, this, &RunDriver::onMachineState);
    connect(&m_link, &L::broken, this, &RunDriver::machineLost);
    connect(&m_link, &L::disconnected, this, &RunDriver::machineLost);
    // A carve of the machine's own is not counted, but its rows move the kept job on.
    connect(&m_link, &L::positionY, this, [this] {
        if (m_foreignCarve) followCarve();
    });
    connect(&m_model, &JobModel::stateChanged, this, &RunDriver::onModelState);
    connect(&m_model, &JobModel::runStarted, this, &RunDriver::onRunStarted);
    connect(&m_model, &JobModel::carveEnded, this, &RunDriver::onCarveEnded);
    connect(&m_model, &JobModel::carveStep, this, &RunDriver::followCarve);
    connect(&m_model, &JobModel::progressChanged, this, [this] {
        followCarve();
        emit progressChanged();
    });
    connect(&m_jobs, &JobControls::restartSent, this, [this] {
        // Stopped on purpose: nothing is left to resume.
        m_foreignCarve = false;
        if (m_recovery.isRunning()) m_recovery.forget();
        update();
    });
    connect(&m_recovery, &JobRecovery::keptChanged, this, &RunDriver::update);
}

bool RunDriver::send(const Request &request)
{
    const QByteArray whole = render::packUploadRaster(request.board);
    const JobRaster raster(whole);
    const int fromRow = std::clamp(request.fromRow, 0, render::BoardSize - 1);
    m_sendingRun = {request.board, fromRow, dotsAbove(raster, fromRow), raster.dots(),
                    request.sequence};
    // Packed before the erase goes out, so the block is whole whenever the machine asks.
    m_sending =
        fromRow > 0 ? render::packUploadRaster(boardFromRow(request.board, fromRow)) : whole;
    m_request = request;
    m_failure.clear();
    if (request.sequence)
        emit stepSending(request.board, request.burnTime.value_or(m_estimator.burnTime()));
    if (!m_jobs.prepareUpload(m_sending)) {
        update();
        return false;
    }
    m_pending = true;
    m_sequence = request.sequence;
    if (fromRow > 0) emit resuming(fromRow);
    update();
    return true;
}

bool RunDriver::resumeKept(bool fromTop)
{
    if (!offer().open) return false;
    const InterruptedJob kept = *m_recovery.kept();
    Request request{kept.board, fromTop ? 0 : kept.resumeRow, kept.burnTime, true, kept.sequence};
    if (kept.sequence) {
        // A sequence starts over from its first job, each job with its own burn time.
        const JobSequence sequence = fromTop ? kept.sequence->at(0) : *kept.sequence;
        const JobSequence::Step &step = sequence.steps[sequence.step];
        request = {step.board, request.fromRow, step.burnTime, true, sequence};
    }
    if (request.fromRow == 0) emit resuming(0);
    return send(request);
}

void RunDriver::dismissKept()
{
    m_recovery.forget();
}

void RunDriver::onUploadFinished(bool written)
{
    if (!m_pending) {
        m_model.uploadFinished(m_sending, written);
        update();
        return;
    }
    m_pending = false;
    // What the machine holds is known before anyone hears it is ready, and nobody hears of it
    // before it started where it was asked to.
    if (written) m_run = m_sendingRun;
    m_quiet = true;
    m_model.uploadFinished(m_sending, written);
    if (written) {
        emit boardSent(m_run.board);
        if (m_request.burnTime) m_jobs.burnTimeReleased(*m_request.burnTime);
        if (m_request.start) m_jobs.start();
    }
    m_quiet = false;
    update();
}

void RunDriver::onImageNotRequested()
{
    m_pending = false;
    m_model.uploadFinished(m_sending, false);
    m_failure = m_link.lastError();
    update();
}

void RunDriver::onModelState(JobModel::State state)
{
    switch (state) {
    case JobModel::State::Running:
        if (!m_model.startedHere() && !m_foreignCarve) {
            // After a restart of the program or a reconnection: the machine carves on its own.
            m_foreignCarve = true;
            m_jobs.controls().resetLocationControls();
            m_jobs.controls().lockLocationControls();
            m_log.logLine(u"The machine is carving a job that was not started here."_s);
            m_recovery.adoptRun();
        }
        break;
    case JobModel::State::Paused:
        m_recovery.flush();
        break;
    case JobModel::State::Interrupted:
        m_recovery.runStopped();
        break;
    case JobModel::State::Finished:
        if (m_run.sequence && m_run.sequence->hasNext()) {
            // Until the next step runs, it is what a restart or a broken link picks up again.
            m_recovery.runStarted(stepAfter(*m_run.sequence));
            // Once everyone has seen this step end.
            QTimer::singleShot(0, this, &RunDriver::sendNextStep);
        } else {
            m_recovery.forget();
        }
        break;
    case JobModel::State::NoJob:
    case JobModel::State::Ready:
        m_foreignCarve = false;
        break;
    }
    update();
}

void RunDriver::sendNextStep()
{
    if (m_model.state() != JobModel::State::Finished || !m_run.sequence ||
        !m_run.sequence->hasNext())
        return;
    const JobSequence next = m_run.sequence->at(m_run.sequence->step + 1);
    const JobSequence::Step &step = next.steps[next.step];
    if (!send({step.board, 0, step.burnTime, true, next})) {
        // No machine to send it to: the kept step is offered when one is back.
        m_recovery.runStopped();
        update();
    }
}

void RunDriver::onRunStarted()
{
    InterruptedJob job;
    job.board = m_run.board;
    job.burnTime = m_estimator.burnTime();
    job.resumeRow = m_run.fromRow;
    job.dotsDone = m_run.doneBefore;
    job.dotsTotal = m_run.total;
    job.sequence = m_run.sequence;
    m_recovery.runStarted(job);
}

void RunDriver::onCarveEnded()
{
    // The log line, the run clock and the location controls first, as the machine's word says.
    m_jobs.carveEnded();
    if (!std::exchange(m_foreignCarve, false)) return;
    m_log.logLine(u"The machine finished the job it was carving before."_s);
    keepWhatFollows();
}

// What the machine says of its job when it is found decides what can be offered: a job it
// carves on is followed, and one it finished is never offered for a resume that burns twice.
void RunDriver::onMachineState(protocol::MachineState state)
{
    if (state == protocol::MachineState::Carving) {
        m_model.machineCarves();
        return;
    }
    if (state != protocol::MachineState::Finished) return;
    if (m_model.state() == JobModel::State::Interrupted) {
        m_log.logLine(tr("The machine finished the interrupted job on its own."));
        m_model.machineFinished();  // a sequence goes on with its next step as after any end
        return;
    }
    if (!m_recovery.kept() || m_recovery.isRunning()) return;
    m_log.logLine(tr("The machine finished the interrupted job on its own."));
    keepWhatFollows();
    update();
}

void RunDriver::keepWhatFollows()
{
    const std::optional<InterruptedJob> &kept = m_recovery.kept();
    if (kept && kept->sequence && kept->sequence->hasNext())
        m_recovery.keep(stepAfter(*kept->sequence));
    else
        m_recovery.forget();
}

void RunDriver::followCarve()
{
    if (m_foreignCarve) {
        if (const std::optional<InterruptedJob> &kept = m_recovery.kept())
            m_recovery.progressed(m_link.reportedY(), kept->dotsDone);
        return;
    }
    const JobModel::State state = m_model.state();
    if (state != JobModel::State::Running && state != JobModel::State::Paused) return;
    const Progress p = progress();
    m_recovery.progressed(std::max(m_model.currentRow(), m_run.fromRow), p.done + p.skipped);
}

void RunDriver::machineFound(const QString &machine)
{
    m_machineFound = true;
    m_recovery.machineFound(machine);
    update();
}

void RunDriver::machineLost()
{
    m_machineFound = false;
    // A resume cut off before its block went out is offered again with the machine.
    m_pending = false;
    m_foreignCarve = false;
    // A carve of the machine's own, or a sequence waiting for its next job, stops here.
    if (m_recovery.isRunning()) m_recovery.runStopped();
    update();
}

void RunDriver::keepForNextStart()
{
    m_recovery.flush();
}

RunDriver::Progress RunDriver::progress() const
{
    Progress p;
    p.doneThisRun = m_model.doneDots();
    p.skipped = m_model.skippedDots();
    const bool wholeKnown = m_run.total > 0 && m_model.raster().isValid();
    p.done = (wholeKnown ? m_run.doneBefore : 0) + p.doneThisRun;
    p.total = wholeKnown ? m_run.total : m_model.totalDots();
    if (m_model.state() == JobModel::State::Finished)
        p.percent = 100;
    else if (p.total > 0)
        p.percent = int(std::clamp<qint64>((p.done + p.skipped) * 100 / p.total, 0, 100));
    return p;
}

RunDriver::Offer RunDriver::offer() const
{
    Offer o;
    const std::optional<InterruptedJob> &kept = m_recovery.kept();
    if (!kept) return o;
    o.fromRow = kept->resumeRow;
    o.percent = kept->percent();
    if (kept->sequence) {
        o.step = kept->sequence->step;
        o.steps = int(kept->sequence->steps.size());
    }
    o.open = m_machineFound && !m_recovery.isRunning() && !m_pending && m_state != State::Carving &&
             m_state != State::Paused && m_state != State::Sending;
    return o;
}

void RunDriver::update()
{
    if (m_quiet) return;
    State state = State::Idle;
    switch (m_model.state()) {
    case JobModel::State::NoJob:
        state = m_failure.isEmpty() ? State::Idle : State::NotSent;
        break;
    case JobModel::State::Ready:
        state = State::Ready;
        break;
    case JobModel::State::Running:
        state = State::Carving;
        break;
    case JobModel::State::Paused:
        state = State::Paused;
        break;
    case JobModel::State::Finished:
        // A step of a sequence with more to come is no end.
        if (!m_run.sequence || !m_run.sequence->hasNext())
            state = State::Finished;
        else  // a step with more to come is no end; without a machine to go on with, cut off
            state = m_recovery.isRunning() ? State::Sending : State::Interrupted;
        break;
    case JobModel::State::Interrupted:
        state = State::Interrupted;
        break;
    }
    if (m_pending || m_link.uploadPending()) state = State::Sending;
    setState(state);
    emit changed();
}

void RunDriver::setState(State state)
{
    if (state == m_state) return;
    m_state = state;
    qCInfo(lcJob) << "run" << state;
}

}  // namespace tavro::run
