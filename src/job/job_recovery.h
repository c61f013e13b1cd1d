// Picks an interrupted job up again: keeps it while the link is down, offers it when the
// machine is back, and sends the board again from the row the machine had reached.
#pragma once

#include "job/interrupted_job.h"
#include "job/job_controls.h"
#include "job/job_estimator.h"
#include "job/job_model.h"
#include "link/engraver_link.h"

#include <QObject>

#include <optional>

namespace tavro::job {

// A job that stops on a broken link (while running or paused) is kept, with the last row
// the machine reported and the burn time it had, in the settings folder, so a restart of
// the program still offers it. The offer is open while the machine is identified and no
// other job runs; it goes when the job is finished or dismissed. A resumed job sends the
// board with every row above that row white (the row itself is burnt again: a dot burnt
// twice is better than a gap), waits for the block to be out, sets the burn time and starts.
class JobRecovery final : public QObject {
    Q_OBJECT
public:
    JobRecovery(link::EngraverLink &link, JobControls &jobs, JobModel &model,
                JobEstimator &estimator, const QString &settingsFolder, QObject *parent = nullptr);

    // A job kept by an earlier run of the program comes back; one that cannot be read is
    // dropped and said once in the log.
    void loadKept();

    // The job that can be resumed, whether or not the offer is open now.
    const std::optional<InterruptedJob> &kept() const { return m_kept; }
    bool offerOpen() const;
    // The machine reconnected and no picture has gone to it since: it may have lost it.
    bool pictureMayBeMissing() const { return m_pictureMissing; }

    void resume();
    void startOver();
    void dismiss();

signals:
    void offerChanged();
    void pictureMayBeMissingChanged(bool missing);
    // The kept job is on its way back, from this row.
    void resuming(int fromRow);

private:
    enum class Pending { None, Resume, StartOver };

    void makeConnections();
    void onStateChanged(JobModel::State state);
    void keepInterrupted();
    void send(Pending how);
    void onUploadFinished(bool written);
    void setPictureMissing(bool missing);

    link::EngraverLink &m_link;
    JobControls &m_jobs;
    JobModel &m_model;
    JobEstimator &m_estimator;
    InterruptedJobStore m_store;
    std::optional<InterruptedJob> m_kept;
    // The job that runs now came from the kept one; its dots add to what was done before.
    bool m_runningKept = false;
    Pending m_pending = Pending::None;
    bool m_identified = false;
    bool m_wasIdentified = false;
    bool m_pictureMissing = false;
};

}  // namespace tavro::job
