// How long the job on the machine will take, and how long is left: learnt from this machine.
#pragma once

#include "document/burn_time.h"
#include "platform/clock.h"
#include "run/job_model.h"
#include "run/time_model.h"
#include "settings/profile_file.h"

#include <QObject>

#include <chrono>
#include <deque>
#include <optional>

namespace tavro::run {

// Times the steps of every run (JobModel::carveStep) and feeds them to the machine's
// TimeModel, which lives in Config.ini, one key per machine (MachineTimeModels): a simulated
// engraver or another machine never teaches this one. Until a machine is found nothing is
// learnt or kept. What a run learnt is added to the model as the file holds it then, so programs
// that share the file all count. A corrupt key is ignored and rewritten.
//
// An estimate is rough ("about") until the model has been confirmed: until a running job
// carved ConfirmRows rows within ConfirmTolerance of what the model foretold for each
// before seeing it. A model no job has confirmed yet must also have seen ConfirmShare of
// the job: its first rows are alike, and what they teach may not hold for the rest. During a run
// the time left is the model's time for the work left, scaled by how this job's recent rows went
// against the model as it stands, and counts down between reports; it is rough until this run has
// confirmed the model.
class JobEstimator final : public QObject {
    Q_OBJECT
public:
    static constexpr int ConfirmRows = 10;
    static constexpr double ConfirmTolerance = 0.10;
    static constexpr double ConfirmShare = 0.25;
    // Recent rows whose pace scales the time left.
    static constexpr int PaceRows = 32;

    struct Estimate {
        qint64 dots = 0;
        int rows = 0;  // rows with dots
        std::chrono::milliseconds duration{0};
        bool rough = true;
    };

    // The settings file must outlive the estimator; the model is saved as a run stops
    // (pause, finish, interruption, restart) and when the estimator goes.
    JobEstimator(JobModel &job, link::EngraverLink &link, JobControls &controls,
                 platform::Clock &clock, settings::ProfileFile &settings,
                 QObject *parent = nullptr);
    ~JobEstimator() override;

    // The raster on the machine at the machine's burn time.
    Estimate estimate() const;
    Estimate estimate(const JobRaster &raster, int burnTime) const;
    // Ready: the estimate; running: counting down; paused or interrupted: held; otherwise 0.
    std::chrono::milliseconds remaining() const;
    bool remainingRough() const;
    // The burn time the machine works with: the last one it reported or was sent.
    int burnTime() const { return m_burnTime; }
    // The machine's model from now on; `machine` is its identity.
    void machineFound(const QString &machine);
    const TimeModel &timeModel() const { return m_model; }

signals:
    // A new raster reached the machine, or the burn time changed.
    void estimateChanged();

private:
    void makeConnections(link::EngraverLink &link, JobControls &controls);
    void onRunStarted();
    void onStep(const CarveStep &step);
    void learn(const CarveWork &work, std::chrono::microseconds took);
    // The last rows went as the model foretold, and the model has seen enough.
    bool confirmsTheModel() const;
    void onStateChanged(JobModel::State state);
    void onBurnTime(int burnTime);
    void load();
    void save();
    // How this run's recent rows went against the model: 1 = as foretold.
    double pace() const;
    std::chrono::milliseconds paced(const CarveWork &work) const;
    std::chrono::milliseconds runningRemaining() const;
    void restartCountdown(std::chrono::milliseconds from);

    JobModel &m_job;
    platform::Clock &m_clock;
    settings::ProfileFile &m_settings;
    TimeModel m_model;
    TimeModel m_learnt;  // rows carved since the model was last kept
    QString m_key;
    int m_burnTime = document::DefaultBurnTime;

    std::optional<std::chrono::microseconds> m_mark;  // when the last step was taken
    bool m_burnSteady = true;                         // no burn time change since it
    struct Row {
        CarveWork work;
        int burnTime;
        double foretoldMs;  // by the model before it saw the row
        double tookMs;
    };
    std::deque<Row> m_recent;
    bool m_confirmedByRun = false;
    bool m_confirmedBefore = false;  // when the run began
    std::chrono::microseconds m_countdownFrom{0};
    std::chrono::milliseconds m_countdownStart{0};
    std::chrono::milliseconds m_held{0};
};

}  // namespace tavro::run
