#include "machine/identity_prober.h"

#include "platform/line_settings.h"
#include "platform/logging.h"
#include "protocol/frame_assembler.h"
#include "protocol/frames.h"

#include <QSerialPort>

#include <cstdint>
#include <memory>
#include <optional>

namespace tavro::machine {

// One device being asked: its port, its second, and the answer frame as it builds up.
class SerialIdentityProber::Probe final : public QObject {
public:
    Probe(platform::Clock &clock, const QString &node, QObject *parent)
        : QObject(parent), m_timer(clock.createTimer())
    {
        m_port.setPortName(node);
    }

    QSerialPort m_port;
    std::unique_ptr<platform::IntervalTimer> m_timer;
    protocol::FrameAssembler m_frames;

    // The product id once an identity frame is complete; other frames are passed over.
    std::optional<int> takeIdentity(std::uint8_t byte)
    {
        if (!m_frames.push(byte)) return std::nullopt;
        m_frames.frameHandled();
        if (m_frames.code() != protocol::RspIdentity) return std::nullopt;
        return m_frames.first();
    }
};

SerialIdentityProber::SerialIdentityProber(platform::Clock &clock, QObject *parent)
    : IdentityProber(parent), m_clock(clock)
{
}

// The probes are children: they go with it.
SerialIdentityProber::~SerialIdentityProber() = default;

void SerialIdentityProber::probe(const QString &node)
{
    drop(node);
    auto *probe = new Probe(m_clock, node, this);
    m_probes[node] = probe;
    QSerialPort &port = probe->m_port;
    if (!platform::openWithLineSettings(port)) {
        finish(node, {ProbeAnswer::Kind::CannotOpen, 0, port.errorString()});
        return;
    }
    connect(&port, &QSerialPort::readyRead, probe, [this, node, probe] {
        for (const char byte : probe->m_port.readAll()) {
            if (const auto productId = probe->takeIdentity(static_cast<std::uint8_t>(byte))) {
                finish(node, {ProbeAnswer::Kind::Answered, *productId, {}});
                return;
            }
        }
    });
    connect(&port, &QSerialPort::errorOccurred, probe,
            [this, node, probe](QSerialPort::SerialPortError error) {
                if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
                finish(node, {ProbeAnswer::Kind::CannotOpen, 0, probe->m_port.errorString()});
            });
    probe->m_timer->onTick([this, node] { finish(node, {ProbeAnswer::Kind::Silent, 0, {}}); });
    probe->m_timer->setInterval(AnswerTime);
    qCDebug(lcSerial) << "asking" << node << "who it is";
    port.write(protocol::makeFrame(protocol::CmdIdentify, 0, 0));
}

void SerialIdentityProber::cancelAll()
{
    while (!m_probes.empty()) drop(m_probes.begin()->first);
}

void SerialIdentityProber::finish(const QString &node, const ProbeAnswer &answer)
{
    drop(node);
    emit answered(node, answer);
}

// Its port's or timer's handler may be running: the probe goes once that has returned.
void SerialIdentityProber::drop(const QString &node)
{
    const auto found = m_probes.find(node);
    if (found == m_probes.end()) return;
    Probe *probe = found->second;
    m_probes.erase(found);
    probe->m_timer->stop();
    probe->m_port.disconnect(this);
    probe->m_port.disconnect(probe);
    probe->m_port.close();
    probe->deleteLater();
}

}  // namespace tavro::machine
