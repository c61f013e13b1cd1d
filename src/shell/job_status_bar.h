// The strip under the window: the machine's connection, and the job's state, progress and time.
#pragma once

#include "job/job_estimator.h"
#include "job/job_model.h"
#include "job/job_recovery.h"
#include "link/engraver_link.h"
#include "platform/clock.h"

#include <QStatusBar>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavro::job {
class JobControls;
}

namespace tavro::shell {

class JobStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    // While a job runs, the time left is shown anew this often.
    static constexpr std::chrono::milliseconds RefreshInterval{500};

    JobStatusBar(link::EngraverLink &link, job::JobModel &job, job::JobEstimator &estimator,
                 job::JobControls &jobs, job::JobRecovery &recovery, platform::Clock &clock,
                 QWidget *parent = nullptr);
    ~JobStatusBar() override;

    QString connectionText() const;
    QString stateText() const;
    QString timeText() const;
    QString noticeText() const;
    int progressValue() const;
    int progressMaximum() const;
    bool progressShown() const;
    // The offer to pick an interrupted job up again.
    bool offerShown() const;
    QString offerText() const;
    QPushButton &resumeButton() { return *m_resumeButton; }
    QPushButton &startOverButton() { return *m_startOverButton; }
    QPushButton &dismissButton() { return *m_dismissButton; }

    // A note that stays until cleared (the resume offer's own words go elsewhere).
    void setNotice(const QString &text);

    // The device node of a port number, shown beside the port; main() gives the port table.
    std::function<QString(int port)> devicePath;

    // "m:ss" from any duration, minutes unbounded.
    static QString clockText(std::chrono::milliseconds time);

signals:
    // The machine reported the carve done; the summary says what it burnt and how long it ran.
    void jobFinished(const QString &title, const QString &summary);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Connection { Searching, Connected, Broken, Disconnected };

    void makeConnections();
    void showConnection();
    void showJob();
    void showTime();
    void showOffer();

    link::EngraverLink &m_link;
    job::JobModel &m_job;
    job::JobEstimator &m_estimator;
    job::JobControls &m_jobs;
    job::JobRecovery &m_recovery;
    std::unique_ptr<platform::IntervalTimer> m_refresh;
    Connection m_connection = Connection::Searching;
    int m_port = 0;
    QLabel *m_connectionLabel = nullptr;
    QLabel *m_stateLabel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_timeLabel = nullptr;
    QLabel *m_noticeLabel = nullptr;
    QWidget *m_offer = nullptr;
    QLabel *m_offerLabel = nullptr;
    QPushButton *m_resumeButton = nullptr;
    QPushButton *m_startOverButton = nullptr;
    QPushButton *m_dismissButton = nullptr;
};

}  // namespace tavro::shell
