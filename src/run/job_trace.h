// The job's --trace lines: its state, its estimate, and its progress once a second.
#pragma once

#include "link/trace_log.h"
#include "platform/clock.h"
#include "run/job_estimator.h"
#include "run/job_model.h"

#include <QObject>

#include <memory>

namespace tavro::run {

// Lines for a test or a script to follow, on the trace's standard error:
//   job state STATE                                  on every change (JobModel::stateName;
//                                                    interrupted adds row=N, where it stopped)
//   job estimate dots=N rows=N seconds=S rough=0|1   when a raster reached the machine and
//                                                    when the burn time changed
//   job progress done=N total=N percent=P remaining=S  once a second while running, and
//                                                    once more when the carve is done
//   job resume from=N                                a job picked up again from row N
// S is in seconds with one decimal; done does not count skipped dots, percent does.
class JobTrace final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds ProgressInterval{1000};

    JobTrace(JobModel &job, JobEstimator &estimator, platform::Clock &clock, link::TraceLog &trace,
             QObject *parent = nullptr);

    // job resume from=N, when a job is picked up again from row N.
    void resumed(int fromRow);

    QString estimateLine() const;
    QString progressLine() const;

private:
    void onStateChanged(JobModel::State state);

    JobModel &m_job;
    JobEstimator &m_estimator;
    link::TraceLog &m_trace;
    std::unique_ptr<platform::IntervalTimer> m_progressTimer;
};

}  // namespace tavro::run
