#include "run/job_model.h"

#include "platform/logging.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {

namespace {
constexpr int Side = JobRaster::Side;
}

JobModel::JobModel(link::EngraverLink &link, JobControls &controls, platform::Clock &clock,
                   QObject *parent)
    : QObject(parent),
      m_doneBits(Side * Side),
      m_link(link),
      m_clock(clock),
      m_doneQuiet(clock.createTimer())
{
    m_doneQuiet->onTick([this] {
        m_doneQuiet->stop();
        if (following()) takeCarveDone();
    });
    makeConnections(link, controls);
}

void JobModel::makeConnections(link::EngraverLink &link, JobControls &controls)
{
    using L = link::EngraverLink;
    connect(&link, &L::positionY, this, &JobModel::onRowReported);
    connect(&link, &L::positionX, this, &JobModel::onDotReported);
    connect(&link, &L::carveDoneReported, this, &JobModel::onCarveDone);
    connect(&link, &L::broken, this, &JobModel::onLinkLost);
    connect(&link, &L::disconnected, this, &JobModel::onLinkLost);

    connect(&controls, &JobControls::startSent, this, &JobModel::onStart);
    connect(&controls, &JobControls::pauseSent, this, [this] {
        if (m_state != State::Running) return;
        m_clean = false;
        setState(State::Paused);
    });
    connect(&controls, &JobControls::recarveSent, this, &JobModel::onRecarve);
    connect(&controls, &JobControls::restartSent, this, &JobModel::onRestart);
    connect(&controls, &JobControls::skipSent, this, &JobModel::onSkip);
    // The machine erases its image: whatever ran is gone.
    connect(&controls, &JobControls::newImageSent, this, [this] {
        m_doneQuiet->stop();
        m_startedUnknown = false;
        m_startedHere = true;
        m_raster = JobRaster();
        resetCounts();
        setState(State::NoJob);
        emit progressChanged();
    });
}

int JobModel::percent() const
{
    if (m_state == State::Finished) return 100;
    const qint64 total = totalDots();
    if (total <= 0) return 0;
    return int(std::clamp<qint64>((m_done + m_skipped) * 100 / total, 0, 100));
}

CarveWork JobModel::remainingWork() const
{
    if (!underway()) return {};
    if (m_row < 0) return m_raster.work();
    CarveWork left = workAfterCurrentRow();
    left.dots += qMax(0, m_raster.dotsInRow(m_row) - m_reportsInRow);
    return left;
}

CarveWork JobModel::workAfterCurrentRow() const
{
    if (!underway()) return {};
    return m_raster.workFrom(m_row + 1);
}

QString JobModel::stateName(State state)
{
    switch (state) {
    case State::NoJob:
        return u"none"_s;
    case State::Ready:
        return u"ready"_s;
    case State::Running:
        return u"running"_s;
    case State::Paused:
        return u"paused"_s;
    case State::Finished:
        return u"finished"_s;
    case State::Interrupted:
        return u"interrupted"_s;
    }
    return {};
}

void JobModel::setState(State state)
{
    if (state == m_state) return;
    m_state = state;
    emit stateChanged(state);
}

void JobModel::resetCounts()
{
    m_doneBits.fill(false);
    m_doneInRow.fill(0);
    m_skippedRow.fill(false);
    m_done = 0;
    m_skipped = 0;
    m_row = -1;
    m_reportsInRow = 0;
    m_clean = false;
    m_skipFrom.reset();
}

void JobModel::beginFromTop()
{
    resetCounts();
    m_clean = true;
    setState(State::Running);
    emit progressChanged();
    emit runStarted();
}

void JobModel::expectHeadMoves()
{
    m_headMovesUntil = m_clock.now() + HeadMoveWindow;
}

void JobModel::noticeForeignCarve(bool rowReport)
{
    // A device not yet known to be the machine says nothing of a job.
    if (m_link.state() != link::LinkState::Identified) return;
    if (m_state == State::Running || m_state == State::Paused) return;
    if (m_state == State::Interrupted) return;  // the job cut off here waits for its resume
    const std::chrono::microseconds now = m_clock.now();
    if (m_headMovesUntil && now <= *m_headMovesUntil) return;
    // One stray frame is more likely noise than a carve.
    if (m_strayReports == 0 || now - m_strayFrom > ForeignStreamWindow) {
        m_strayFrom = now;
        m_strayReports = 0;
        m_strayRow = false;
    }
    ++m_strayReports;
    m_strayRow = m_strayRow || rowReport;
    if (m_strayReports >= ForeignStreamReports && m_strayRow) beginForeignCarve();
}

void JobModel::machineCarves()
{
    // Also a job cut off here: the machine went on with it without the program.
    if (!following()) beginForeignCarve();
}

void JobModel::beginForeignCarve()
{
    m_strayReports = 0;
    m_raster = JobRaster();
    resetCounts();
    m_startedHere = false;
    setState(State::Running);
    emit progressChanged();
}

void JobModel::uploadFinished(const QByteArray &raster, bool written)
{
    m_startedHere = true;
    m_raster = written ? JobRaster(raster) : JobRaster();
    resetCounts();
    setState(m_raster.isValid() ? State::Ready : State::NoJob);
    emit progressChanged();
    if (m_raster.isValid()) emit rasterChanged();
}

void JobModel::onStart()
{
    m_doneQuiet->stop();
    if (m_state == State::NoJob) m_startedUnknown = true;
    switch (m_state) {
    case State::Ready:
    case State::Finished:
        beginFromTop();
        break;
    case State::Paused:
    case State::Interrupted:
        // A resume: where the machine goes on from, its next report tells.
        m_clean = false;
        setState(State::Running);
        break;
    case State::NoJob:
    case State::Running:
        break;
    }
}

void JobModel::onRecarve()
{
    m_doneQuiet->stop();
    if (m_state == State::NoJob) m_startedUnknown = true;
    if (m_state != State::NoJob) beginFromTop();
}

void JobModel::onRestart()
{
    // Reports already on their way are the stopped run's, not a carve of the machine's own.
    expectHeadMoves();
    m_doneQuiet->stop();
    m_startedUnknown = false;
    // The machine stops and keeps its image.
    if (m_state == State::NoJob) return;
    if (!m_startedHere) {
        m_startedHere = true;
        setState(State::NoJob);
        return;
    }
    resetCounts();
    setState(State::Ready);
    emit progressChanged();
}

void JobModel::onSkip(int rows)
{
    if (!following()) return;
    m_clean = false;
    if (rows > 0 && !m_skipFrom) m_skipFrom = qMax(m_row, 0);
}

void JobModel::onLinkLost()
{
    m_doneQuiet->stop();
    if (!following()) return;
    if (!m_startedHere) {
        m_startedHere = true;
        setState(State::NoJob);
        return;
    }
    setState(State::Interrupted);
}

void JobModel::onRowReported(int row)
{
    if (!following()) {
        noticeForeignCarve(true);  // unless a jog or a locate moved the head
        return;
    }
    heardReport();
    if (!m_startedHere) return;
    // The machine reports only rows with dots: another row is noise, or the head moved.
    if (row < 0 || row >= Side || m_raster.dotsInRow(row) == 0) {
        m_clean = false;
        return;
    }
    if (const std::optional<int> from = std::exchange(m_skipFrom, std::nullopt);
        from && row > *from)
        skipRows(*from, row);

    const bool previousComplete = m_row < 0 || m_reportsInRow == m_raster.dotsInRow(m_row);
    const bool measured = m_clean && row > m_row && previousComplete &&
                          m_raster.dotsInRow(row) > 0 && rowsBlankBetween(m_row + 1, row);
    CarveStep step;
    if (measured) {
        step.work = {m_raster.dotsInRow(m_row), 1, row - m_row - 1};
        step.measured = true;
    }
    m_row = row;
    m_reportsInRow = 0;
    m_clean = true;
    emit carveStep(step);
}

void JobModel::onDotReported(int x)
{
    if (!following()) {
        noticeForeignCarve(false);
        return;
    }
    heardReport();
    if (!m_startedHere) return;
    // Reported one column to the right of the dot.
    const int column = x - 1;
    if (m_row < 0 || !m_raster.isDot(column, m_row)) {
        m_clean = false;
        return;
    }
    ++m_reportsInRow;
    countDot(column, m_row);
}

void JobModel::countDot(int x, int row)
{
    const qsizetype bit = qsizetype(row) * Side + x;
    if (m_doneBits.testBit(bit)) return;
    m_doneBits.setBit(bit);
    ++m_doneInRow[row];
    ++m_done;
    if (m_skippedRow[row]) --m_skipped;
    emit progressChanged();
}

void JobModel::skipRows(int from, int to)
{
    for (int row = qMax(from, 0); row < qMin(to, Side); ++row) {
        if (m_skippedRow[row]) continue;
        m_skippedRow[row] = true;
        m_skipped += m_raster.dotsInRow(row) - m_doneInRow[row];
    }
}

bool JobModel::rowsBlankBetween(int from, int to) const
{
    for (int row = qMax(from, 0); row < qMin(to, Side); ++row)
        if (m_raster.dotsInRow(row) > 0) return false;
    return true;
}

void JobModel::heardReport()
{
    if (!m_doneQuiet->isRunning()) return;
    m_doneQuiet->stop();
    qCInfo(lcJob) << "a carve done frame was noise: the machine still reports";
}

void JobModel::onCarveDone()
{
    switch (judgeCarveDone()) {
    case DoneVerdict::Take:
        takeCarveDone();
        break;
    case DoneVerdict::Confirm:
        if (!m_doneQuiet->isRunning()) m_doneQuiet->setInterval(DoneQuiet);
        break;
    case DoneVerdict::Ignore:
        qCInfo(lcJob) << "carve done frame ignored: job" << stateName(m_state);
        break;
    }
}

JobModel::DoneVerdict JobModel::judgeCarveDone() const
{
    if (m_state == State::NoJob) {
        // Nothing known of the machine's picture: its word, once it was started.
        return m_startedUnknown && !m_link.uploadPending() ? DoneVerdict::Take
                                                           : DoneVerdict::Ignore;
    }
    if (!following()) return DoneVerdict::Ignore;
    if (m_startedHere && carveAtItsEnd()) return DoneVerdict::Take;
    // A paused machine carves nothing, so it cannot finish.
    return m_state == State::Running ? DoneVerdict::Confirm : DoneVerdict::Ignore;
}

bool JobModel::carveAtItsEnd() const
{
    const int last = m_raster.lastRowWithDots();
    if (last < 0) return true;     // nothing to carve: done at once
    if (m_skipFrom) return false;  // where a skip took the head is not reported
    return m_row == last && m_reportsInRow >= m_raster.dotsInRow(last);
}

void JobModel::takeCarveDone()
{
    m_doneQuiet->stop();
    m_startedUnknown = false;
    // The log line, the run clock and the location controls come before the job's state.
    emit carveEnded();
    if (!following()) return;
    if (!m_startedHere) {
        // What it carved is not known here: nothing to count as done.
        m_startedHere = true;
        setState(State::NoJob);
        emit progressChanged();
        return;
    }
    if (const std::optional<int> from = std::exchange(m_skipFrom, std::nullopt))
        skipRows(*from, Side);

    const int last = m_raster.lastRowWithDots();
    const bool measured =
        m_clean && m_row == last && (m_row < 0 || m_reportsInRow == m_raster.dotsInRow(m_row));
    CarveStep step;
    if (measured) {
        step.work = {m_raster.dotsInRow(m_row), 0, Side - 1 - m_row};
        step.measured = true;
    }
    emit carveStep(step);
    finishCounts();
}

void JobModel::machineFinished()
{
    if (m_state != State::Interrupted) return;
    if (const std::optional<int> from = std::exchange(m_skipFrom, std::nullopt))
        skipRows(*from, Side);
    finishCounts();
}

void JobModel::finishCounts()
{
    // The machine carved every dot it did not skip, reported or not.
    for (int row = 0; row < Side; ++row)
        if (!m_skippedRow[row]) m_doneInRow[row] = m_raster.dotsInRow(row);
    m_done = totalDots() - m_skipped;
    m_row = -1;
    m_reportsInRow = 0;
    m_clean = false;
    setState(State::Finished);
    emit progressChanged();
}

}  // namespace tavro::run
