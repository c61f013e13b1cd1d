// Burns a material test card on the session as a sequence of jobs, one a burn time, lowest first;
// the window and tavro-burn both drive it and show its progress.
#pragma once

#include "materials/test_card.h"
#include "platform/outcome.h"
#include "run/interrupted_job.h"
#include "run/job_raster.h"

#include <QObject>

#include <chrono>
#include <optional>

namespace tavro::settings {
class ProfileFile;
}  // namespace tavro::settings

namespace tavro::session {

class Session;

// Each column is a step of one sequence, which the session's run driver sends, sets the burn
// time of, starts and follows column after column; this shows the card and keeps it in
// Config.ini. Pause and Stop are the machine's own: a paused column goes on with Start, a
// Restart stops the card, any other picture sent ends it. A card cut off (a broken link, the
// program ended) is kept as a sequence: resuming it from the status bar picks the card up at
// its column and row, and this follows it to the end. It follows the session's run only.
class TestCardRun final : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Sending, Carving, Done, Stopped, Interrupted };
    Q_ENUM(State)

    // What sending one column's board takes at the line's speed: 32768 bytes at 5760 a
    // second, and the machine's erase before it.
    static constexpr std::chrono::milliseconds ColumnUpload{6000};

    explicit TestCardRun(Session &session, QObject *parent = nullptr);

    // Begins the card at that column, its rows above `fromRow` left white. Empty when it began;
    // otherwise why not, and nothing was sent.
    platform::Outcome start(const materials::TestCardPlan &plan, int fromColumn = 0,
                            int fromRow = 0);

    State state() const { return m_state; }
    bool isActive() const { return m_state == State::Sending || m_state == State::Carving; }
    // The job on the machine is one of the card's columns (also once the card is done).
    bool holdsColumn() const { return m_holdsColumn; }
    // The card being burnt, or burnt last.
    const std::optional<materials::TestCard> &card() const { return m_card; }
    int column() const { return m_column; }
    int burnTime() const;

    struct Progress {
        qint64 done = 0;  // dots burnt or skipped, of every column
        qint64 total = 0;
        int percent = 0;
    };
    Progress progress() const;
    // The whole card's time left: the column on the machine as the estimator says, the columns
    // still to come as it foretells them, and the sending of each.
    std::chrono::milliseconds remaining() const;
    bool remainingRough() const;
    // Where the column on the machine would go on from: the last row it reported.
    int resumeRow() const;

    // The card burnt or begun last, kept in Config.ini, section "TestCard".

signals:
    void stateChanged(tavro::session::TestCardRun::State state);
    void columnStarted(int column);
    void progressChanged();

private:
    void begin(const materials::TestCard &card);
    void onRunChanged();
    // The sequence on the machine is a card's: this one's, or a kept one picked up again.
    bool followsCard(const std::optional<run::JobSequence> &sequence);
    void setState(State state);
    void remember(bool finished);

    Session &m_session;
    std::optional<materials::TestCard> m_card;
    run::JobSequence m_sequence;
    QList<run::JobRaster> m_rasters;  // of each column
    int m_column = 0;
    State m_state = State::Idle;
    bool m_holdsColumn = false;
};

}  // namespace tavro::session
