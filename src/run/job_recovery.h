// Keeps the job the machine is carving, so that after any end of the program or of the link
// it can be picked up again from the last row the machine reported.
#pragma once

#include "link/message_log.h"
#include "platform/clock.h"
#include "run/interrupted_job.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>

namespace tavro::run {

// One kept job per machine. It is written when a run starts, again as rows are reported
// (at most once per KeepInterval, whole or not at all), and when the run stops short; it
// goes when the job is finished or dismissed. A new run on the same machine replaces it.
class JobRecovery final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds KeepInterval{1000};

    JobRecovery(link::MessageLog &log, platform::Clock &clock, const QString &settingsFolder,
                QObject *parent = nullptr);
    ~JobRecovery() override;

    // The machine now connected: its kept job, if any, comes back. A kept job that cannot
    // be read is said once and left where it is.
    void machineFound(const QString &machine);

    // A run began: `job` is the whole job, with what was done before this run.
    void runStarted(const InterruptedJob &job);
    // The machine carves on its own (the program was restarted): most likely the kept job,
    // since it holds the last picture it was sent; its rows now move the kept row on.
    void adoptRun();
    // The machine reported this row, with the whole job's dots done so far.
    void progressed(int row, qint64 dotsDone);
    // Written now if anything changed (a pause, the program ending).
    void flush();
    // The run was cut off (the link broke): kept as it is now, and offered again.
    void runStopped();
    // The machine finished the job, or the operator dismissed it.
    void forget();
    // This job is kept in place of the one kept now, to be offered (the next step of a
    // sequence whose step the machine finished on its own).
    void keep(const InterruptedJob &job);

    const std::optional<InterruptedJob> &kept() const { return m_kept; }
    // The kept job is the one running now.
    bool isRunning() const { return m_running; }
    const QString &machine() const { return m_machine; }

signals:
    void keptChanged();

private:
    void write();

    link::MessageLog &m_log;
    platform::Clock &m_clock;
    InterruptedJobStore m_store;
    std::unique_ptr<platform::IntervalTimer> m_keepTimer;
    std::optional<InterruptedJob> m_kept;
    QString m_machine;
    QStringList m_problemsSaid;
    bool m_running = false;
    bool m_dirty = false;
    QString m_lastError;
    std::optional<std::chrono::microseconds> m_lastWrite;
};

}  // namespace tavro::run
