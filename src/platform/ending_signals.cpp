#include "platform/ending_signals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace tavro::platform {
namespace {

constexpr std::array EndingSignalNumbers{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// A signal handler may only write to a pipe; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};
int g_listeners = 0;
std::array<struct sigaction, EndingSignalNumbers.size()> g_before{};

void onSignal(int signal)
{
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

}  // namespace

EndingSignals::EndingSignals(QObject *parent) : QObject(parent)
{
    std::signal(SIGPIPE, SIG_IGN);
    if (g_signalPipe[0] < 0 && ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char signal = 0;
        while (::read(g_signalPipe[0], &signal, 1) == 1) emit received(signal);
    });
    if (g_listeners++ > 0) return;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < EndingSignalNumbers.size(); ++i)
        sigaction(EndingSignalNumbers[i], &action, &g_before[i]);
}

EndingSignals::~EndingSignals()
{
    // With nobody left to pause anything, the signals end the process as they did before.
    if (!m_notifier || --g_listeners > 0) return;
    for (std::size_t i = 0; i < EndingSignalNumbers.size(); ++i)
        sigaction(EndingSignalNumbers[i], &g_before[i], nullptr);
}

}  // namespace tavro::platform
