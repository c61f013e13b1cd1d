#include "platform/qt_serial_line.h"

#include "platform/line_settings.h"
#include "platform/logging.h"

#include <QDeadlineTimer>

#include <algorithm>

#include <cerrno>

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tavro::platform {

QtSerialLine::QtSerialLine(PortTable table, QObject *parent)
    : QtSerialLine(std::move(table), &QtSerialLine::kernelOutputQueue, parent)
{
}

QtSerialLine::QtSerialLine(PortTable table, OutputQueue outputQueue, QObject *parent)
    : SerialLine(parent), m_table(std::move(table)), m_outputQueue(std::move(outputQueue))
{
    m_drainPoll.setInterval(DrainPollInterval);
    m_blockDeadline.setSingleShot(true);
    connect(&m_blockDeadline, &QTimer::timeout, this, [this] {
        if (!m_blockActive) return;
        fail(tr("the image block did not leave the port in %1 s")
                 .arg(m_blockDeadline.interval() / 1000));
        endBlock(false);
    });
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialLine::onReadyRead);
    connect(&m_port, &QSerialPort::bytesWritten, this, &QtSerialLine::followBlock);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLine::onError);
    connect(&m_drainPoll, &QTimer::timeout, this, &QtSerialLine::followBlock);
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
    if (!openWithLineSettings(m_port)) {
        m_lastError = m_port.errorString();
        qCDebug(lcSerial) << "cannot open" << path << ":" << m_lastError;
        m_port.clearError();
        return false;
    }
    return true;
}

void QtSerialLine::close()
{
    if (m_blockActive) endBlock(false);
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
    if (!m_port.isOpen()) {
        m_lastError = tr("the port is closed");
        return false;
    }
    if (bytes.isEmpty()) return true;
    if (m_port.write(bytes) != bytes.size()) {
        fail(m_port.errorString());
        return false;
    }
    // Out now where the driver has room; behind a block still draining it waits its turn
    // (a full driver is no lost port: see onError).
    m_port.flush();
    emit sent(bytes);
    return true;
}

void QtSerialLine::writeBlock(const QByteArray &block)
{
    if (block.isEmpty()) return;
    if (!m_port.isOpen()) {
        m_lastError = tr("the port is closed");
        emit blockFailed();
        return;
    }
    // A block queued behind one still draining is followed with it: one
    // blockWritten() reports both.
    if (m_port.write(block) != block.size()) {
        fail(m_port.errorString());
        emit blockFailed();
        return;
    }
    emit sent(block);
    const std::optional<qint64> queued = m_outputQueue(m_port.handle());
    m_blockTotal = m_port.bytesToWrite() + queued.value_or(0);
    m_blockSent = 0;
    m_blockActive = true;
    emit blockProgress(0, m_blockTotal);
    m_drainPoll.start();
    const qint64 wireMs = m_blockTotal * 10 * 1000 / LineBitsPerSecond;
    m_blockDeadline.start(int(2 * wireMs + BlockGrace.count()));
}

void QtSerialLine::drain(std::chrono::milliseconds timeout)
{
    QDeadlineTimer deadline(timeout);
    while (m_port.isOpen() && m_port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_port.waitForBytesWritten(int(deadline.remainingTime()))) break;
    }
}

bool QtSerialLine::writeAtExit(const QByteArray &bytes)
{
    if (!m_port.isOpen()) return false;
    const int fd = int(m_port.handle());
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd out{fd, POLLOUT, 0};
            if (::poll(&out, 1, 1000) <= 0) return false;
            continue;
        }
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// The block has left when neither QSerialPort nor the driver holds any of it: a USB
// adapter or the kernel keeps several KiB after the last byte was handed over.
void QtSerialLine::followBlock()
{
    if (!m_blockActive || !m_port.isOpen()) return;
    const std::optional<qint64> queued = m_outputQueue(m_port.handle());
    // Without the driver's count, a byte handed over is as good as sent.
    const qint64 left = m_port.bytesToWrite() + std::max<qint64>(queued.value_or(0), 0);
    const qint64 sent = std::clamp(m_blockTotal - left, qint64(0), m_blockTotal);
    if (sent > m_blockSent || left == 0) {
        m_blockSent = std::max(sent, m_blockSent);
        emit blockProgress(left == 0 ? m_blockTotal : m_blockSent, m_blockTotal);
    }
    if (left == 0) endBlock(true);
}

std::optional<qint64> QtSerialLine::kernelOutputQueue(qintptr handle)
{
    int queued = 0;
    if (handle < 0 || ::ioctl(int(handle), TIOCOUTQ, &queued) != 0) return std::nullopt;
    return queued;
}

void QtSerialLine::fail(const QString &reason)
{
    m_lastError = reason;
    qCWarning(lcSerial) << "port" << m_port.portName() << ":" << reason;
}

void QtSerialLine::endBlock(bool written)
{
    m_drainPoll.stop();
    m_blockDeadline.stop();
    m_blockActive = false;
    m_blockSent = 0;
    m_blockTotal = 0;
    if (written)
        emit blockWritten();
    else
        emit blockFailed();
}

void QtSerialLine::onError(QSerialPort::SerialPortError error)
{
    const int cause = errno;  // still the failed call's: the port reports from inside it
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::DeviceNotFoundError:
        // A pulled adapter keeps signalling these; close at once so the
        // event loop is not flooded, and let the presence check break the link.
        if (!m_port.isOpen()) break;
        // A driver whose buffer is full says so as a resource error; the bytes wait in
        // QSerialPort's own buffer and go out when the device takes them again.
        if (error == QSerialPort::ResourceError && (cause == EAGAIN || cause == EWOULDBLOCK)) {
            m_port.clearError();
            break;
        }
        fail(m_port.errorString());
        close();
        emit lost(m_lastError);
        break;
    default:
        break;
    }
}

}  // namespace tavro::platform
