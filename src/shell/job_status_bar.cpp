#include "shell/job_status_bar.h"

#include "job/job_controls.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace tavro::shell {
namespace {

QLabel *label(const QString &name, QWidget *parent)
{
    auto *unit = new QLabel(parent);
    unit->setObjectName(name);
    unit->setContentsMargins(6, 0, 6, 0);
    return unit;
}

}  // namespace

JobStatusBar::JobStatusBar(link::EngraverLink &link, job::JobModel &job,
                           job::JobEstimator &estimator, job::JobControls &jobs,
                           job::JobRecovery &recovery, platform::Clock &clock, QWidget *parent)
    : QStatusBar(parent),
      m_link(link),
      m_job(job),
      m_estimator(estimator),
      m_jobs(jobs),
      m_recovery(recovery),
      m_refresh(clock.createTimer())
{
    setSizeGripEnabled(false);  // the window keeps its size
    m_connectionLabel = label(u"statusConnection"_s, this);
    m_stateLabel = label(u"statusJob"_s, this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"statusProgress"_s);
    m_progress->setMaximumWidth(180);
    m_progress->setMaximumHeight(14);
    m_timeLabel = label(u"statusTime"_s, this);
    m_noticeLabel = label(u"statusNotice"_s, this);
    addWidget(m_connectionLabel);
    addWidget(m_stateLabel);
    addWidget(m_progress);
    addWidget(m_timeLabel);
    addPermanentWidget(m_noticeLabel);
    m_offer = new QWidget(this);
    auto *offerRow = new QHBoxLayout(m_offer);
    offerRow->setContentsMargins(0, 0, 0, 0);
    m_offerLabel = label(u"statusOffer"_s, m_offer);
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
}

JobStatusBar::~JobStatusBar() = default;

void JobStatusBar::makeConnections()
{
    using L = link::EngraverLink;
    connect(&m_link, &L::scanStarted, this, [this] {
        // A break is shown as such until the machine is found again.
        if (m_connection != Connection::Broken) m_connection = Connection::Searching;
        showConnection();
    });
    connect(&m_link, &L::identified, this, [this](int port) {
        m_connection = Connection::Connected;
        m_port = port;
        showConnection();
    });
    connect(&m_link, &L::broken, this, [this] {
        m_connection = Connection::Broken;
        showConnection();
    });
    connect(&m_link, &L::disconnected, this, [this] {
        m_connection = Connection::Disconnected;
        showConnection();
    });
    connect(&m_job, &job::JobModel::stateChanged, this, [this](job::JobModel::State state) {
        using S = job::JobModel::State;
        if (state == S::Running)
            m_refresh->setInterval(RefreshInterval);
        else
            m_refresh->stop();
        showJob();
        if (state == S::Finished) emit jobFinished(tr("The job is done"), timeText());
    });
    // Every dot changes the counts; the bar follows on the refresh tick, not per report.
    m_refresh->onTick([this] { showJob(); });
    connect(&m_estimator, &job::JobEstimator::estimateChanged, this, &JobStatusBar::showTime);
    connect(&m_recovery, &job::JobRecovery::offerChanged, this, &JobStatusBar::showOffer);
    connect(&m_recovery, &job::JobRecovery::pictureMayBeMissingChanged, this, [this](bool missing) {
        setNotice(missing ? tr("Picture not sent since the machine reconnected") : QString());
    });
    connect(m_resumeButton, &QPushButton::clicked, &m_recovery, &job::JobRecovery::resume);
    connect(m_startOverButton, &QPushButton::clicked, &m_recovery, &job::JobRecovery::startOver);
    connect(m_dismissButton, &QPushButton::clicked, &m_recovery, &job::JobRecovery::dismiss);
}

QString JobStatusBar::clockText(std::chrono::milliseconds time)
{
    const qint64 seconds = std::max<qint64>(0, (time.count() + 500) / 1000);
    return u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void JobStatusBar::showConnection()
{
    QString text;
    switch (m_connection) {
    case Connection::Searching:
        text = tr("Searching for the machine…");
        break;
    case Connection::Connected: {
        const QString device = devicePath ? devicePath(m_port) : QString();
        const QString port =
            device.isEmpty() ? u"COM%1"_s.arg(m_port) : u"COM%1 (%2)"_s.arg(m_port).arg(device);
        text = tr("%1 connected").arg(port);
        break;
    }
    case Connection::Broken:
        text = tr("Connection broken, searching…");
        break;
    case Connection::Disconnected:
        text = tr("Not connected");
        break;
    }
    m_connectionLabel->setText(text);
}

void JobStatusBar::showJob()
{
    using S = job::JobModel::State;
    const S state = m_job.state();
    QString text;
    switch (state) {
    case S::NoJob:
        text = tr("No picture on the machine");
        break;
    case S::Ready:
        text = tr("Ready");
        break;
    case S::Running:
        text = tr("Running");
        break;
    case S::Paused:
        text = tr("Paused");
        break;
    case S::Finished:
        text = tr("Finished");
        break;
    case S::Interrupted:
        text = tr("Interrupted at row %1 (%2 %)").arg(m_job.currentRow()).arg(m_job.percent());
        break;
    }
    m_stateLabel->setText(text);
    const bool underway = state != S::NoJob;
    m_progress->setVisible(underway);
    // Counted in dots; the bar takes ints, and a board has at most 262,144 of them.
    m_progress->setRange(0, int(std::max<qint64>(1, m_job.totalDots())));
    m_progress->setValue(int(std::min(m_job.totalDots(), m_job.doneDots() + m_job.skippedDots())));
    showTime();
}

void JobStatusBar::showTime()
{
    using S = job::JobModel::State;
    QString text;
    switch (m_job.state()) {
    case S::Ready: {
        const job::JobEstimator::Estimate e = m_estimator.estimate();
        text = e.rough ? tr("%n dots, about %1", "", int(e.dots)).arg(clockText(e.duration))
                       : tr("%n dots, %1", "", int(e.dots)).arg(clockText(e.duration));
        break;
    }
    case S::Running:
    case S::Paused:
    case S::Interrupted:
        text = m_estimator.remainingRough()
                   ? tr("about %1 left").arg(clockText(m_estimator.remaining()))
                   : tr("%1 left").arg(clockText(m_estimator.remaining()));
        break;
    case S::Finished:
        text = tr("Done: %n dots in %1", "", int(m_job.doneDots()))
                   .arg(clockText(std::chrono::seconds(m_jobs.runSeconds())));
        break;
    case S::NoJob:
        break;
    }
    m_timeLabel->setText(text);
}

void JobStatusBar::showOffer()
{
    const std::optional<job::InterruptedJob> &kept = m_recovery.kept();
    m_offer->setVisible(m_recovery.offerOpen());
    if (!kept) return;
    m_offerLabel->setText(tr("Interrupted job: %1 % burnt").arg(kept->percent()));
    m_resumeButton->setText(tr("Resume from row %1").arg(kept->resumeRow));
    m_startOverButton->setText(tr("Start over"));
    m_dismissButton->setText(tr("Dismiss"));
}

bool JobStatusBar::offerShown() const
{
    return !m_offer->isHidden();
}

QString JobStatusBar::offerText() const
{
    return m_offerLabel->text();
}

void JobStatusBar::setNotice(const QString &text)
{
    m_noticeLabel->setText(text);
}

QString JobStatusBar::connectionText() const
{
    return m_connectionLabel->text();
}

QString JobStatusBar::stateText() const
{
    return m_stateLabel->text();
}

QString JobStatusBar::timeText() const
{
    return m_timeLabel->text();
}

QString JobStatusBar::noticeText() const
{
    return m_noticeLabel->text();
}

int JobStatusBar::progressValue() const
{
    return m_progress->value();
}

int JobStatusBar::progressMaximum() const
{
    return m_progress->maximum();
}

bool JobStatusBar::progressShown() const
{
    return !m_progress->isHidden();
}

void JobStatusBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        showConnection();
        showJob();
        showOffer();
        if (m_recovery.pictureMayBeMissing())
            setNotice(tr("Picture not sent since the machine reconnected"));
    }
    QStatusBar::changeEvent(event);
}

}  // namespace tavro::shell
