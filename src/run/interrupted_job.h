// A job the machine did not finish, kept in the settings folder until it is finished or dismissed.
#pragma once

#include "document/burn_time.h"
#include "platform/outcome.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavro::run {

// A job that is one of several burnt one after the other (a test card's columns): every step's
// board and burn time, which step this is, and what the sequence's runner keeps of its own.
struct JobSequence {
    struct Step {
        QImage board;
        int burnTime = document::DefaultBurnTime;
    };
    static constexpr int MaxSteps = 16;

    QList<Step> steps;
    int step = 0;
    QStringList notes;

    bool hasNext() const { return step + 1 < steps.size(); }
    // The same sequence at another of its steps.
    JobSequence at(int index) const;
};

struct InterruptedJob {
    QImage board;  // the whole job, 512 x 512
    int burnTime = document::DefaultBurnTime;
    int resumeRow = 0;  // the last row the machine reported: it is burnt again
    qint64 dotsDone = 0;
    qint64 dotsTotal = 0;
    // The machine it was carved on (machine::machineIdentity); empty: any machine.
    QString machine;
    // Set when the job is a step of a sequence; `board` and `burnTime` are that step's.
    std::optional<JobSequence> sequence{};

    int percent() const { return dotsTotal > 0 ? int(dotsDone * 100 / dotsTotal) : 0; }
};

// One file per machine in the settings folder, written whole or not at all, so a reader
// sees the board and its notes of the same moment. Nothing else in the folder is touched,
// and a file that cannot be read is left where it is.
class InterruptedJobStore {
public:
    static constexpr int Version = 2;
    static constexpr qint64 MaxFileBytes = 2 * 1024 * 1024;

    explicit InterruptedJobStore(QString folder);

    // When it cannot be kept, why not (an older copy, if any, stays as it was).
    platform::Outcome save(const InterruptedJob &job);

    struct Loaded {
        std::optional<InterruptedJob> job;
        // Set when a job is kept for this machine but cannot be used; the file stays.
        QString problem;
    };
    Loaded load(const QString &machine) const;
    void drop(const QString &machine);

    QString pathFor(const QString &machine) const;
    // Where the program kept a job before it kept one per machine: the board and its notes.
    QString legacyBoardPath() const;
    QString legacyNotesPath() const;

private:
    Loaded loadLegacy() const;

    QString m_folder;
};

}  // namespace tavro::run
