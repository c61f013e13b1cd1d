// One burn from the command line: find the machine, send the board, set the burn time, carve.
#pragma once

#include "session/session.h"

#include <QObject>

#include <chrono>

namespace tavro::burn {

class BurnRun final : public QObject {
    Q_OBJECT
public:
    // The command's exit statuses.
    enum Status {
        Done = 0,
        NoMachine = 1,
        BadArguments = 2,
        LinkBroke = 3,
        NotSent = 4,  // the machine did not take the picture
        Interrupted = 130
    };

    struct Plan {
        int fromRow = 0;    // the rows above it are left white
        int burnTime = 0;   // 0: leave the machine's own
        bool start = true;  // false: stop once the picture and the burn time are on the machine
        QString device;     // the device the operator named; empty: found by the search
        // The command as given, without its --from-row.
        QString command;
    };

    // The board to burn is the session's document.
    BurnRun(session::Session &session, Plan plan, QObject *parent = nullptr);

    void begin();
    // Ctrl-C and the like: a machine that is carving is paused before the command ends. `why`
    // is said when it is not the operator's own doing.
    void interrupt(const QString &why = {});

    // The row to go on from after a break: the machine's last report, never above where this
    // run began.
    int resumeRow() const;
    // The exact command that goes on from resumeRow().
    QString resumeCommand() const;

signals:
    // A line for the operator, on standard error.
    void said(const QString &line);
    // Done and skipped dots of all, and the time left.
    void progressed(qint64 done, qint64 total, std::chrono::milliseconds left);
    void finished(int status);

private:
    enum class Phase { Searching, Uploading, Carving, Over };

    void makeConnections();
    void onIdentified();
    void onRunChanged();
    void onBroken();
    void finish(Status status, const QString &line = {});
    void reportProgress();

    session::Session &m_session;
    Plan m_plan;
    Phase m_phase = Phase::Searching;
};

}  // namespace tavro::burn
