#include "platform/qt_serial_line.h"

#include "platform/logging.h"

#include <QDeadlineTimer>

#include <algorithm>

namespace tavro::platform {

QtSerialLine::QtSerialLine(PortTable table, QObject *parent)
    : SerialLine(parent), m_table(std::move(table))
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialLine::onReadyRead);
    connect(&m_port, &QSerialPort::bytesWritten, this, &QtSerialLine::onBytesWritten);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLine::onError);
}

QtSerialLine::~QtSerialLine()
{
    m_port.disconnect(this);
    m_port.close();
}

bool QtSerialLine::open(int portNumber)
{
    close();
    m_portNumber = portNumber;
    const QString path = m_table.devicePath(portNumber);
    if (path.isEmpty()) return false;
    m_port.setPortName(path);
    m_port.setBaudRate(QSerialPort::Baud57600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        qCDebug(lcSerial) << "cannot open" << path << ":" << m_port.errorString();
        m_port.clearError();
        return false;
    }
    // Pseudo-terminals and some adapters have no modem lines; that is fine.
    m_port.setRequestToSend(true);
    m_port.clearError();
    return true;
}

void QtSerialLine::close()
{
    if (m_blockLeft > 0) endBlock(false);
    if (m_port.isOpen()) m_port.close();
}

bool QtSerialLine::isOpen() const
{
    return m_port.isOpen();
}

void QtSerialLine::onReadyRead()
{
    // A receiver may run a nested event loop (a message box). QSerialPort does not
    // announce bytes that arrive meanwhile again, so they would wait for the next
    // byte: take whatever came in before returning.
    while (m_port.isOpen() && m_port.bytesAvailable() > 0) emit received(m_port.readAll());
}

bool QtSerialLine::write(const QByteArray &bytes)
{
    if (!m_port.isOpen()) return false;
    if (bytes.isEmpty()) return true;
    if (m_port.write(bytes) != bytes.size()) {
        qCWarning(lcSerial) << "write failed:" << m_port.errorString();
        return false;
    }
    m_port.flush();
    emit sent(bytes);
    return true;
}

void QtSerialLine::writeBlock(const QByteArray &block)
{
    if (block.isEmpty()) return;
    if (!m_port.isOpen()) {
        emit blockFailed();
        return;
    }
    // A block queued behind one still draining is followed with it: one
    // blockWritten() reports both.
    m_port.write(block);
    emit sent(block);
    m_blockTotal = m_port.bytesToWrite();
    m_blockLeft = m_blockTotal;
    emit blockProgress(0, m_blockTotal);
}

void QtSerialLine::drain(std::chrono::milliseconds timeout)
{
    QDeadlineTimer deadline(timeout);
    while (m_port.isOpen() && m_port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_port.waitForBytesWritten(int(deadline.remainingTime()))) break;
    }
}

void QtSerialLine::onBytesWritten(qint64 count)
{
    if (m_blockLeft <= 0) return;
    m_blockLeft -= count;
    if (m_blockLeft > 0) {
        const qint64 written = std::clamp(m_blockTotal - m_blockLeft, qint64(0), m_blockTotal);
        emit blockProgress(written, m_blockTotal);
        return;
    }
    emit blockProgress(m_blockTotal, m_blockTotal);
    endBlock(true);
}

void QtSerialLine::endBlock(bool written)
{
    m_blockLeft = 0;
    m_blockTotal = 0;
    if (written)
        emit blockWritten();
    else
        emit blockFailed();
}

void QtSerialLine::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::DeviceNotFoundError:
        // A pulled adapter keeps signalling these; close at once so the
        // event loop is not flooded, and let the presence check break the link.
        if (m_port.isOpen()) {
            const QString reason = m_port.errorString();
            qCWarning(lcSerial) << "port" << m_port.portName() << "lost:" << reason;
            close();
            emit lost(reason);
        }
        break;
    default:
        break;
    }
}

}  // namespace tavro::platform
