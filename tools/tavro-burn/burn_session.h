// One burn from the command line: find the machine, send the board, set the burn time, carve.
#pragma once

#include "job/job_controls.h"
#include "job/job_estimator.h"
#include "job/job_model.h"
#include "link/engraver_link.h"

#include <QImage>
#include <QObject>

namespace tavro::burn {

class BurnSession final : public QObject {
    Q_OBJECT
public:
    // The command's exit statuses.
    enum Status { Done = 0, NoMachine = 1, BadArguments = 2, LinkBroke = 3, Interrupted = 130 };

    struct Plan {
        QImage board;       // exactly what is sent
        int burnTime = 0;   // 0: leave the machine's own
        bool start = true;  // false: stop once the picture and the burn time are on the machine
    };

    BurnSession(link::EngraverLink &link, job::JobControls &jobs, job::JobModel &model,
                job::JobEstimator &estimator, Plan plan, QObject *parent = nullptr);

    void begin();
    // Ctrl-C: a machine that is carving is paused before the command ends.
    void interrupt();

signals:
    // A line for the operator, on standard error.
    void said(const QString &line);
    // Done and skipped dots of all, and the time left (negative while unknown).
    void progressed(qint64 done, qint64 total, std::chrono::milliseconds left);
    void finished(int status);

private:
    enum class Phase { Searching, Uploading, Carving, Over };

    void makeConnections();
    void onIdentified(int port);
    void onUploadFinished(bool written);
    void onBroken();
    void finish(Status status, const QString &line = {});

    void reportProgress();

    link::EngraverLink &m_link;
    job::JobControls &m_jobs;
    job::JobModel &m_model;
    job::JobEstimator &m_estimator;
    Plan m_plan;
    Phase m_phase = Phase::Searching;
    int m_dotsTotal = 0;
};

}  // namespace tavro::burn
