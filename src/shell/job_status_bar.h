// The strip under the window: the machine's connection, and the job's state, progress and time.
#pragma once

#include "platform/clock.h"
#include "session/session.h"

#include <QStatusBar>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavro::ui {
class ElidedLabel;
}  // namespace tavro::ui

namespace tavro::session {
class TestCardRun;
}  // namespace tavro::session

namespace tavro::shell {

class JobStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    // While a job runs, the time left is shown anew this often.
    static constexpr std::chrono::milliseconds RefreshInterval{500};

    JobStatusBar(session::Session &session, platform::Clock &clock, QWidget *parent = nullptr);
    ~JobStatusBar() override;

    // While the machine's job is a column of this card, the bar shows the whole card.
    void followCard(const session::TestCardRun &card);

    QString timeText() const;
    // Why the last search found no machine, with a link to the connection check; nothing
    // while a machine is connected.
    void showNoMachine(const QString &summary);

    // No wider than its least: the window's width is the panel's, and long texts are cut.
    QSize sizeHint() const override;

signals:
    // The operator asked for the connection check.
    void checkRequested();
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
    void showNotice();
    // True when the card's column is the machine's job and the bar now shows the card.
    bool showCard();
    bool showCardTime();

    session::Session &m_session;
    const session::TestCardRun *m_card = nullptr;
    run::RunDriver::State m_runState = run::RunDriver::State::Idle;
    std::unique_ptr<platform::IntervalTimer> m_refresh;
    Connection m_connection = Connection::Searching;
    QString m_breakReason;
    ui::ElidedLabel *m_connectionLabel = nullptr;
    ui::ElidedLabel *m_noMachineLabel = nullptr;
    QLabel *m_checkLink = nullptr;
    ui::ElidedLabel *m_stateLabel = nullptr;
    QProgressBar *m_progress = nullptr;
    ui::ElidedLabel *m_timeLabel = nullptr;
    ui::ElidedLabel *m_noticeLabel = nullptr;
    QWidget *m_offer = nullptr;
    ui::ElidedLabel *m_offerLabel = nullptr;
    QPushButton *m_resumeButton = nullptr;
    QPushButton *m_startOverButton = nullptr;
    QPushButton *m_dismissButton = nullptr;
};

}  // namespace tavro::shell
