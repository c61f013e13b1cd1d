#include "run/job_recovery.h"

#include "platform/logging.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {

JobRecovery::JobRecovery(link::MessageLog &log, platform::Clock &clock,
                         const QString &settingsFolder, QObject *parent)
    : QObject(parent),
      m_log(log),
      m_clock(clock),
      m_store(settingsFolder),
      m_keepTimer(clock.createTimer())
{
    m_keepTimer->onTick([this] {
        m_keepTimer->stop();
        if (m_dirty) write();
    });
}

JobRecovery::~JobRecovery()
{
    if (m_dirty) write();
}

void JobRecovery::machineFound(const QString &machine)
{
    if (m_running && machine == m_machine) return;
    m_machine = machine;
    m_running = false;
    const InterruptedJobStore::Loaded loaded = m_store.load(machine);
    const QString path = m_store.pathFor(machine);
    if (!loaded.problem.isEmpty() && !m_problemsSaid.contains(path)) {
        m_problemsSaid << path;
        m_log.logLine(
            u"The interrupted job kept for this machine cannot be used and was left "
            u"in place: "_s +
            loaded.problem);
    }
    m_kept = loaded.job;
    if (m_kept) m_kept->machine = machine;
    emit keptChanged();
}

void JobRecovery::runStarted(const InterruptedJob &job)
{
    m_kept = job;
    m_kept->machine = m_machine;
    m_running = true;
    write();
    emit keptChanged();
}

void JobRecovery::adoptRun()
{
    if (m_kept) m_running = true;
}

void JobRecovery::progressed(int row, qint64 dotsDone)
{
    if (!m_running || !m_kept) return;
    if (row <= m_kept->resumeRow && dotsDone <= m_kept->dotsDone) return;
    m_kept->resumeRow = std::max(m_kept->resumeRow, row);
    m_kept->dotsDone = std::clamp(dotsDone, m_kept->dotsDone, m_kept->dotsTotal);
    m_dirty = true;
    const std::chrono::microseconds now = m_clock.now();
    if (!m_lastWrite || now - *m_lastWrite >= KeepInterval) {
        write();
    } else if (!m_keepTimer->isRunning()) {
        m_keepTimer->setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(
            KeepInterval - (now - *m_lastWrite)));
    }
}

void JobRecovery::flush()
{
    if (m_dirty) write();
}

void JobRecovery::runStopped()
{
    if (!m_running) return;
    m_running = false;
    flush();
    if (m_kept)
        m_log.logLine(
            u"Interrupted at row %1 (%2 %)"_s.arg(m_kept->resumeRow).arg(m_kept->percent()));
    emit keptChanged();
}

void JobRecovery::forget()
{
    m_keepTimer->stop();
    m_running = false;
    m_dirty = false;
    const bool had = m_kept.has_value();
    m_kept.reset();
    m_store.drop(m_machine);
    if (had) emit keptChanged();
}

void JobRecovery::keep(const InterruptedJob &job)
{
    m_kept = job;
    m_kept->machine = m_machine;
    m_running = false;
    write();
    emit keptChanged();
}

void JobRecovery::write()
{
    m_keepTimer->stop();
    m_dirty = false;
    m_lastWrite = m_clock.now();
    if (!m_kept) return;
    const platform::Outcome kept = m_store.save(*m_kept);
    // Said once while it keeps failing the same way, not at every row.
    if (!kept && kept.why() != m_lastError) {
        m_log.logLine(u"The interrupted job could not be kept for a restart: "_s + kept.why());
        qCWarning(lcJob) << "interrupted job not kept:" << kept.why();
    }
    m_lastError = kept.why();
}

}  // namespace tavro::run
