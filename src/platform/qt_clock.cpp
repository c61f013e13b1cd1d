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

    void setInterval(int ms) override
    {
        if (ms <= 0) {
            m_interval = 0;
            m_timer.stop();
            return;
        }
        if (ms == m_interval) return;
        m_interval = ms;
        m_timer.start(ms);
    }

    int interval() const override { return m_interval; }

private:
    QTimer m_timer;
    int m_interval = 0;
};

}  // namespace

std::unique_ptr<IntervalTimer> QtClock::createTimer()
{
    return std::make_unique<QtIntervalTimer>();
}

void QtClock::pause(int ms)
{
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace tavro::platform
