// The job on the window as a file: what Save Job writes and what Open Job puts back exactly.
#pragma once

#include "job/job_file.h"

#include <QObject>
#include <QString>

namespace tavro::job {
class JobControls;
}
namespace tavro::link {
class EngraverLink;
}
namespace tavro::platform {
class ProfileFile;
class Prompter;
}  // namespace tavro::platform

namespace tavro::shell {

class MainWindow;

class JobDocument final : public QObject {
    Q_OBJECT
public:
    JobDocument(MainWindow &window, job::JobControls &jobs, link::EngraverLink &link,
                platform::ProfileFile &settings, platform::Prompter &prompter,
                QObject *parent = nullptr);

    // The board, the remembered image, the last picture tuning, the burn time and the text font.
    job::JobFile current() const;
    // The board byte for byte and never refitted; the tuning and the font become the last
    // choices, as if the operator had made them; the burn time goes to the slider, and to the
    // machine when one is connected.
    void apply(const job::JobFile &job);

    // Each tells the operator why when it fails, and then has changed nothing.
    bool open(const QString &path);
    bool save(const QString &path);
    bool exportBoard(const QString &path);

    // The job file last opened or saved; empty once a new picture is dropped.
    const QString &path() const { return m_path; }
    void forgetPath() { m_path.clear(); }

    // The operator's message for a job that could not be read.
    static QString openFailureText(const QString &path, const job::JobFileRead &read);

signals:
    void opened(const QString &path);
    void saved(const QString &path);

private:
    MainWindow &m_window;
    job::JobControls &m_jobs;
    link::EngraverLink &m_link;
    platform::ProfileFile &m_settings;
    platform::Prompter &m_prompter;
    QString m_path;
};

}  // namespace tavro::shell
