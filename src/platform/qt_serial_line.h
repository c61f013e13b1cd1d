// SerialLine over QSerialPort, with the machine's line settings (line_settings.h).
#pragma once

#include "platform/port_table.h"
#include "platform/serial_line.h"

#include <QSerialPort>
#include <QTimer>

#include <functional>
#include <optional>

namespace tavro::platform {

class QtSerialLine final : public SerialLine {
    Q_OBJECT
public:
    // Bytes the kernel still holds for the wire on an open port's handle; nothing when
    // it cannot tell.
    using OutputQueue = std::function<std::optional<qint64>(qintptr handle)>;
    static constexpr std::chrono::milliseconds DrainPollInterval{20};

    explicit QtSerialLine(PortTable table, QObject *parent = nullptr);
    QtSerialLine(PortTable table, OutputQueue outputQueue, QObject *parent = nullptr);
    ~QtSerialLine() override;

    bool open(int portNumber) override;
    void close() override;
    bool isOpen() const override;
    int portNumber() const override { return m_portNumber; }
    bool write(const QByteArray &bytes) override;
    void writeBlock(const QByteArray &block) override;
    void drain(std::chrono::milliseconds timeout) override;
    bool writeAtExit(const QByteArray &bytes) override;
    QString lastError() const override { return m_lastError; }

    // A block that has not left in twice its time on the wire, plus this, has failed.
    static constexpr std::chrono::milliseconds BlockGrace{5000};

    const PortTable &table() const { return m_table; }

    // TIOCOUTQ: what the driver (a USB adapter's FIFO included) has not yet sent.
    // A pseudo-terminal reports 0: its bytes are in the far end's input at once.
    static std::optional<qint64> kernelOutputQueue(qintptr handle);

private:
    void onReadyRead();
    void followBlock();
    void onError(QSerialPort::SerialPortError error);
    void endBlock(bool written);
    void fail(const QString &reason);

    PortTable m_table;
    OutputQueue m_outputQueue;
    QSerialPort m_port;
    QTimer m_drainPoll;
    QTimer m_blockDeadline;
    QString m_lastError;
    int m_portNumber = 0;
    bool m_blockActive = false;
    qint64 m_blockTotal = 0;
    qint64 m_blockSent = 0;  // never goes back, whatever the queue says
};

}  // namespace tavro::platform
