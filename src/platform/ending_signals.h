// The signals that end a process (Ctrl-C, kill, a closed terminal, Ctrl-\) brought to the event
// loop, so that a running machine can be paused before the program goes.
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace tavro::platform {

// SIGINT, SIGTERM, SIGHUP and SIGQUIT reach received() instead of ending the process at once.
// A closed pipe is no reason to die either: the write that meets it fails and says so. While
// one of these lives, the process ends only when its owner decides.
class EndingSignals final : public QObject {
    Q_OBJECT
public:
    explicit EndingSignals(QObject *parent = nullptr);
    ~EndingSignals() override;

signals:
    void received(int signal);

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace tavro::platform
