#include "session/test_card_run.h"

#include "platform/key_value_lines.h"
#include "render/upload_raster.h"
#include "session/session.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::session {
namespace {

const QString Section = u"TestCard"_s;
const QString Marker = u"Sequence=TestCard"_s;

bool carving(run::JobModel::State state)
{
    return state == run::JobModel::State::Running || state == run::JobModel::State::Paused;
}

}  // namespace

TestCardRun::TestCardRun(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    makeConnections();
}

void TestCardRun::makeConnections()
{
    using L = link::EngraverLink;
    const L &link = m_session.link();
    connect(&link, &L::uploadFinished, this, &TestCardRun::onUploadFinished);
    const auto lost = [this] {
        if (m_state == State::Sending) setState(State::Interrupted);
    };
    connect(&link, &L::broken, this, lost);
    connect(&link, &L::disconnected, this, lost);
    connect(&m_session.model(), &run::JobModel::stateChanged, this, &TestCardRun::onCarveState);
    connect(&m_session.jobs(), &run::JobControls::restartSent, this, [this] {
        if (isActive()) setState(State::Stopped);
    });
    // Any other picture sent ends the card; its own columns carry its sequence.
    connect(&m_session.jobs(), &run::JobControls::newImageSent, this, [this] {
        const std::optional<run::JobSequence> &sent = m_session.sequenceSent();
        m_holdsColumn = m_card && sent && sent->notes == m_sequence.notes;
        if (!m_holdsColumn && isActive()) setState(State::Stopped);
    });
    connect(&m_session, &Session::resuming, this, &TestCardRun::onResuming);
    // A machine that never asked for the column: the card stops where it is, to be resumed.
    connect(&m_session, &Session::uploadFailed, this, [this] {
        if (m_state == State::Sending && m_holdsColumn) setState(State::Interrupted);
    });
    connect(&m_session, &Session::progressChanged, this, [this] {
        if (m_holdsColumn) emit progressChanged();
    });
}

QString TestCardRun::start(const materials::TestCardPlan &plan, int fromColumn, int fromRow)
{
    if (isActive()) return tr("A test card is being burnt already.");
    const materials::TestCard card(plan);
    if (const QString problem = card.check().why(); !problem.isEmpty()) return problem;
    if (fromColumn < 0 || fromColumn >= card.columns())
        return tr("The card has columns 1 to %1.").arg(card.columns());
    if (fromRow < 0 || fromRow >= render::BoardSize) return tr("Rows go from 0 to 511.");
    if (m_session.link().state() != link::LinkState::Identified)
        return tr("No machine is connected.");
    if (carving(m_session.model().state())) return tr("A job is running; stop it first.");
    begin(card, fromColumn);
    remember(false);
    sendColumn(fromRow);
    if (m_state != State::Sending) return tr("The card's first column could not be sent.");
    return {};
}

void TestCardRun::begin(const materials::TestCard &card, int column)
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
    m_column = column;
}

void TestCardRun::sendColumn(int fromRow)
{
    m_fromRow = fromRow;
    m_adopted = false;
    const run::JobSequence::Step &step = m_sequence.steps[m_column];
    document::JobFile job = m_session.document().toJobFile();
    job.board = step.board;
    job.rememberedImage = QImage();
    job.burnTime = step.burnTime;
    m_sending = true;
    m_holdsColumn = false;
    m_session.takeJob(job);
    setState(State::Sending);
    emit columnStarted(m_column);
    m_session.sendBoard(fromRow, m_sequence.at(m_column));
    m_sending = false;
    // Refused before it went out (a job the operator kept running, no machine).
    if (!m_holdsColumn) setState(State::Interrupted);
}

void TestCardRun::onResuming()
{
    const std::optional<run::JobSequence> &sequence = m_session.sequenceSent();
    if (m_sending || !sequence || sequence->notes.value(0) != Marker) return;
    const std::optional<materials::TestCardPlan> plan =
        materials::TestCard::planFromLines(sequence->notes);
    if (!plan) return;
    const materials::TestCard card(*plan);
    if (card.columns() != sequence->steps.size()) return;
    begin(card, sequence->step);
    m_fromRow = 0;
    m_adopted = true;
    setState(State::Sending);
    emit columnStarted(m_column);
}

void TestCardRun::onUploadFinished(bool written)
{
    // A block that failed breaks the link, which says so.
    if (m_state != State::Sending || !m_holdsColumn || !written) return;
    if (!m_adopted) {
        m_session.burnTimeReleased(burnTime());
        m_session.start();
    }
    setState(State::Carving);
}

void TestCardRun::onCarveState()
{
    if (!m_holdsColumn || !isActive()) return;
    switch (m_session.model().state()) {
    case run::JobModel::State::Finished:
        if (m_state != State::Carving) return;
        if (m_column + 1 < m_sequence.steps.size()) {
            ++m_column;
            // After every other follower of this carve's end has seen it.
            QMetaObject::invokeMethod(
                this, [this] { sendColumn(0); }, Qt::QueuedConnection);
            return;
        }
        remember(true);
        setState(State::Done);
        break;
    case run::JobModel::State::Interrupted:
        setState(State::Interrupted);
        break;
    default:
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
        const Session::Progress column = m_session.progress();
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
    if (m_state == State::Sending || !m_holdsColumn) return m_fromRow;
    return std::max(m_fromRow, m_session.model().currentRow());
}

void TestCardRun::remember(bool finished)
{
    QList<platform::ProfileFile::Setting> settings;
    for (const QString &line : m_card->toLines()) {
        const qsizetype at = line.indexOf(u'=');
        settings.append({Section, line.left(at), line.mid(at + 1)});
    }
    settings.append({Section, u"Finished"_s, finished ? u"1"_s : u"0"_s});
    // A card that cannot be remembered is still burnt.
    m_session.settings().write(settings);
}

std::optional<materials::TestCardPlan> TestCardRun::lastCard(const platform::ProfileFile &settings)
{
    QStringList lines;
    for (const QString &line : materials::TestCard(materials::TestCardPlan{}).toLines()) {
        const QString key = line.left(line.indexOf(u'='));
        const QString value = settings.read(Section, key, QString());
        if (!value.isEmpty()) lines << key + u'=' + value;
    }
    return materials::TestCard::planFromLines(lines);
}

bool TestCardRun::lastCardFinished(const platform::ProfileFile &settings)
{
    return settings.read(Section, u"Finished"_s, QString()) == u"1"_s && lastCard(settings);
}

}  // namespace tavro::session
