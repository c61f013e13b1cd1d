#include "shell/job_document.h"

#include "job/job_controls.h"
#include "link/engraver_link.h"
#include "platform/prompter.h"
#include "shell/main_window.h"
#include "workspace/board_editor.h"
#include "workspace/preview_board.h"
#include "workspace/text_engraving.h"
#include "workspace/text_font.h"

#include <QDir>

namespace tavro::shell {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

JobDocument::JobDocument(MainWindow &window, job::JobControls &jobs, link::EngraverLink &link,
                         platform::ProfileFile &settings, platform::Prompter &prompter,
                         QObject *parent)
    : QObject(parent),
      m_window(window),
      m_jobs(jobs),
      m_link(link),
      m_settings(settings),
      m_prompter(prompter)
{
}

job::JobFile JobDocument::current() const
{
    job::JobFile job;
    job.board = m_window.board().snapshot();
    job.rememberedImage = m_window.editor().rememberedImage();
    job.tuning = job::loadPictureTuning(m_settings);
    job.burnTime = m_window.burnTime();
    job.textFont = workspace::fontSettingsToLines(m_window.text().font());
    return job;
}

void JobDocument::apply(const job::JobFile &job)
{
    m_window.editor().restoreBoard(job.board, job.rememberedImage);
    const workspace::TextFontSettings font = workspace::fontSettingsFromLines(job.textFont);
    m_window.text().applyFontSettings(font);
    workspace::saveFontSettings(m_settings, font);
    job::savePictureTuning(m_settings, job.tuning);
    m_window.showBurnTime(job.burnTime);
    // The machine burns with what it was last sent; a release of the slider sends it the same way.
    if (m_link.state() == link::LinkState::Identified) m_jobs.burnTimeReleased(job.burnTime);
}

QString JobDocument::openFailureText(const QString &path, const job::JobFileRead &read)
{
    switch (read.status) {
    case job::JobFileStatus::Ok:
        return {};
    case job::JobFileStatus::Unreadable:
        return tr("The job %1 cannot be read: %2.").arg(shown(path), read.reason);
    case job::JobFileStatus::PlainPicture:
        return tr("%1 is a picture, not a Tavro Laser job. Open it with Open Picture… to "
                  "render it.")
            .arg(shown(path));
    case job::JobFileStatus::NotAJob:
        return tr("%1 is not a Tavro Laser job.").arg(shown(path));
    case job::JobFileStatus::NewerVersion:
        return tr("%1 was saved by a newer Tavro Laser (job format %2); this version opens "
                  "formats up to %3. Nothing was changed.")
            .arg(shown(path))
            .arg(read.version)
            .arg(job::JobFileVersion);
    case job::JobFileStatus::Damaged:
        return tr("The job %1 is damaged and was not opened: %2. Nothing was changed.")
            .arg(shown(path), read.reason);
    }
    return {};
}

bool JobDocument::open(const QString &path)
{
    const job::JobFileRead read = job::readJobFile(path);
    if (read.status != job::JobFileStatus::Ok) {
        m_prompter.inform(openFailureText(path, read), tr("Open Job"));
        return false;
    }
    apply(read.job);
    m_path = path;
    emit opened(path);
    return true;
}

bool JobDocument::save(const QString &path)
{
    if (const QString reason = job::writeJobFile(path, current()); !reason.isEmpty()) {
        m_prompter.inform(tr("The job could not be saved as %1: %2. A file already there was "
                             "left as it was.")
                              .arg(shown(path), reason),
                          tr("Save Job"));
        return false;
    }
    m_path = path;
    emit saved(path);
    return true;
}

bool JobDocument::exportBoard(const QString &path)
{
    const QString reason = job::writeBoardPicture(path, m_window.board().snapshot());
    if (reason.isEmpty()) return true;
    m_prompter.inform(tr("The board could not be exported as %1: %2. A file already there was "
                         "left as it was.")
                          .arg(shown(path), reason),
                      tr("Export Board"));
    return false;
}

}  // namespace tavro::shell
