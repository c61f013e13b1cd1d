#include "machine/identity_prober.h"

#include "platform/logging.h"

#include <QSerialPort>

#include <array>
#include <cstdint>
#include <memory>

namespace tavro::machine {
namespace {

// The link's identification frame and the first byte of every answer frame. The link's
// frames.h lies above this layer.
constexpr char IdentifyFrame[] = {'\xFF', '\x09', '\x00', '\x00'};
constexpr std::uint8_t FrameStart = 0xFF;
constexpr std::uint8_t IdentityCode = 0x01;

}  // namespace

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
    std::array<std::uint8_t, 4> m_frame{};
    std::size_t m_count = 0;

    // Like the link's frame assembler: 0xFF starts a frame, four bytes end it.
    bool takeIdentity(std::uint8_t byte, int &productId)
    {
        if (byte == FrameStart) m_count = 0;
        m_frame[m_count++] = byte;
        if (m_count < m_frame.size()) return false;
        m_count = 0;
        if (m_frame[0] != FrameStart || m_frame[1] != IdentityCode) return false;
        productId = m_frame[2];
        return true;
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
    port.setBaudRate(QSerialPort::Baud57600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        finish(node, {ProbeAnswer::Kind::CannotOpen, 0, port.errorString()});
        return;
    }
    port.setRequestToSend(true);
    port.clearError();
    connect(&port, &QSerialPort::readyRead, probe, [this, node, probe] {
        int productId = 0;
        for (const char byte : probe->m_port.readAll()) {
            if (probe->takeIdentity(static_cast<std::uint8_t>(byte), productId)) {
                finish(node, {ProbeAnswer::Kind::Answered, productId, {}});
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
    port.write(IdentifyFrame, sizeof IdentifyFrame);
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
