#include "session/job_guard.h"

#include "render/upload_raster.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::session {

JobGuard::JobGuard(const run::JobModel &model, run::JobControls &jobs,
                   const document::JobDocument &document, platform::Prompter &prompter,
                   QObject *parent)
    : QObject(parent), m_model(model), m_jobs(jobs), m_document(document), m_prompter(prompter)
{
}

bool JobGuard::allows(Action action)
{
    const run::JobModel::State state = m_model.state();
    if (state != run::JobModel::State::Running && state != run::JobModel::State::Paused)
        return true;
    QString question;
    switch (action) {
    case Action::SendImage:
        question = tr("A job is running. Stop it and send the new picture?");
        break;
    case Action::ChangeLanguage:
        question = tr("A job is running. Stop it and change the language?");
        break;
    case Action::ClearBoard:
        question = tr("A job is running. Stop it and clear the board?");
        break;
    case Action::ReloadPicture:
        question = tr("A job is running. Stop it and reload the picture?");
        break;
    case Action::OpenPicture:
        question = tr("A job is running. Stop it and open the new picture?");
        break;
    case Action::OpenJob:
        question = tr("A job is running. Stop it and open the job?");
        break;
    }
    if (!m_prompter.confirm(question, tr("Job running"))) return false;
    m_jobs.restart();  // stops the carve and sends the head home
    return true;
}

bool JobGuard::holdsUnsentWork() const
{
    if (m_document.holdsOnlyBackground()) return false;
    if (m_document.hasSentBoard() && !m_document.differsFromSent()) return false;
    return render::packUploadRaster(m_document.board()).count('\0') != render::UploadRasterSize;
}

bool JobGuard::allowsWipe()
{
    if (!holdsUnsentWork()) return true;
    return m_prompter.confirm(tr("The picture on the board was not sent to the machine. Change the "
                                 "language and lose it?"),
                              tr("Picture not sent"));
}

}  // namespace tavro::session
