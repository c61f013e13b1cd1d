#include "shell/job_status_bar.h"

#include "machine/diagnosis_text.h"
#include "run/clock_text.h"
#include "session/test_card_run.h"
#include "ui/elided_label.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace tavro::shell {
namespace {

template <typename Label = ui::ElidedLabel>
Label *label(const QString &name, QWidget *parent)
{
    auto *unit = new Label(parent);
    unit->setObjectName(name);
    unit->setContentsMargins(6, 0, 6, 0);
    return unit;
}

}  // namespace

JobStatusBar::JobStatusBar(session::Session &session, platform::Clock &clock, QWidget *parent)
    : QStatusBar(parent), m_session(session), m_refresh(clock.createTimer())
{
    setSizeGripEnabled(false);  // the window keeps its size
    m_connectionLabel = label(u"statusConnection"_s, this);
    m_noMachineLabel = label(u"statusNoMachine"_s, this);
    m_checkLink = label<QLabel>(u"statusCheckLink"_s, this);
    m_checkLink->setTextFormat(Qt::RichText);
    m_noMachineLabel->hide();
    m_checkLink->hide();
    m_stateLabel = label(u"statusJob"_s, this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"statusProgress"_s);
    m_progress->setMaximumWidth(180);
    m_progress->setMaximumHeight(14);
    m_timeLabel = label(u"statusTime"_s, this);
    m_noticeLabel = label(u"statusNotice"_s, this);
    // When the room runs short, the notice gives way before what the job and the machine do.
    m_connectionLabel->setLeastCharacters(12);
    m_stateLabel->setLeastCharacters(18);
    m_timeLabel->setLeastCharacters(8);
    addWidget(m_connectionLabel);
    addWidget(m_noMachineLabel);
    addWidget(m_checkLink);
    addWidget(m_stateLabel);
    addWidget(m_progress);
    addWidget(m_timeLabel);
    addPermanentWidget(m_noticeLabel);
    m_offer = new QWidget(this);
    auto *offerRow = new QHBoxLayout(m_offer);
    offerRow->setContentsMargins(0, 0, 0, 0);
    m_offerLabel = label(u"statusOffer"_s, m_offer);
    m_offerLabel->setLeastCharacters(16);
    m_resumeButton = new QPushButton(m_offer);
    m_startOverButton = new QPushButton(m_offer);
    m_dismissButton = new QPushButton(m_offer);
    m_resumeButton->setObjectName(u"resumeButton"_s);
    m_startOverButton->setObjectName(u"startOverButton"_s);
    m_dismissButton->setObjectName(u"dismissButton"_s);
    offerRow->addWidget(m_offerLabel);
    for (QPushButton *button : {m_resumeButton, m_startOverButton, m_dismissButton})
        offerRow->addWidget(button);
    addPermanentWidget(m_offer);
    makeConnections();
    showConnection();
    showJob();
    showOffer();
    showNotice();
}

JobStatusBar::~JobStatusBar() = default;

void JobStatusBar::makeConnections()
{
    using S = session::Session;
    connect(&m_session, &S::searchStarted, this, [this] {
        // A break is shown as such until the machine is found again.
        if (m_connection != Connection::Broken) m_connection = Connection::Searching;
        showConnection();
    });
    connect(&m_session, &S::machineFound, this, [this] {
        m_connection = Connection::Connected;
        showConnection();
    });
    connect(&m_session, &S::machineLost, this, [this](const QString &reason) {
        m_connection = Connection::Broken;
        m_breakReason = reason;
        showConnection();
    });
    connect(&m_session, &S::disconnected, this, [this] {
        m_connection = Connection::Disconnected;
        showConnection();
    });
    connect(&m_session, &S::runChanged, this, [this] {
        using R = run::RunDriver::State;
        const R state = m_session.run().state();
        if (std::exchange(m_runState, state) == state) return;
        if (state == R::Carving)
            m_refresh->setInterval(RefreshInterval);
        else
            m_refresh->stop();
        showJob();
        // A column of a card is no job of its own; the card says when it is done.
        if (state == R::Finished && !(m_card && m_card->holdsColumn()))
            emit jobFinished(tr("The job is done"), timeText());
    });
    // Every dot changes the counts; the bar follows on the refresh tick, not per report.
    m_refresh->onTick([this] { showJob(); });
    connect(&m_session, &S::estimateChanged, this, &JobStatusBar::showTime);
    connect(&m_session, &session::Session::offerChanged, this, &JobStatusBar::showOffer);
    connect(&m_session, &session::Session::pictureMayBeMissingChanged, this,
            &JobStatusBar::showNotice);
    connect(&m_session, &session::Session::uploadFailed, this, &JobStatusBar::showNotice);
    connect(&m_session.document(), &document::JobDocument::sentChanged, this,
            &JobStatusBar::showNotice);
    connect(m_checkLink, &QLabel::linkActivated, this, &JobStatusBar::checkRequested);
    connect(m_resumeButton, &QPushButton::clicked, &m_session, &session::Session::resumeKept);
    connect(m_startOverButton, &QPushButton::clicked, &m_session, &session::Session::startKeptOver);
    connect(m_dismissButton, &QPushButton::clicked, &m_session, &session::Session::dismissKept);
}

QSize JobStatusBar::sizeHint() const
{
    return {minimumSizeHint().width(), QStatusBar::sizeHint().height()};
}

void JobStatusBar::showConnection()
{
    QString text;
    switch (m_connection) {
    case Connection::Searching:
        text = tr("Searching for the machine…");
        break;
    case Connection::Connected:
        text = tr("%1 connected").arg(m_session.machine().portName);
        break;
    case Connection::Broken:
        text = m_breakReason.isEmpty()
                   ? tr("Connection broken, searching…")
                   : tr("Connection broken (%1), searching…").arg(m_breakReason);
        break;
    case Connection::Disconnected:
        text = tr("Not connected");
        break;
    }
    m_connectionLabel->setFullText(text);
}

void JobStatusBar::followCard(const session::TestCardRun &card)
{
    m_card = &card;
    connect(&card, &session::TestCardRun::stateChanged, this,
            [this](session::TestCardRun::State state) {
                showJob();
                if (state == session::TestCardRun::State::Done)
                    emit jobFinished(tr("The test card is done"),
                                     tr("Machine > Choose the Best Patch… makes a preset of it."));
            });
    connect(&card, &session::TestCardRun::columnStarted, this, &JobStatusBar::showJob);
}

bool JobStatusBar::showCard()
{
    using C = session::TestCardRun::State;
    if (!m_card || !m_card->holdsColumn() || !m_card->card()) return false;
    const int columns = m_card->card()->columns();
    QString text;
    switch (m_card->state()) {
    case C::Sending:
    case C::Carving:
        text = m_session.model().state() == run::JobModel::State::Paused
                   ? tr("Test card paused: column %1 of %2, burn time %3")
                   : tr("Test card: column %1 of %2, burn time %3");
        text = text.arg(m_card->column() + 1).arg(columns).arg(m_card->burnTime());
        break;
    case C::Done:
        text = tr("Test card done");
        break;
    case C::Idle:
    case C::Stopped:
    case C::Interrupted:
        return false;
    }
    m_stateLabel->setFullText(text);
    const session::TestCardRun::Progress progress = m_card->progress();
    m_progress->setVisible(progress.total > 0);
    m_progress->setRange(0, int(std::max<qint64>(1, progress.total)));
    m_progress->setValue(int(std::min(progress.total, progress.done)));
    showTime();
    return true;
}

bool JobStatusBar::showCardTime()
{
    if (!m_card || !m_card->holdsColumn()) return false;
    if (m_card->state() == session::TestCardRun::State::Done) {
        m_timeLabel->setFullText({});
        return true;
    }
    if (!m_card->isActive()) return false;
    const QString left = run::clockText(m_card->remaining());
    m_timeLabel->setFullText(m_card->remainingRough() ? tr("about %1 left").arg(left)
                                                      : tr("%1 left").arg(left));
    return true;
}

void JobStatusBar::showJob()
{
    if (showCard()) return;
    using S = run::JobModel::State;
    const run::JobModel &model = m_session.model();
    const S state = model.state();
    const bool foreign = !model.startedHere();
    QString text;
    switch (state) {
    case S::NoJob:
        text = tr("No picture on the machine");
        break;
    case S::Ready:
        text = tr("Ready");
        break;
    case S::Running:
        text = foreign ? tr("Machine is carving (not started here)") : tr("Running");
        break;
    case S::Paused:
        text = foreign ? tr("Paused (not started here)") : tr("Paused");
        break;
    case S::Finished:
        text = tr("Finished");
        break;
    case S::Interrupted:
        text = tr("Interrupted at row %1 (%2 %)")
                   .arg(std::max(model.currentRow(), 0))
                   .arg(m_session.run().progress().percent);
        break;
    }
    m_stateLabel->setFullText(text);
    const session::Session::Progress progress = m_session.run().progress();
    m_progress->setVisible(state != S::NoJob && progress.total > 0);
    // Counted in dots; the bar takes ints, and a board has at most 262,144 of them.
    m_progress->setRange(0, int(std::max<qint64>(1, progress.total)));
    m_progress->setValue(int(std::min(progress.total, progress.done + progress.skipped)));
    showTime();
}

void JobStatusBar::showTime()
{
    if (showCardTime()) return;
    using S = run::JobModel::State;
    const run::JobEstimator &estimator = m_session.estimator();
    QString text;
    switch (m_session.model().state()) {
    case S::Ready: {
        const run::JobEstimator::Estimate e = estimator.estimate();
        text = e.rough ? tr("%n dots, about %1", "", int(e.dots)).arg(run::clockText(e.duration))
                       : tr("%n dots, %1", "", int(e.dots)).arg(run::clockText(e.duration));
        break;
    }
    case S::Running:
    case S::Paused:
    case S::Interrupted:
        if (!m_session.model().startedHere()) break;  // what it carves is not known here
        text = estimator.remainingRough()
                   ? tr("about %1 left").arg(run::clockText(estimator.remaining()))
                   : tr("%1 left").arg(run::clockText(estimator.remaining()));
        break;
    case S::Finished: {
        const session::Session::Progress p = m_session.run().progress();
        const QString took = run::clockText(std::chrono::seconds(m_session.run().runSeconds()));
        // A resumed job counts its dots over the whole job, and says what this run burnt.
        text = p.done == p.doneThisRun ? tr("Done: %n dots in %1", "", int(p.done)).arg(took)
                                       : tr("Done: %n dots in %1 (%2 in this run)", "", int(p.done))
                                             .arg(took)
                                             .arg(p.doneThisRun);
        break;
    }
    case S::NoJob:
        break;
    }
    m_timeLabel->setFullText(text);
}

void JobStatusBar::showOffer()
{
    const session::Session::Offer offer = m_session.run().offer();
    m_offer->setVisible(offer.open);
    if (!offer.open) return;
    if (offer.steps > 0) {
        m_offerLabel->setFullText(tr("Interrupted test card: column %1 of %2, %3 % of it burnt")
                                      .arg(offer.step + 1)
                                      .arg(offer.steps)
                                      .arg(offer.percent));
        m_resumeButton->setText(
            tr("Resume from column %1, row %2").arg(offer.step + 1).arg(offer.fromRow));
    } else {
        m_offerLabel->setFullText(tr("Interrupted job: %1 % burnt").arg(offer.percent));
        m_resumeButton->setText(tr("Resume from row %1").arg(offer.fromRow));
    }
    m_startOverButton->setText(tr("Start over"));
    m_dismissButton->setText(tr("Dismiss"));
}

void JobStatusBar::showNoMachine(const QString &summary)
{
    m_noMachineLabel->setFullText(summary);
    m_noMachineLabel->setVisible(!summary.isEmpty());
    m_checkLink->setText(
        u"— <a href=\"check\">%1</a>"_s.arg(machine::DiagnosisText::checkLink().toHtmlEscaped()));
    m_checkLink->setVisible(!summary.isEmpty());
    m_connectionLabel->setVisible(summary.isEmpty());
}

void JobStatusBar::showNotice()
{
    QStringList notes;
    if (m_session.document().differsFromSent()) notes << tr("Board changed since it was sent");
    if (m_session.machine().pictureMayBeMissing)
        notes << tr("Picture not sent since the machine reconnected");
    if (!m_session.run().failure().isEmpty())
        notes << tr("Not sent: the machine did not ask for the picture");
    m_noticeLabel->setFullText(notes.join(u" · "_s));
}

QString JobStatusBar::timeText() const
{
    return m_timeLabel->fullText();
}

void JobStatusBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        showConnection();
        showJob();
        showOffer();
        showNotice();
    }
    QStatusBar::changeEvent(event);
}

}  // namespace tavro::shell
