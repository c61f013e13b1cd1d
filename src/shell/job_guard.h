// Asks before an action would cut into a running job, or wipe a picture that was never sent.
#pragma once

#include "job/job_controls.h"
#include "job/job_model.h"
#include "platform/prompter.h"

#include <QImage>
#include <QObject>

namespace tavro::shell {

class JobGuard final : public QObject {
    Q_OBJECT
public:
    enum class Action {
        SendImage,
        ChangeLanguage,
        ClearBoard,
        ReloadPicture,
        OpenPicture,
        OpenJob
    };

    JobGuard(job::JobModel &model, job::JobControls &jobs, platform::Prompter &prompter,
             QObject *parent = nullptr);

    // True when the action may go on: no job runs or is paused, or the operator chose to
    // stop it, and it has been stopped. Cancel puts nothing on the line.
    bool allows(Action action);
    // Changing the language wipes the board: true when what it holds was sent, is only a
    // drop hint or white, or the operator chose to lose it.
    bool allowsWipe(const QImage &board);

    // What the machine was last sent, to tell a sent picture from one that was not.
    void rememberSent(const QImage &board) { m_sent = board.convertToFormat(QImage::Format_RGB32); }

private:
    bool boardIsEmpty(const QImage &board) const;

    job::JobModel &m_model;
    job::JobControls &m_jobs;
    platform::Prompter &m_prompter;
    QImage m_sent;
    QList<QImage> m_hints;  // the six drop hints, as the board shows them
};

}  // namespace tavro::shell
