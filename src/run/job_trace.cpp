#include "run/job_trace.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {

namespace {

QString seconds(std::chrono::milliseconds time)
{
    return QString::number(double(time.count()) / 1000.0, 'f', 1);
}

}  // namespace

JobTrace::JobTrace(JobModel &job, JobEstimator &estimator, platform::Clock &clock,
                   link::TraceLog &trace, QObject *parent)
    : QObject(parent),
      m_job(job),
      m_estimator(estimator),
      m_trace(trace),
      m_progressTimer(clock.createTimer())
{
    m_progressTimer->onTick([this] { m_trace.write(progressLine()); });
    connect(&m_job, &JobModel::stateChanged, this, &JobTrace::onStateChanged);
    connect(&m_estimator, &JobEstimator::estimateChanged, this,
            [this] { m_trace.write(estimateLine()); });
}

QString JobTrace::estimateLine() const
{
    const JobEstimator::Estimate estimate = m_estimator.estimate();
    return u"job estimate dots=%1 rows=%2 seconds=%3 rough=%4"_s.arg(estimate.dots)
        .arg(estimate.rows)
        .arg(seconds(estimate.duration))
        .arg(estimate.rough ? 1 : 0);
}

QString JobTrace::progressLine() const
{
    return u"job progress done=%1 total=%2 percent=%3 remaining=%4"_s.arg(m_job.doneDots())
        .arg(m_job.totalDots())
        .arg(m_job.percent())
        .arg(seconds(m_estimator.remaining()));
}

void JobTrace::resumed(int fromRow)
{
    m_trace.write(u"job resume from=%1"_s.arg(fromRow));
}

void JobTrace::onStateChanged(JobModel::State state)
{
    // An interrupted job says where: the row to resume from.
    const QString where = state == JobModel::State::Interrupted
                              ? u" row=%1"_s.arg(std::max(m_job.currentRow(), 0))
                              : QString();
    m_trace.write(u"job state "_s + JobModel::stateName(state) + where);
    if (state == JobModel::State::Running) {
        m_progressTimer->setInterval(ProgressInterval);
        return;
    }
    m_progressTimer->stop();
    if (state == JobModel::State::Finished) m_trace.write(progressLine());
}

}  // namespace tavro::run
