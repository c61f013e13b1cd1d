// SerialLine over QSerialPort: 57600 8N1, no flow control, RTS on.
#pragma once

#include "platform/port_table.h"
#include "platform/serial_line.h"

#include <QSerialPort>

namespace tavro::platform {

class QtSerialLine final : public SerialLine {
    Q_OBJECT
public:
    explicit QtSerialLine(PortTable table, QObject *parent = nullptr);
    ~QtSerialLine() override;

    bool open(int portNumber) override;
    void close() override;
    bool isOpen() const override;
    int portNumber() const override { return m_portNumber; }
    bool write(const QByteArray &bytes) override;
    void writeBlock(const QByteArray &block) override;
    void drain(std::chrono::milliseconds timeout) override;

    const PortTable &table() const { return m_table; }

private:
    void onReadyRead();
    void onBytesWritten(qint64 count);
    void onError(QSerialPort::SerialPortError error);
    void endBlock(bool written);

    PortTable m_table;
    QSerialPort m_port;
    int m_portNumber = 0;
    qint64 m_blockTotal = 0;
    qint64 m_blockLeft = 0;  // bytes still buffered up to the block's last byte
};

}  // namespace tavro::platform
