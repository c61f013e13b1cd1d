// Asks before an action would cut into a running job, or wipe a picture that was never sent.
#pragma once

#include "document/job_document.h"
#include "platform/prompter.h"
#include "run/job_controls.h"
#include "run/job_model.h"

#include <QObject>

namespace tavro::session {

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

    JobGuard(const run::JobModel &model, run::JobControls &jobs,
             const document::JobDocument &document, platform::Prompter &prompter,
             QObject *parent = nullptr);

    // True when the action may go on: no job runs or is paused (here or on the machine's
    // own), or the operator chose to stop it, and it has been stopped. Cancel puts nothing
    // on the line.
    bool allows(Action action);
    // Changing the language wipes the board: true when it holds no unsent work, or the
    // operator chose to lose it.
    bool allowsWipe();
    // The board holds a picture that would burn and never went to the machine.
    bool holdsUnsentWork() const;

private:
    const run::JobModel &m_model;
    run::JobControls &m_jobs;
    const document::JobDocument &m_document;
    platform::Prompter &m_prompter;
};

}  // namespace tavro::session
