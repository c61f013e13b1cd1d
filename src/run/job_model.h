// The job as it runs: what is on the machine, how much of it is burnt, skipped and left.
#pragma once

#include "link/engraver_link.h"
#include "platform/clock.h"
#include "run/carve_work.h"
#include "run/job_controls.h"
#include "run/job_raster.h"

#include <QBitArray>
#include <QObject>

#include <array>
#include <chrono>
#include <memory>
#include <optional>

namespace tavro::run {

// Follows the raster the machine received, the commands it was sent and the positions it
// reports. Counting is exact and never trusts a report blindly: a dot counts once, only
// where the raster has one, and only while a job runs or is paused.
//
// Dots passed over by Fast Forward count as skipped, not done; a row carved again after
// Fast Backward is not counted twice. At carve done every dot is one or the other:
// done + skipped = total, and the progress reads 100 %. Dots whose reports never arrived
// (a program that stopped reading) count as done at carve done, since the machine says
// it carved them.
//
// Line noise makes frames too, so a report is taken only where the machine can send it. A
// carve done ends a job at once only where the reports show the carve at its end; otherwise
// while a job runs it ends the job once the machine has been quiet for DoneQuiet (a machine
// that still carves reports again first), and never a paused one. A row without dots is no
// carve's report, and a carve of the machine's own is noticed only from a stream of reports.
class JobModel final : public QObject {
    Q_OBJECT
public:
    enum class State { NoJob, Ready, Running, Paused, Finished, Interrupted };
    Q_ENUM(State)
    // Reports this long after a jog or a locate are the head's move, not a carve.
    static constexpr std::chrono::milliseconds HeadMoveWindow{2000};
    // A carve done the reports do not bear out is taken after this long without a report.
    static constexpr std::chrono::milliseconds DoneQuiet{3000};
    // Reports within this of each other make a stream: a carve of the machine's own.
    static constexpr std::chrono::milliseconds ForeignStreamWindow{1000};
    static constexpr int ForeignStreamReports = 3;

    JobModel(link::EngraverLink &link, JobControls &controls, platform::Clock &clock,
             QObject *parent = nullptr);

    // The machine's image block went out (or failed); `raster` is what it held.
    void uploadFinished(const QByteArray &raster, bool written);
    // A jog, a locate or a point was sent: the head's reports that follow are no carve.
    void expectHeadMoves();
    // The machine said when it was found that it carves a job (one not started here).
    void machineCarves();
    // The machine said when it was found again that it finished its job: an interrupted job
    // of this program's is finished, every dot not skipped done.
    void machineFinished();
    // False while the machine carves a job it was not started on here (after a restart of
    // the program or a reconnection): its raster is unknown, and nothing is counted.
    bool startedHere() const { return m_startedHere; }

    State state() const { return m_state; }
    // The raster the machine holds; invalid while there is no job.
    const JobRaster &raster() const { return m_raster; }
    qint64 totalDots() const { return m_raster.dots(); }
    qint64 doneDots() const { return m_done; }
    qint64 skippedDots() const { return m_skipped; }
    // (done + skipped) of total, rounded down; 100 once finished.
    int percent() const;
    // The last row the machine reported in this run; -1 before the first.
    int currentRow() const { return m_row; }
    // What the machine still has to carve from where it was last reported; nothing
    // unless a job runs, is paused or was interrupted.
    CarveWork remainingWork() const;
    // The same without what is left of the current row.
    CarveWork workAfterCurrentRow() const;

    // "none", "ready", "running", "paused", "finished", "interrupted".
    static QString stateName(State state);

signals:
    void stateChanged(tavro::run::JobModel::State state);
    // Done or skipped dots changed.
    void progressChanged();
    // The machine holds a new raster (an upload completed).
    void rasterChanged();
    // A run from the top began: Start on a ready or finished job, or Recarve. The first
    // step's time counts from here.
    void runStarted();
    // See CarveStep.
    void carveStep(const tavro::run::CarveStep &step);
    // The machine finished carving, as far as can be told: its own word, where it can come.
    void carveEnded();

private:
    void makeConnections(link::EngraverLink &link, JobControls &controls);
    void setState(State state);
    void resetCounts();
    void beginFromTop();
    bool following() const { return m_state == State::Running || m_state == State::Paused; }
    bool underway() const { return following() || m_state == State::Interrupted; }

    void onStart();
    void onRecarve();
    void onRestart();
    void onSkip(int rows);
    void onLinkLost();
    void onRowReported(int row);
    void onDotReported(int x);
    void onCarveDone();
    enum class DoneVerdict { Take, Confirm, Ignore };
    DoneVerdict judgeCarveDone() const;
    bool carveAtItsEnd() const;
    void takeCarveDone();
    void finishCounts();
    // A report: the machine still moves, so a carve done waiting to be confirmed was noise.
    void heardReport();
    // A report of the head while nothing runs here and no move was asked for.
    void noticeForeignCarve(bool rowReport);
    void beginForeignCarve();

    void countDot(int x, int row);
    // Rows the machine jumped over by Fast Forward: what was not done there is skipped.
    void skipRows(int from, int to);
    bool rowsBlankBetween(int from, int to) const;

    JobRaster m_raster;
    State m_state = State::NoJob;
    QBitArray m_doneBits;
    std::array<int, JobRaster::Side> m_doneInRow{};
    std::array<bool, JobRaster::Side> m_skippedRow{};
    qint64 m_done = 0;
    qint64 m_skipped = 0;
    int m_row = -1;
    int m_reportsInRow = 0;
    // Nothing disturbed the carve since the last step (no pause, skip or stray report).
    bool m_clean = false;
    // Where the machine stood when Fast Forward was sent; settled by the next report.
    std::optional<int> m_skipFrom;
    const link::EngraverLink &m_link;
    platform::Clock &m_clock;
    std::optional<std::chrono::microseconds> m_headMovesUntil;
    bool m_startedHere = true;
    std::unique_ptr<platform::IntervalTimer> m_doneQuiet;
    // Reports not explained by a job or a move: when the stream began, how many, and whether
    // a row was among them.
    std::chrono::microseconds m_strayFrom{};
    int m_strayReports = 0;
    bool m_strayRow = false;
    // Start or Recarve went to a machine whose picture is not known here, and it has not
    // finished, erased or stopped since: a carve done can come.
    bool m_startedUnknown = false;
};

}  // namespace tavro::run
