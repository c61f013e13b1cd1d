#include "shell/job_guard.h"

#include "shell/captions.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

JobGuard::JobGuard(job::JobModel &model, job::JobControls &jobs, platform::Prompter &prompter,
                   QObject *parent)
    : QObject(parent), m_model(model), m_jobs(jobs), m_prompter(prompter)
{
    for (int language = 0; language < LanguageCount; ++language)
        m_hints << dropHintPicture(language).convertToFormat(QImage::Format_RGB32);
}

bool JobGuard::allows(Action action)
{
    const job::JobModel::State state = m_model.state();
    if (state != job::JobModel::State::Running && state != job::JobModel::State::Paused)
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

bool JobGuard::boardIsEmpty(const QImage &board) const
{
    const QImage shown = board.convertToFormat(QImage::Format_RGB32);
    if (shown == m_sent) return true;
    for (const QImage &hint : m_hints)
        if (shown == hint.copy(0, 0, shown.width(), shown.height())) return true;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF) return false;
    }
    return true;
}

bool JobGuard::allowsWipe(const QImage &board)
{
    if (boardIsEmpty(board)) return true;
    return m_prompter.confirm(tr("The picture on the board was not sent to the machine. Change the "
                                 "language and lose it?"),
                              tr("Picture not sent"));
}

}  // namespace tavro::shell
