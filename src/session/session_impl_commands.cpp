// What the operator asks of the session: the machine's commands, the board and job files.
#include "session/session_impl.h"

#include "platform/logging.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/upload_raster.h"

#include <QDir>

#include <utility>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace tavro::session {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool carving(run::JobModel::State state)
{
    return state == run::JobModel::State::Running || state == run::JobModel::State::Paused;
}

}  // namespace

void SessionImpl::connectMachine()
{
    m_link.startConnect();
}

void SessionImpl::breakLink()
{
    m_link.disconnectMachine();
}

void SessionImpl::sendBoard(int fromRow, std::optional<int> burnTime, bool start)
{
    if (!m_guard.allows(JobGuard::Action::SendImage)) return;
    m_driver.send({m_document.board(), fromRow, burnTime, start, std::nullopt});
}

bool SessionImpl::sendSequence(const run::JobSequence &sequence, int fromRow)
{
    const run::JobSequence::Step &step = sequence.steps[sequence.step];
    return m_driver.send({step.board, fromRow, step.burnTime, true, sequence});
}

void SessionImpl::takeJob(const document::JobFile &job)
{
    m_document.restore(job, QString());
}

void SessionImpl::start()
{
    // The machine would burn what it holds, not what the operator looks at.
    if (m_document.differsFromSent() && m_model.startedHere()) {
        const int answer = m_prompter.choose(
            tr("The machine holds the picture sent at %1, not the board shown.")
                .arg(m_document.sentAt().toString(u"HH:mm"_s)),
            tr("Start"), {tr("Send the board first"), tr("Start anyway"), tr("Cancel")});
        if (answer == 0) {
            if (carving(m_model.state())) m_jobs.restart();
            m_driver.send({m_document.board(), 0, std::nullopt, true, std::nullopt});
            return;
        }
        if (answer != 1) return;
    }
    m_jobs.start();
}

void SessionImpl::pause()
{
    m_jobs.pause();
}

void SessionImpl::restart()
{
    m_jobs.restart();
}

void SessionImpl::recarve()
{
    m_jobs.recarve();
}

void SessionImpl::fastForward()
{
    m_jobs.fastForward();
}

void SessionImpl::fastBackward()
{
    m_jobs.fastBackward();
}

void SessionImpl::powerOff()
{
    m_jobs.powerOff();
}

void SessionImpl::jog(protocol::JogDirection direction)
{
    m_model.expectHeadMoves();
    switch (direction) {
    case protocol::JogDirection::Up:
        m_link.jogUp();
        break;
    case protocol::JogDirection::Down:
        m_link.jogDown();
        break;
    case protocol::JogDirection::Left:
        m_link.jogLeft();
        break;
    case protocol::JogDirection::Right:
        m_link.jogRight();
        break;
    }
}

void SessionImpl::locateToCentre(bool announce)
{
    m_model.expectHeadMoves();
    m_link.locateToCentre(announce);
}

void SessionImpl::locateToBox()
{
    m_model.expectHeadMoves();
    m_link.locateToBox();
}

void SessionImpl::gotoPoint(int x, int y)
{
    m_model.expectHeadMoves();
    m_link.gotoPoint(x, y);
}

void SessionImpl::reverseMotor(int axis)
{
    if (axis == 1)
        m_link.reverseMotorX();
    else
        m_link.reverseMotorY();
}

void SessionImpl::burnTimeReleased(int burnTime)
{
    m_document.setBurnTime(burnTime);
    m_jobs.burnTimeReleased(burnTime);
}

void SessionImpl::burnTimeKeyed(int burnTime)
{
    m_document.setBurnTime(burnTime);
    m_jobs.burnTimeKeyed(burnTime);
}

void SessionImpl::burnTimeKeysLetGo()
{
    m_jobs.burnTimeKeysLetGo();
}

bool SessionImpl::pictureDropped(const QString &paths)
{
    if (!m_guard.allows(JobGuard::Action::OpenPicture)) return false;
    m_droppedPaths = paths;
    m_jobs.pictureDropped();
    return true;
}

void SessionImpl::placeRendering(const QImage &rendering)
{
    startNewJob();
    m_document.placeRendering(rendering);
}

void SessionImpl::placeRendering(const document::PlacedRendering &rendering)
{
    startNewJob();
    m_document.placeRendering(rendering);
}

bool SessionImpl::placeCode(const codes::CodeSymbol &symbol, const codes::CodeFit &fit)
{
    if (!m_guard.allows(JobGuard::Action::OpenPicture)) return false;
    QRect rect(QPoint(0, 0), fit.dots);
    rect.moveCenter(QPoint(render::BoardSize / 2, render::BoardSize / 2));
    // Pure black and white: no tuning of a picture may grey a module.
    placeRendering(document::PlacedRendering{
        document::ChosenPicture::ofCode(symbol), render::Effect::BlackWhite, {}, {rect}});
    return true;
}

// A rendering chosen for the dropped picture: the picture's job, not the one before it.
void SessionImpl::startNewJob()
{
    m_trace.clear();
    m_controls.forgetBeforeDrop();
    m_document.setPicturePath(std::exchange(m_droppedPaths, {}));
}

platform::Outcome SessionImpl::placePicture(const document::Placement &placement)
{
    if (!command(SizeAndPosition).isEnabled())
        return platform::Outcome::failed(command(SizeAndPosition).whyNot());
    return m_document.setPlacement(placement);
}

void SessionImpl::mirrorLeftRight()
{
    mirror(true);
}

void SessionImpl::mirrorTopBottom()
{
    mirror(false);
}

void SessionImpl::mirror(bool leftRight)
{
    std::optional<document::Placement> placement = m_document.placement();
    if (!placement) return;
    bool &flag = leftRight ? placement->mirrorH : placement->mirrorV;
    flag = !flag;
    // The picture's file may be gone: say why the board stayed as it was.
    if (const platform::Outcome placed = placePicture(*placement); !placed)
        m_prompter.inform(placed.why(), tr("Mirror"));
}

void SessionImpl::undo()
{
    m_document.undo();
}

void SessionImpl::redo()
{
    m_document.redo();
}

void SessionImpl::setDotsPerMillimetre(double dotsPerMillimetre)
{
    if (!document::DotsPerMillimetreRange.contains(dotsPerMillimetre) ||
        dotsPerMillimetre == m_dotsPerMillimetre)
        return;
    m_dotsPerMillimetre = dotsPerMillimetre;
    document::saveDotsPerMillimetre(m_settings, dotsPerMillimetre);
    emit dotsPerMillimetreChanged(dotsPerMillimetre);
}

void SessionImpl::pictureDropAbandoned()
{
    m_droppedPaths.clear();
    m_controls.restoreBeforeDrop();
}

bool SessionImpl::clearBoard()
{
    if (!m_guard.allows(JobGuard::Action::ClearBoard)) return false;
    m_trace.clear();
    m_document.clearBoard();
    m_jobs.boardCleared();
    return true;
}

bool SessionImpl::reloadPicture()
{
    if (!m_guard.allows(JobGuard::Action::ReloadPicture)) return false;
    m_trace.clear();
    m_document.reloadPicture();
    return true;
}

void SessionImpl::zoomOutBoard()
{
    m_document.zoomOutBoard();
}

void SessionImpl::rotateBoard()
{
    m_document.rotateBoard();
}

bool SessionImpl::mayChangeLanguage()
{
    return m_guard.allows(JobGuard::Action::ChangeLanguage) && m_guard.allowsWipe();
}

void SessionImpl::showBackground(const QImage &picture)
{
    m_trace.clear();
    m_document.setBackgroundPicture(picture);
}

void SessionImpl::setTuning(const render::PictureTuning &tuning)
{
    m_document.setTuning(tuning);
}

void SessionImpl::writeText(QPoint origin, const QString &text)
{
    m_document.writeText(origin, text);
}

void SessionImpl::rememberTuning()
{
    render::savePictureTuning(m_settings, m_document.tuning());
}

void SessionImpl::chooseFont(const document::TextFontSettings &font)
{
    m_document.setFont(font);
    document::saveFontSettings(m_settings, font);
}

bool SessionImpl::openJob(const QString &path)
{
    if (!m_guard.allows(JobGuard::Action::OpenJob)) return false;
    const document::JobFileRead read = document::readJobFile(path);
    if (read.status != document::JobFileStatus::Ok) {
        m_prompter.inform(openFailureText(path, read), tr("Open Job"));
        return false;
    }
    m_trace.clear();
    m_document.restore(read.job, path);
    // The machine burns with what it was last sent; the slider's release sends it the same
    // way. A machine not yet found gets it once it is.
    m_burnTimeOwed = m_link.state() != link::LinkState::Identified;
    if (!m_burnTimeOwed) m_jobs.burnTimeReleased(read.job.burnTime);
    return true;
}

bool SessionImpl::saveJob(const QString &path)
{
    if (const QString reason = document::writeJobFile(path, m_document.toJobFile()).why();
        !reason.isEmpty()) {
        m_prompter.inform(tr("The job could not be saved as %1: %2. A file already there was "
                             "left as it was.")
                              .arg(shown(path), reason),
                          tr("Save Job"));
        return false;
    }
    m_document.markSaved(path);
    return true;
}

bool SessionImpl::exportBoard(const QString &path)
{
    const QString reason = document::writeBoardPicture(path, m_document.board()).why();
    if (reason.isEmpty()) return true;
    m_prompter.inform(tr("The board could not be exported as %1: %2. A file already there was "
                         "left as it was.")
                          .arg(shown(path), reason),
                      tr("Export Board"));
    return false;
}

QString SessionImpl::openFailureText(const QString &path, const document::JobFileRead &read)
{
    switch (read.status) {
    case document::JobFileStatus::Ok:
        return {};
    case document::JobFileStatus::Unreadable:
        return tr("The job %1 cannot be read: %2.").arg(shown(path), read.reason);
    case document::JobFileStatus::PlainPicture:
        return tr("%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to "
                  "render it.")
            .arg(shown(path));
    case document::JobFileStatus::NotAJob:
        return tr("%1 is not a Tavro Laser job.").arg(shown(path));
    case document::JobFileStatus::NewerVersion:
        return tr("%1 was saved by a newer Tavro Laser (job format %2); this version opens "
                  "formats up to %3. Nothing was changed.")
            .arg(shown(path))
            .arg(read.version)
            .arg(document::JobFileVersion);
    case document::JobFileStatus::Damaged:
        return tr("The job %1 is damaged and was not opened: %2. Nothing was changed.")
            .arg(shown(path), read.reason);
    }
    return {};
}

bool SessionImpl::showKept(const run::InterruptedJob &kept)
{
    if (render::packUploadRaster(m_document.board()) == render::packUploadRaster(kept.board))
        return true;
    if (m_guard.holdsUnsentWork() &&
        !m_prompter.confirm(tr("The board holds a picture that was not sent. Put the interrupted "
                               "job in its place?"),
                            tr("Interrupted job")))
        return false;
    // The board shows what the machine goes on with, as after any other send.
    m_droppedPaths.clear();
    placeRendering(kept.board);
    m_document.setBurnTime(kept.burnTime);
    return true;
}

void SessionImpl::resumeKept()
{
    if (!offer().open) return;
    const run::InterruptedJob kept = *m_recovery.kept();
    // A test card shows itself on the board; it is not the document's.
    if (!kept.sequence && !showKept(kept)) return;
    m_driver.resumeKept(false);
}

void SessionImpl::startKeptOver()
{
    if (!offer().open) return;
    const run::InterruptedJob kept = *m_recovery.kept();
    if (!kept.sequence && !showKept(kept)) return;
    m_driver.resumeKept(true);
}

void SessionImpl::dismissKept()
{
    m_driver.dismissKept();
}

bool SessionImpl::prepareQuit()
{
    // A paused job stays paused and kept: nothing to ask.
    if (m_model.state() == run::JobModel::State::Running) {
        if (!m_prompter.confirm(tr("A job is running. Pause the machine and quit?"), tr("Quit")))
            return false;
        m_jobs.pause();
        // The pause must be on the wire before the program ends.
        m_line.drain(1s);
    }
    m_recovery.flush();
    return true;
}

void SessionImpl::endNow()
{
    // Also a carve of the machine's own: nobody would be there to stop it.
    if (m_model.state() == run::JobModel::State::Running) {
        m_jobs.pause();
        m_line.drain(1s);
    }
    m_recovery.flush();
}

void SessionImpl::endAtExit()
{
    if (m_model.state() == run::JobModel::State::Running && m_link.pauseAtExit())
        qCWarning(lcJob) << "the program ends with a job running: the machine was paused";
    m_recovery.flush();
}

}  // namespace tavro::session
