#include "run/job_estimator.h"

#include "machine/machine_identity.h"
#include "run/run_settings.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>

using namespace std::chrono;

namespace tavro::run {

namespace {

Q_LOGGING_CATEGORY(lcEstimate, "tavro.estimate", QtWarningMsg)

QString keyFor(const QString &machine)
{
    return MachineTimeModels.keyName(machine::machineHash(machine));
}

milliseconds toMilliseconds(microseconds time)
{
    return duration_cast<milliseconds>(time + microseconds(500));
}

}  // namespace

JobEstimator::JobEstimator(JobModel &job, link::EngraverLink &link, JobControls &controls,
                           platform::Clock &clock, settings::ProfileFile &settings, QObject *parent)
    : QObject(parent), m_job(job), m_clock(clock), m_settings(settings)
{
    makeConnections(link, controls);
}

JobEstimator::~JobEstimator()
{
    save();
}

void JobEstimator::makeConnections(link::EngraverLink &link, JobControls &controls)
{
    connect(&m_job, &JobModel::runStarted, this, &JobEstimator::onRunStarted);
    connect(&m_job, &JobModel::carveStep, this, &JobEstimator::onStep);
    connect(&m_job, &JobModel::stateChanged, this, &JobEstimator::onStateChanged);
    connect(&m_job, &JobModel::rasterChanged, this, &JobEstimator::estimateChanged);
    connect(&link, &link::EngraverLink::burnTimeReported, this, &JobEstimator::onBurnTime);
    connect(&controls, &JobControls::burnTimeSent, this, &JobEstimator::onBurnTime);
}

JobEstimator::Estimate JobEstimator::estimate() const
{
    return estimate(m_job.raster(), m_burnTime);
}

JobEstimator::Estimate JobEstimator::estimate(const JobRaster &raster, int burnTime) const
{
    if (!raster.isValid()) return {0, 0, milliseconds(0), !m_model.isConfirmed()};
    return {raster.dots(), raster.rowsWithDots(),
            toMilliseconds(m_model.predict(raster.work(), burnTime)), !m_model.isConfirmed()};
}

milliseconds JobEstimator::remaining() const
{
    switch (m_job.state()) {
    case JobModel::State::Ready:
        return estimate().duration;
    case JobModel::State::Running:
        return runningRemaining();
    case JobModel::State::Paused:
    case JobModel::State::Interrupted:
        return m_held;
    case JobModel::State::NoJob:
    case JobModel::State::Finished:
        break;
    }
    return milliseconds(0);
}

bool JobEstimator::remainingRough() const
{
    switch (m_job.state()) {
    case JobModel::State::Running:
    case JobModel::State::Paused:
    case JobModel::State::Interrupted:
        return !m_confirmedByRun;
    case JobModel::State::Ready:
        return !m_model.isConfirmed();
    case JobModel::State::NoJob:
    case JobModel::State::Finished:
        break;
    }
    return false;
}

double JobEstimator::pace() const
{
    // Against the model as it is now: what it foretold before it had learnt from this
    // job would count the old model's errors twice.
    double foretold = 0;
    double took = 0;
    for (const Row &row : m_recent) {
        foretold += double(m_model.predict(row.work, row.burnTime).count()) / 1000.0;
        took += row.tookMs;
    }
    if (!(foretold > 0) || !(took > 0)) return 1.0;
    const double ratio = std::clamp(took / foretold, 0.5, 2.0);
    // A few rows say little: their pace counts for more as more come in.
    const double n = double(m_recent.size());
    const double weight = n / (n + PaceRows / 2.0);
    return 1.0 + weight * (ratio - 1.0);
}

milliseconds JobEstimator::paced(const CarveWork &work) const
{
    const double ms = double(m_model.predict(work, m_burnTime).count()) / 1000.0 * pace();
    return milliseconds(std::llround(std::max(ms, 0.0)));
}

// Counts down from the last step, but never below the rows not yet begun nor above
// what the reports say is left.
milliseconds JobEstimator::runningRemaining() const
{
    const milliseconds after = paced(m_job.workAfterCurrentRow());
    const milliseconds left = paced(m_job.remainingWork());
    const milliseconds counting =
        m_countdownStart - duration_cast<milliseconds>(m_clock.now() - m_countdownFrom);
    return std::max({after, std::min(left, counting), milliseconds(0)});
}

void JobEstimator::restartCountdown(milliseconds from)
{
    m_countdownFrom = m_clock.now();
    m_countdownStart = from;
}

void JobEstimator::onRunStarted()
{
    m_model.age();
    m_recent.clear();
    m_confirmedByRun = false;
    m_confirmedBefore = m_model.isConfirmed();
    m_mark = m_clock.now();
    m_burnSteady = true;
    restartCountdown(paced(m_job.remainingWork()));
}

void JobEstimator::onStep(const CarveStep &step)
{
    const microseconds now = m_clock.now();
    if (step.measured && m_mark && m_burnSteady && now >= *m_mark) learn(step.work, now - *m_mark);
    m_mark = now;
    m_burnSteady = true;
    restartCountdown(paced(m_job.remainingWork()));
}

void JobEstimator::learn(const CarveWork &work, microseconds took)
{
    m_recent.push_back({work, m_burnTime,
                        double(m_model.predict(work, m_burnTime).count()) / 1000.0,
                        double(took.count()) / 1000.0});
    if (m_recent.size() > std::size_t(PaceRows)) m_recent.pop_front();
    m_model.addObservation(work, m_burnTime, took);
    m_learnt.addObservation(work, m_burnTime, took);
    if (!m_confirmedByRun && confirmsTheModel()) {
        m_confirmedByRun = true;
        m_model.confirm();
        m_learnt.confirm();
    }
}

bool JobEstimator::confirmsTheModel() const
{
    const std::size_t needed =
        std::size_t(std::clamp(m_job.raster().rowsWithDots(), 1, ConfirmRows));
    const bool seenEnough = m_confirmedBefore || double(m_job.doneDots() + m_job.skippedDots()) >=
                                                     ConfirmShare * double(m_job.totalDots());
    if (!seenEnough || m_recent.size() < needed) return false;
    double foretold = 0;
    double took = 0;
    for (auto row = m_recent.end() - qsizetype(needed); row != m_recent.end(); ++row) {
        foretold += row->foretoldMs;
        took += row->tookMs;
    }
    return took > 0 && std::abs(foretold / took - 1.0) <= ConfirmTolerance;
}

void JobEstimator::onStateChanged(JobModel::State state)
{
    switch (state) {
    case JobModel::State::Running:
        // A resume goes on from what was held; a run from the top sets its own.
        restartCountdown(m_held);
        break;
    case JobModel::State::Paused:
    case JobModel::State::Interrupted:
        m_held = runningRemaining();
        save();
        break;
    case JobModel::State::NoJob:
    case JobModel::State::Ready:
    case JobModel::State::Finished:
        m_held = milliseconds(0);
        save();
        break;
    }
}

void JobEstimator::onBurnTime(int burnTime)
{
    if (burnTime == m_burnTime) return;
    // The row under way is carved at two speeds: not a measurement.
    m_burnTime = burnTime;
    m_burnSteady = false;
    if (m_job.state() == JobModel::State::Running) restartCountdown(paced(m_job.remainingWork()));
    if (m_job.state() != JobModel::State::NoJob) emit estimateChanged();
}

void JobEstimator::machineFound(const QString &machine)
{
    const QString key = keyFor(machine);
    if (key == m_key) return;
    save();
    m_key = key;
    load();
    emit estimateChanged();
}

void JobEstimator::load()
{
    m_learnt = TimeModel();
    const QString text = m_settings.read(MachineTimeModels.section.toString(), m_key, QString());
    if (std::optional<TimeModel> stored = TimeModel::fromText(text)) {
        m_model = *stored;
        return;
    }
    m_model = TimeModel();
    if (text.isEmpty()) return;
    qCWarning(lcEstimate) << "ignoring the unreadable time model" << m_key << "in"
                          << m_settings.path();
    // Replaced, unless another program has put a good one there meanwhile.
    m_settings.update(MachineTimeModels.section.toString(), m_key, [](const QString &stored) {
        return TimeModel::fromText(stored) ? stored : TimeModel().toText();
    });
}

void JobEstimator::save()
{
    if (m_key.isEmpty() || !m_learnt.hasData()) return;
    // Only what this program learnt is added, to the model as the file holds it now: two
    // programs on one machine both count.
    const bool written = m_settings.update(
        MachineTimeModels.section.toString(), m_key, [learnt = m_learnt](const QString &stored) {
            TimeModel merged = TimeModel::fromText(stored).value_or(TimeModel());
            merged.merge(learnt);
            return merged.toText();
        });
    if (!written) {
        qCWarning(lcEstimate) << "cannot keep the time model in" << m_settings.path();
        return;
    }
    m_learnt = TimeModel();
    const bool confirmed = m_model.isConfirmed();
    if (std::optional<TimeModel> merged = TimeModel::fromText(
            m_settings.read(MachineTimeModels.section.toString(), m_key, QString())))
        m_model = *merged;
    if (confirmed) m_model.confirm();
}

}  // namespace tavro::run
