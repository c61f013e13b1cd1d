#include "engraver-sim/engraver_private.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim {

namespace {
using namespace std::chrono_literals;

constexpr double PacedBytesPerSecond = 5760;  // 57600 baud, 10 bits a byte
// A fast or paced carve stops producing reports while this much waits to go out.
constexpr qsizetype OutboxHigh = 4096;
// Like a serial driver's buffer: what a stalled reader leaves beyond this is lost.
constexpr qsizetype OutboxCap = 64 * 1024;
// Paced lines move at least this many bytes a wake-up.
constexpr qsizetype PacedChunk = 16;
constexpr auto QuietAfterError = 50ms;
constexpr auto MaxWait = 1s;
// The carve's clock ticks finer than a millisecond; waking more often than this would only
// burn the processor.
constexpr auto MinWait = 200us;
}  // namespace

EngraverPrivate::EngraverPrivate(EngraverOptions options_)
    : options(std::move(options_)),
      machine(options),
      m_readPacer(options.paced ? PacedBytesPerSecond : 0),
      m_writePacer(options.paced ? PacedBytesPerSecond : 0)
{
}

EngraverPrivate::~EngraverPrivate()
{
    stop();
}

bool EngraverPrivate::start(QString *error)
{
    std::lock_guard lock(mutex);
    if (m_started) return true;
    if (::pipe2(m_wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        if (error)
            *error =
                u"cannot make the wake-up pipe: "_s + QString::fromLocal8Bit(std::strerror(errno));
        m_wake[0] = m_wake[1] = -1;
        return false;
    }
    if (!port.open(options.linkPath, error)) {
        ::close(m_wake[0]);
        ::close(m_wake[1]);
        m_wake[0] = m_wake[1] = -1;
        return false;
    }
    if (options.unplugAfterSeconds > 0)
        m_unplugAt = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(options.unplugAfterSeconds));
    m_started = true;
    m_thread = std::thread(&EngraverPrivate::run, this);
    return true;
}

void EngraverPrivate::stop()
{
    {
        std::lock_guard lock(mutex);
        m_stopping = true;
        wake();
    }
    if (m_thread.joinable()) m_thread.join();
    std::lock_guard lock(mutex);
    port.close();
    for (int &fd : m_wake) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void EngraverPrivate::unplug()
{
    std::unique_lock lock(mutex);
    if (!m_thread.joinable() || m_stopping || std::this_thread::get_id() == m_thread.get_id()) {
        unplugLocked();
        return;
    }
    // A poll() still holding the master would keep the node alive after close() returns.
    m_unplugRequested = true;
    wake();
    m_unplugged.wait(lock, [this] { return !m_unplugRequested; });
}

bool EngraverPrivate::plugIn(QString *error)
{
    std::lock_guard lock(mutex);
    if (!m_started || m_stopping) {
        if (error) *error = u"the simulator is not running"_s;
        return false;
    }
    if (port.isOpen()) return true;
    if (!port.open(options.linkPath, error)) return false;
    machine.cableChanged();
    ++m_generation;
    wake();
    return true;
}

void EngraverPrivate::unplugLocked()
{
    if (!port.isOpen()) return;
    port.close();
    m_outbox.clear();
    machine.cableChanged();
    ++m_generation;
    wake();
}

void EngraverPrivate::run()
{
    std::unique_lock lock(mutex);
    while (!m_stopping) {
        step(Clock::now());
        pollfd fds[3] = {};
        const timespec timeout = prepare(fds, Clock::now());
        const unsigned generation = m_generation;
        const Events events = std::exchange(m_events, {});
        lock.unlock();
        notify(events);
        ::ppoll(fds, 3, &timeout, nullptr);
        lock.lock();
        char drain[64];
        while (::read(m_wake[0], drain, sizeof drain) > 0) {
        }
        if (m_unplugRequested) {
            unplugLocked();
            m_unplugRequested = false;
            m_unplugged.notify_all();
        }
        if (generation != m_generation || m_stopping || !port.isOpen()) continue;
        // Before any input: a newcomer's first command must find it listening.
        if (port.updateListeners()) m_outbox.clear();
        transfer(fds[2], Clock::now());
    }
    m_unplugRequested = false;
    m_unplugged.notify_all();
}

void EngraverPrivate::step(Clock::time_point now)
{
    if (m_unplugAt && now >= *m_unplugAt) {
        m_unplugAt.reset();
        unplugLocked();
    }
    machine.advance(now, room());
    const QByteArray output = machine.takeOutput();
    if (port.isOpen() && port.listening() && m_outbox.size() + output.size() <= OutboxCap)
        m_outbox.append(output);
    if (machine.takePowerOff()) {
        unplugLocked();
        m_events.poweredOff = true;
    }
}

// Three slots: wake-up pipe, open watch, master; a slot with fd -1 is skipped by ppoll().
// Returns how long to wait.
timespec EngraverPrivate::prepare(pollfd *fds, Clock::time_point now) const
{
    std::optional<Clock::time_point> next = machine.deadline(room() > 0);
    const auto consider = [&next](Clock::time_point t) { next = next ? std::min(*next, t) : t; };
    if (m_unplugAt) consider(*m_unplugAt);
    fds[0] = {m_wake[0], POLLIN, 0};
    fds[1] = {port.isOpen() ? port.watchFd() : -1, POLLIN, 0};
    fds[2] = {-1, 0, 0};
    if (port.isOpen() && now < m_quietUntil) {
        consider(m_quietUntil);
    } else if (port.isOpen()) {
        const qsizetype chunk = options.paced ? PacedChunk : 1;
        short events = 0;
        if (m_readPacer.allowance(now) >= chunk)
            events |= POLLIN;
        else
            consider(m_readPacer.availableAt(chunk));
        if (!m_outbox.isEmpty() && m_writePacer.allowance(now) >= chunk)
            events |= POLLOUT;
        else if (!m_outbox.isEmpty())
            consider(m_writePacer.availableAt(chunk));
        fds[2] = {port.masterFd(), events, 0};
    }
    Clock::duration wait = next ? *next - now : Clock::duration(MaxWait);
    if (wait > Clock::duration::zero())
        wait = std::clamp<Clock::duration>(wait, MinWait, MaxWait);
    else
        wait = Clock::duration::zero();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return timespec{time_t(ns / 1000000000), long(ns % 1000000000)};
}

void EngraverPrivate::transfer(const pollfd &master, Clock::time_point now)
{
    if (master.revents & (POLLERR | POLLNVAL)) {
        m_quietUntil = now + QuietAfterError;
        return;
    }
    if (master.revents & (POLLIN | POLLHUP)) readInput(now);
    if (master.revents & POLLOUT) writeOutput(now);
}

void EngraverPrivate::readInput(Clock::time_point now)
{
    char buffer[4096];
    const qsizetype want = std::min<qsizetype>(sizeof buffer, m_readPacer.allowance(now));
    if (want <= 0) return;
    const ssize_t got = ::read(port.masterFd(), buffer, size_t(want));
    if (got <= 0) {
        if (got == 0 || (errno != EAGAIN && errno != EINTR)) m_quietUntil = now + QuietAfterError;
        return;
    }
    m_readPacer.consume(got, now);
    const qsizetype known = machine.receivedFrames().size();
    machine.receive(QByteArray(buffer, got), now);
    if (options.onFrame) m_events.frames.append(machine.receivedFrames().mid(known));
}

void EngraverPrivate::writeOutput(Clock::time_point now)
{
    const qsizetype want = std::min(m_outbox.size(), m_writePacer.allowance(now));
    if (want <= 0) return;
    const ssize_t put = ::write(port.masterFd(), m_outbox.constData(), size_t(want));
    if (put <= 0) {
        if (put == 0 || (errno != EAGAIN && errno != EINTR)) m_quietUntil = now + QuietAfterError;
        return;
    }
    m_writePacer.consume(put, now);
    m_outbox.remove(0, put);
}

void EngraverPrivate::wake()
{
    if (m_wake[1] < 0) return;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake[1], "w", 1);
}

void EngraverPrivate::notify(const Events &events) const
{
    if (options.onFrame)
        for (const QByteArray &frame : events.frames) options.onFrame(frame);
    if (events.poweredOff && options.onPowerOff) options.onPowerOff();
}

qsizetype EngraverPrivate::room() const
{
    // A fast carve goes no faster than its reports are taken, a paced one no faster than the line;
    // otherwise a carve keeps its own pace and a stalled program loses what overflows.
    if (!(options.fast || options.paced) || !port.isOpen() || !port.listening()) return OutboxCap;
    return OutboxHigh - m_outbox.size();
}

}  // namespace tavro::sim
