// One burn from the command line: find the machine, send the board, set the burn time, carve.
#pragma once

#include "job/job_controls.h"
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

    BurnSession(link::EngraverLink &link, job::JobControls &jobs, Plan plan,
                QObject *parent = nullptr);

    void begin();
    // Ctrl-C: a machine that is carving is paused before the command ends.
    void interrupt();

    int dotsDone() const { return m_dotsDone; }
    int dotsTotal() const { return m_dotsTotal; }

signals:
    // A line for the operator, on standard error.
    void said(const QString &line);
    void progressed(int done, int total);
    void finished(int status);

private:
    enum class Phase { Searching, Uploading, Carving, Over };

    void makeConnections();
    void onIdentified(int port);
    void onUploadFinished(bool written);
    void onBroken();
    void finish(Status status, const QString &line = {});

    link::EngraverLink &m_link;
    job::JobControls &m_jobs;
    Plan m_plan;
    Phase m_phase = Phase::Searching;
    int m_dotsDone = 0;
    int m_dotsTotal = 0;
};

}  // namespace tavro::burn
