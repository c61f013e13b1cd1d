// The one place a job goes to the machine and is followed to its end: sending the board,
// setting its burn time, starting it, a resume, and a sequence of jobs one after the other.
#pragma once

#include "link/engraver_link.h"
#include "run/interrupted_job.h"
#include "run/job_controls.h"
#include "run/job_estimator.h"
#include "run/job_model.h"
#include "run/job_recovery.h"

#include <QImage>
#include <QObject>

#include <algorithm>
#include <optional>

namespace tavro::run {

// Every front end (the window, the test card, tavro-burn) asks this for a run and follows its
// changed() signal only; nothing else follows the link's upload or the job model's end. It is
// the job model's and the kept job's only follower, so what it does never depends on the order
// in which others were connected: each change is made whole before changed() is emitted.
class RunDriver final : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,     // nothing of this program's on the machine
        Sending,  // the erase went out, the block not yet
        Ready,    // the machine holds the board, not started
        Carving,  // started; also a carve of the machine's own
        Paused,
        Finished,     // the last job of the run carved to its end
        NotSent,      // the machine never asked for the picture
        Interrupted,  // cut off: the link broke during the run
    };
    Q_ENUM(State)

    struct Request {
        QImage board;     // the whole job
        int fromRow = 0;  // the rows above it are left white: a job picked up from there
        std::optional<int> burnTime;  // set as the slider sets it, once the board is there
        bool start = false;           // and then started
        // A step of a sequence: once it is done, the next steps follow on their own, each
        // with its burn time, and started.
        std::optional<JobSequence> sequence;
    };

    // How far the job on the machine is, over the whole job also when resumed from a row.
    struct Progress {
        qint64 done = 0;     // dots burnt, before this run and in it
        qint64 skipped = 0;  // dots Fast Forward passed over
        qint64 total = 0;
        qint64 doneThisRun = 0;
        int percent = 0;
    };

    // The offer to pick up a job the machine did not finish.
    struct Offer {
        bool open = false;
        int fromRow = 0;
        int percent = 0;
        int step = 0;   // of a sequence: which job it stopped in
        int steps = 0;  // 0: a job of its own
    };

    RunDriver(link::EngraverLink &link, JobControls &jobs, JobModel &model,
              const JobEstimator &estimator, JobRecovery &recovery, link::MessageLog &log,
              QObject *parent = nullptr);

    // False when the erase could not go out (no machine); nothing changed then.
    bool send(const Request &request);
    // The kept job sent again: from its row, or from the top (a sequence from its first job).
    bool resumeKept(bool fromTop);
    void dismissKept();

    State state() const { return m_state; }
    Progress progress() const;
    Offer offer() const;
    // The sequence whose step goes to the machine now or went last; none for a job of its own.
    const std::optional<JobSequence> &sequence() const { return m_sequence; }
    // Seconds the run clock counted for the job on the machine.
    int runSeconds() const { return m_jobs.runSeconds(); }
    // Why the last run ended without a carve; empty otherwise.
    const QString &failure() const { return m_failure; }
    // The machine carves a job that was not started here.
    bool foreignCarve() const { return m_foreignCarve; }
    // Where the job would go on from after a cut: the machine's last row, never above where
    // the run began.
    int resumeRow() const { return std::max(fromRow(), m_model.currentRow()); }
    // The rows above this are left white in the job on the machine, or on its way there.
    int fromRow() const { return m_pending ? m_sendingRun.fromRow : m_run.fromRow; }

    // The link found the machine (its identity names the kept job), or lost it.
    void machineFound(const QString &machine);
    void machineLost();
    // The program ends: the kept job is written as it is now.
    void keepForNextStart();

signals:
    // The run changed: its state, its step, the offer.
    void changed();
    // Dots were burnt or skipped: see progress(). Often, so it carries nothing else.
    void progressChanged();
    // The kept job goes to the machine again, from this row.
    void resuming(int fromRow);
    // The machine holds this board now (the whole job's, whatever row it was sent from).
    void boardSent(const QImage &board);
    // A step of a sequence goes to the machine: its board and burn time are the job's now.
    void stepSending(const QImage &board, int burnTime);

private:
    struct Run {
        QImage board;  // the whole job
        int fromRow = 0;
        qint64 doneBefore = 0;
        qint64 total = 0;
        std::optional<JobSequence> sequence;
    };

    void makeConnections();
    void onUploadFinished(bool written);
    void onImageNotRequested();
    void onModelState(JobModel::State state);
    void onRunStarted();
    void onCarveEnded();
    void onMachineState(protocol::MachineState state);
    void followCarve();
    void sendNextStep();
    // The kept job is done: what is left of it is the next step of its sequence, or nothing.
    void keepWhatFollows();
    void setState(State state);
    void update();

    link::EngraverLink &m_link;
    JobControls &m_jobs;
    JobModel &m_model;
    const JobEstimator &m_estimator;
    JobRecovery &m_recovery;
    link::MessageLog &m_log;

    QByteArray m_sending;  // the block the machine gets when it asks
    Run m_sendingRun;
    Request m_request;       // what to do once the block is there
    bool m_pending = false;  // a request waits for its block
    Run m_run;               // what the machine holds
    std::optional<JobSequence> m_sequence;
    State m_state = State::Idle;
    QString m_failure;
    bool m_foreignCarve = false;
    bool m_quiet = false;  // within a change that is not whole yet
    bool m_machineFound = false;
};

}  // namespace tavro::run
