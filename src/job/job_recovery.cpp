#include "job/job_recovery.h"

#include "job/resume.h"
#include "platform/logging.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {

JobRecovery::JobRecovery(link::EngraverLink &link, JobControls &jobs, JobModel &model,
                         JobEstimator &estimator, const QString &settingsFolder, QObject *parent)
    : QObject(parent),
      m_link(link),
      m_jobs(jobs),
      m_model(model),
      m_estimator(estimator),
      m_store(settingsFolder)
{
    makeConnections();
}

void JobRecovery::makeConnections()
{
    using L = link::EngraverLink;
    connect(&m_model, &JobModel::stateChanged, this, &JobRecovery::onStateChanged);
    connect(&m_link, &L::uploadFinished, this, &JobRecovery::onUploadFinished);
    connect(&m_link, &L::identified, this, [this] {
        m_identified = true;
        // A machine powered from the cable may have lost its picture with it.
        if (m_wasIdentified) setPictureMissing(true);
        m_wasIdentified = true;
        emit offerChanged();
    });
    for (auto signal : {&L::broken, &L::disconnected}) {
        connect(&m_link, signal, this, [this] {
            m_identified = false;
            emit offerChanged();
        });
    }
}

void JobRecovery::loadKept()
{
    const InterruptedJobStore::Loaded loaded = m_store.load();
    if (!loaded.problem.isEmpty())
        m_link.logLine(u"The interrupted job kept from before was dropped: "_s + loaded.problem);
    m_kept = loaded.job;
    emit offerChanged();
}

bool JobRecovery::offerOpen() const
{
    const JobModel::State state = m_model.state();
    const bool busy = state == JobModel::State::Running || state == JobModel::State::Paused;
    return m_kept && m_identified && !busy && m_pending == Pending::None;
}

void JobRecovery::onStateChanged(JobModel::State state)
{
    switch (state) {
    case JobModel::State::Interrupted:
        keepInterrupted();
        break;
    case JobModel::State::Finished:
        if (m_runningKept) {
            m_runningKept = false;
            m_kept.reset();
            m_store.drop();
        }
        break;
    case JobModel::State::Ready:
    case JobModel::State::NoJob:
        // Another picture went to the machine: this run is not the kept job's any more.
        if (m_pending == Pending::None) m_runningKept = false;
        break;
    default:
        break;
    }
    emit offerChanged();
}

void JobRecovery::keepInterrupted()
{
    m_jobs.stopRunClock();  // the machine is gone; so is the time it would count
    InterruptedJob job;
    const int row = m_model.currentRow();
    if (m_runningKept && m_kept) {
        // Cut off again: the board is still the whole job's; what was done adds up.
        job = *m_kept;
        job.resumeRow = std::max(row, m_kept->resumeRow);
        job.dotsDone = std::min(job.dotsTotal, m_kept->dotsDone + m_model.doneDots());
    } else {
        job.board = boardFromRaster(m_link.uploadRaster());
        job.resumeRow = std::max(row, 0);
        job.dotsDone = m_model.doneDots() + m_model.skippedDots();
        job.dotsTotal = m_model.totalDots();
    }
    job.burnTime = m_estimator.burnTime();
    m_runningKept = false;
    m_link.logLine(u"Interrupted at row %1 (%2 %)"_s.arg(job.resumeRow).arg(job.percent()));
    if (const QString error = m_store.save(job); !error.isEmpty()) {
        m_link.logLine(u"The interrupted job could not be kept for a restart: "_s + error);
        qCWarning(lcJob) << "interrupted job not kept:" << error;
    }
    m_kept = job;
}

void JobRecovery::resume()
{
    send(Pending::Resume);
}

void JobRecovery::startOver()
{
    send(Pending::StartOver);
}

void JobRecovery::send(Pending how)
{
    if (!offerOpen()) return;
    m_pending = how;
    const int fromRow = how == Pending::Resume ? m_kept->resumeRow : 0;
    emit offerChanged();
    emit resuming(fromRow);
    m_jobs.prepareUpload(boardFromRow(m_kept->board, fromRow));
}

void JobRecovery::onUploadFinished(bool written)
{
    if (written) setPictureMissing(false);
    if (m_pending == Pending::None) return;
    const Pending how = std::exchange(m_pending, Pending::None);
    if (!written) {
        // Broken again on the way: the same offer comes back with the machine.
        emit offerChanged();
        return;
    }
    if (how == Pending::StartOver) m_kept->dotsDone = 0;
    m_runningKept = true;
    m_jobs.burnTimeReleased(m_kept->burnTime);
    m_jobs.start();
    emit offerChanged();
}

void JobRecovery::dismiss()
{
    m_kept.reset();
    m_store.drop();
    emit offerChanged();
}

void JobRecovery::setPictureMissing(bool missing)
{
    if (missing == m_pictureMissing) return;
    m_pictureMissing = missing;
    emit pictureMayBeMissingChanged(missing);
}

}  // namespace tavro::job
