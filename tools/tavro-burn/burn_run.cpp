#include "burn_run.h"

#include "render/upload_raster.h"
#include "run/job_raster.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::burn {

BurnRun::BurnRun(session::Session &session, Plan plan, QObject *parent)
    : QObject(parent), m_session(session), m_plan(plan)
{
    makeConnections();
}

void BurnRun::makeConnections()
{
    using S = session::Session;
    connect(&m_session, &S::machineFound, this, &BurnRun::onIdentified);
    connect(&m_session, &S::machineLost, this, &BurnRun::onBroken);
    connect(&m_session, &S::searchExhausted, this, [this] {
        if (m_phase == Phase::Searching) finish(NoMachine, u"no machine found on any port"_s);
    });
    connect(&m_session, &S::wrongMachine, this, [this](int id) {
        finish(NoMachine,
               u"the device found answered with product id %1: not the engraver"_s.arg(id));
    });
    connect(&m_session, &S::runChanged, this, &BurnRun::onRunChanged);
    connect(&m_session, &S::progressChanged, this, [this] {
        if (m_phase == Phase::Carving) reportProgress();
    });
}

void BurnRun::begin()
{
    emit said(u"looking for the machine"_s);
    m_session.command(session::CommandId::Connect).trigger();
}

void BurnRun::onIdentified()
{
    if (m_phase != Phase::Searching) return;
    m_phase = Phase::Uploading;
    // A device the operator named is called by that name; a found one by its port and path.
    const QString where = m_plan.device.isEmpty() ? m_session.machine().portName : m_plan.device;
    emit said(u"machine found on %1, sending the picture (%2 dots)"_s.arg(where).arg(
        run::JobRaster(render::packUploadRaster(m_session.document().board())).dots()));
    m_session.sendBoard(m_plan.fromRow,
                        m_plan.burnTime > 0 ? std::optional<int>(m_plan.burnTime) : std::nullopt,
                        m_plan.start);
}

void BurnRun::onRunChanged()
{
    using R = run::RunDriver::State;
    const run::RunDriver &run = m_session.run();
    if (m_phase == Phase::Uploading) {
        if (run.state() == R::NotSent) {
            finish(NotSent, u"the picture was not sent; nothing was started: "_s + run.failure());
        } else if (run.state() == R::Ready && !m_plan.start) {
            finish(Done, u"the picture is on the machine; not started"_s);
        } else if (run.state() == R::Carving) {
            m_phase = Phase::Carving;
            reportProgress();
        }
        return;
    }
    if (m_phase != Phase::Carving) return;
    reportProgress();
    if (run.state() != R::Finished) return;
    const session::Session::Progress p = m_session.run().progress();
    finish(Done, u"done: %1 dots carved in %2 s"_s.arg(p.done).arg(m_session.run().runSeconds()));
}

void BurnRun::reportProgress()
{
    const session::Session::Progress p = m_session.run().progress();
    emit progressed(p.done + p.skipped, p.total, m_session.estimator().remaining());
}

int BurnRun::resumeRow() const
{
    return m_session.run().resumeRow();
}

QString BurnRun::resumeCommand() const
{
    return m_plan.command + u" --from-row "_s + QString::number(resumeRow());
}

void BurnRun::onBroken()
{
    if (m_phase == Phase::Carving) {
        finish(LinkBroke,
               u"the link broke while carving; the machine last reported row %1; to "
               u"go on from there: %2"_s.arg(resumeRow())
                   .arg(resumeCommand()));
    } else if (m_phase == Phase::Uploading) {
        finish(LinkBroke, u"the link broke before the carve started"_s);
    }
}

void BurnRun::interrupt(const QString &why)
{
    // Over before the pause goes out: what the pause sets off must not interrupt again.
    const Phase was = std::exchange(m_phase, Phase::Over);
    if (was == Phase::Over) return;
    QString what = u"no machine was found yet"_s;
    if (was == Phase::Uploading) {
        // The start goes out only once the picture is on the machine: nothing there to pause.
        what = u"nothing was started on the machine: the picture was still being sent"_s;
    } else if (was == Phase::Carving) {
        // Paused, not stopped: the operator may go on with the machine's buttons or a resume.
        m_session.command(session::CommandId::Pause).trigger();
        const bool paused = m_session.model().state() == run::JobModel::State::Paused;
        what = (paused ? u"the machine was paused at row %1; to go on from there: %2"_s
                       : u"the machine could not be told to pause; it last reported row %1; to "
                         u"go on from there: %2"_s)
                   .arg(resumeRow())
                   .arg(resumeCommand());
    }
    emit said((why.isEmpty() ? u"interrupted"_s : u"interrupted: "_s + why) + u"; "_s + what);
    emit finished(Interrupted);
}

void BurnRun::finish(Status status, const QString &line)
{
    if (m_phase == Phase::Over) return;
    m_phase = Phase::Over;
    if (!line.isEmpty()) emit said(line);
    emit finished(status);
}

}  // namespace tavro::burn
