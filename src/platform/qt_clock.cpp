#include "platform/qt_clock.h"

#include <QThread>
#include <QTimer>

namespace tavro::platform {
namespace {

class QtIntervalTimer final : public IntervalTimer {
public:
    QtIntervalTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
    }

    void setInterval(std::chrono::milliseconds interval) override
    {
        if (interval <= std::chrono::milliseconds::zero()) {
            m_interval = {};
            m_timer.stop();
            return;
        }
        if (interval == m_interval) return;
        m_interval = interval;
        m_timer.start(interval);
    }

    std::chrono::milliseconds interval() const override { return m_interval; }

private:
    QTimer m_timer;
    std::chrono::milliseconds m_interval{};
};

}  // namespace

std::unique_ptr<IntervalTimer> QtClock::createTimer()
{
    return std::make_unique<QtIntervalTimer>();
}

void QtClock::pause(std::chrono::milliseconds duration)
{
    if (duration.count() > 0) QThread::msleep(static_cast<unsigned long>(duration.count()));
}

std::chrono::microseconds QtClock::now() const
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 m_started);
}

}  // namespace tavro::platform
