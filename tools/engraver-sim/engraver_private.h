// The machine's thread: moves bytes between the pty and the firmware model, under one lock.
#pragma once

#include "engraver-sim/engraver_sim.h"
#include "engraver-sim/machine.h"
#include "engraver-sim/pacer.h"
#include "engraver-sim/pty_port.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

struct pollfd;

namespace tavro::sim {

class EngraverPrivate {
public:
    using Clock = std::chrono::steady_clock;

    explicit EngraverPrivate(EngraverOptions options);
    ~EngraverPrivate();

    bool start(QString *error);
    void stop();
    void unplug();
    bool plugIn(QString *error);

    // options never changes; everything else is guarded by the mutex, the machine included.
    mutable std::mutex mutex;
    EngraverOptions options;
    Machine machine;
    PtyPort port;

private:
    struct Events {
        QList<QByteArray> frames;
        bool poweredOff = false;
    };

    void run();
    void unplugLocked();
    void step(Clock::time_point now);
    timespec prepare(pollfd *fds, Clock::time_point now) const;
    void transfer(const pollfd &master, Clock::time_point now);
    void readInput(Clock::time_point now);
    void writeOutput(Clock::time_point now);
    void wake();
    void notify(const Events &events) const;
    qsizetype room() const;

    std::condition_variable m_unplugged;
    bool m_unplugRequested = false;  // the thread closes the pty itself, never while it polls it
    bool m_started = false;
    bool m_stopping = false;
    int m_wake[2] = {-1, -1};
    unsigned m_generation = 0;  // changes whenever the pty does, so stale poll results are dropped
    QByteArray m_outbox;
    Pacer m_readPacer;
    Pacer m_writePacer;
    Events m_events;  // for the callbacks, which run without the lock
    std::optional<Clock::time_point> m_unplugAt;
    Clock::time_point m_quietUntil{};  // after a line error, so a broken pty cannot spin the loop
    std::thread m_thread;
};

}  // namespace tavro::sim
