#include "session/test_card_run.h"

#include "materials/materials_settings.h"
#include "platform/key_value_lines.h"
#include "render/upload_raster.h"
#include "session/session.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::session {
namespace {

const QString Marker = u"Sequence=TestCard"_s;

bool carving(run::JobModel::State state)
{
    return state == run::JobModel::State::Running || state == run::JobModel::State::Paused;
}

}  // namespace

TestCardRun::TestCardRun(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    connect(&m_session, &Session::runChanged, this, &TestCardRun::onRunChanged);
    connect(&m_session, &Session::progressChanged, this, [this] {
        if (m_holdsColumn) emit progressChanged();
    });
}

platform::Outcome TestCardRun::start(const materials::TestCardPlan &plan, int fromColumn,
                                     int fromRow)
{
    using platform::Outcome;
    if (isActive()) return Outcome::failed(tr("A test card is being burnt already."));
    const materials::TestCard card(plan);
    if (Outcome burnable = card.check(); !burnable) return burnable;
    if (fromColumn < 0 || fromColumn >= card.columns())
        return Outcome::failed(tr("The card has columns 1 to %1.").arg(card.columns()));
    if (fromRow < 0 || fromRow >= render::BoardSize)
        return Outcome::failed(tr("Rows go from 0 to 511."));
    if (!m_session.machine().identified) return Outcome::failed(tr("No machine is connected."));
    if (carving(m_session.model().state()))
        return Outcome::failed(tr("A job is running; stop it first."));
    begin(card);
    remember(false);
    if (!m_session.sendSequence(m_sequence.at(fromColumn), fromRow))
        return Outcome::failed(tr("The card's first column could not be sent."));
    return Outcome::done();
}

void TestCardRun::begin(const materials::TestCard &card)
{
    m_card = card;
    m_sequence = {};
    m_sequence.notes = QStringList{Marker} + card.toLines();
    m_rasters.clear();
    for (int c = 0; c < card.columns(); ++c) {
        const QImage board = card.column(c);
        m_sequence.steps << run::JobSequence::Step{board, card.plan().burnTimes[c]};
        m_rasters << run::JobRaster(render::packUploadRaster(board));
    }
    m_column = 0;
}

bool TestCardRun::followsCard(const std::optional<run::JobSequence> &sequence)
{
    if (!sequence || sequence->notes.value(0) != Marker) return false;
    if (m_card && sequence->notes == m_sequence.notes) return true;
    // A kept card resumed from the status bar: this shows it from now on.
    const std::optional<materials::TestCardPlan> plan =
        materials::TestCard::planFromLines(sequence->notes);
    if (!plan) return false;
    const materials::TestCard card(*plan);
    if (card.columns() != sequence->steps.size()) return false;
    begin(card);
    return true;
}

void TestCardRun::onRunChanged()
{
    using R = run::RunDriver::State;
    const run::RunDriver &run = m_session.run();
    const bool held = followsCard(run.sequence());
    if (!held) {
        m_holdsColumn = false;
        if (isActive()) setState(State::Stopped);  // another picture went to the machine
        return;
    }
    const int column = run.sequence()->step;
    const bool newColumn = !m_holdsColumn || column != m_column;
    m_holdsColumn = true;
    m_column = column;
    switch (run.state()) {
    case R::Sending:
        setState(State::Sending);
        if (newColumn) emit columnStarted(m_column);
        break;
    case R::Carving:
    case R::Paused:
        setState(State::Carving);
        break;
    case R::Finished:
        if (m_state != State::Done) {
            remember(true);
            setState(State::Done);
        }
        break;
    case R::Ready:  // a Restart stopped the column
        if (isActive()) setState(State::Stopped);
        break;
    case R::Interrupted:
    case R::NotSent:
        if (isActive()) setState(State::Interrupted);
        break;
    case R::Idle:
        break;
    }
    emit progressChanged();
}

void TestCardRun::setState(State state)
{
    if (state == m_state) return;
    m_state = state;
    emit stateChanged(state);
}

int TestCardRun::burnTime() const
{
    return m_sequence.steps.isEmpty() ? 0 : m_sequence.steps[m_column].burnTime;
}

TestCardRun::Progress TestCardRun::progress() const
{
    Progress p;
    for (int c = 0; c < m_rasters.size(); ++c) {
        p.total += m_rasters[c].dots();
        if (c < m_column) p.done += m_rasters[c].dots();
    }
    if (m_state == State::Done) {
        p.done = p.total;
    } else if (m_holdsColumn && m_state != State::Sending && m_column < m_rasters.size()) {
        const Session::Progress column = m_session.run().progress();
        p.done += std::min(column.done + column.skipped, m_rasters[m_column].dots());
    }
    p.percent = p.total > 0 ? int(p.done * 100 / p.total) : 0;
    return p;
}

std::chrono::milliseconds TestCardRun::remaining() const
{
    using namespace std::chrono;
    if (!isActive() && m_state != State::Interrupted) return 0ms;
    const run::JobEstimator &estimator = m_session.estimator();
    milliseconds left{0};
    int next = m_column;
    if (m_state != State::Sending) {
        left += estimator.remaining();
        ++next;
    }
    for (int c = next; c < m_rasters.size(); ++c)
        left +=
            ColumnUpload + estimator.estimate(m_rasters[c], m_sequence.steps[c].burnTime).duration;
    return left;
}

bool TestCardRun::remainingRough() const
{
    const run::JobEstimator &estimator = m_session.estimator();
    return m_state == State::Sending ? !estimator.timeModel().isConfirmed()
                                     : estimator.remainingRough();
}

int TestCardRun::resumeRow() const
{
    const int fromRow = m_session.run().fromRow();
    if (m_state == State::Sending || !m_holdsColumn) return fromRow;
    return std::max(fromRow, m_session.model().currentRow());
}

void TestCardRun::remember(bool finished)
{
    // A card that cannot be remembered is still burnt.
    m_session.rememberCard(*m_card, finished);
}

}  // namespace tavro::session
