// Random byte streams into the link's receive path, in random chunks, with timer ticks between.
#include "link/engraver_link.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"

#include <cstdlib>

using namespace std::chrono_literals;
using namespace tavro;

namespace {

// Every third listing fails, as a system's can.
class FlakyPorts final : public platform::PortLister {
public:
    platform::PortList presentPorts() const override
    {
        return {++m_calls % 3 != 0, 2, QStringLiteral("COM1A")};
    }
    QString devicePath(int portNumber) const override
    {
        return QStringLiteral("/dev/fake%1").arg(portNumber);
    }

private:
    mutable int m_calls = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    test::FakeSerialLine line;
    line.openable = {1, 5};
    test::CountingView view;
    platform::ManualClock clock;
    FlakyPorts ports;
    link::MessageLog log;
    link::EngraverLink link(line, clock, view, ports, log);
    view.follow(link, log);
    link.startConnect();
    bool uploadAsked = false;

    std::size_t at = 0;
    while (at < size) {
        // The first byte of each chunk sets its length and what happens after it.
        const std::uint8_t control = data[at++];
        const std::size_t length = std::min<std::size_t>(control & 0x3F, size - at);
        line.deliver(
            QByteArray(reinterpret_cast<const char *>(data + at), static_cast<qsizetype>(length)));
        at += length;
        if (control & 0x40) clock.advance(1000ms);
        if (control & 0x80) link.disconnectMachine();
        // Once identified, an image waits for the machine to ask for it.
        if (!uploadAsked && link.state() == link::LinkState::Identified)
            uploadAsked = link.requestNewImage(QByteArray(32768, '\x5A'));

        const auto &rx = link.receiver();
        if (rx.rxCount() < 0 || rx.rxCount() > 3 || rx.rxFrameReady() != 0) std::abort();
        if (link.pendingBytes() != 0) std::abort();
    }
    return 0;
}
