#include "burn_session.h"

#include "job/job_raster.h"
#include "job/upload_raster.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::burn {

BurnSession::BurnSession(link::EngraverLink &link, job::JobControls &jobs, job::JobModel &model,
                         job::JobEstimator &estimator, Plan plan, QObject *parent)
    : QObject(parent),
      m_link(link),
      m_jobs(jobs),
      m_model(model),
      m_estimator(estimator),
      m_plan(std::move(plan)),
      m_dotsTotal(int(job::JobRaster(job::packUploadRaster(m_plan.board)).dots()))
{
    makeConnections();
}

void BurnSession::makeConnections()
{
    using L = link::EngraverLink;
    connect(&m_link, &L::identified, this, &BurnSession::onIdentified);
    connect(&m_link, &L::uploadFinished, this, &BurnSession::onUploadFinished);
    connect(&m_link, &L::broken, this, &BurnSession::onBroken);
    connect(&m_link, &L::scanExhausted, this, [this] {
        if (m_phase == Phase::Searching) finish(NoMachine, u"no machine found on any port"_s);
    });
    connect(&m_link, &L::wrongProduct, this, [this](int id) {
        finish(NoMachine,
               u"the device found answered with product id %1: not the engraver"_s.arg(id));
    });
    connect(&m_model, &job::JobModel::progressChanged, this, [this] {
        if (m_phase == Phase::Carving) reportProgress();
    });
    connect(&m_model, &job::JobModel::stateChanged, this, [this](job::JobModel::State state) {
        if (m_phase != Phase::Carving || state != job::JobModel::State::Finished) return;
        reportProgress();
        finish(Done,
               u"done: %1 dots carved in %2 s"_s.arg(m_model.doneDots()).arg(m_jobs.runSeconds()));
    });
}

void BurnSession::begin()
{
    emit said(u"looking for the machine"_s);
    m_link.startConnect();
}

void BurnSession::onIdentified(int port)
{
    if (m_phase != Phase::Searching) return;
    m_phase = Phase::Uploading;
    emit said(
        u"machine found on COM%1, sending the picture (%2 dots)"_s.arg(port).arg(m_dotsTotal));
    m_jobs.prepareUpload(m_plan.board);
}

void BurnSession::onUploadFinished(bool written)
{
    if (m_phase != Phase::Uploading || !written) return;  // a failed block also breaks the link
    if (m_plan.burnTime > 0) m_jobs.burnTimeReleased(m_plan.burnTime);
    if (!m_plan.start) {
        finish(Done, u"the picture is on the machine; not started"_s);
        return;
    }
    m_phase = Phase::Carving;
    m_jobs.start();
    reportProgress();
}

void BurnSession::reportProgress()
{
    emit progressed(m_model.doneDots() + m_model.skippedDots(), m_model.totalDots(),
                    m_estimator.remaining());
}

void BurnSession::onBroken()
{
    if (m_phase == Phase::Carving) {
        const int row = m_link.reportedY();
        finish(LinkBroke,
               u"the link broke while carving; the machine last reported row %1: "
               u"resume with --from-row %1"_s.arg(row));
    } else if (m_phase == Phase::Uploading) {
        finish(LinkBroke, u"the link broke before the carve started"_s);
    }
}

void BurnSession::interrupt()
{
    if (m_phase == Phase::Over) return;
    // Paused, not stopped: the operator may go on with the machine's own buttons or a resume.
    if (m_phase == Phase::Carving || m_phase == Phase::Uploading) m_jobs.pause();
    finish(Interrupted, u"interrupted; the machine was paused at row %1"_s.arg(m_link.reportedY()));
}

void BurnSession::finish(Status status, const QString &line)
{
    if (m_phase == Phase::Over) return;
    m_phase = Phase::Over;
    if (!line.isEmpty()) emit said(line);
    emit finished(status);
}

}  // namespace tavro::burn
