#include "pty_client.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>

namespace tavro::sim::test {

QByteArray frame(int code, int d1, int d2)
{
    return QByteArray{"\xFF"} + char(code) + char(d1) + char(d2);
}

QByteArray splitFrame(int code, int value)
{
    return frame(code, value / 100, value % 100);
}

PtyClient::PtyClient(const QString &path)
{
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) return;
    termios raw{};
    ::tcgetattr(m_fd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_fd, TCSANOW, &raw);
}

PtyClient::~PtyClient()
{
    if (m_fd >= 0) ::close(m_fd);
}

bool PtyClient::write(const QByteArray &bytes, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    qsizetype done = 0;
    while (isOpen() && done < bytes.size() && !clock.hasExpired(timeoutMs)) {
        const ssize_t put = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (put > 0) {
            done += put;
        } else if (put < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            pollfd out = {m_fd, POLLOUT, 0};
            ::poll(&out, 1, 50);
        }
    }
    return done == bytes.size();
}

QList<QByteArray> PtyClient::readFrames(qsizetype count, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (m_frames.size() < count && !clock.hasExpired(timeoutMs))
        if (!pump(50)) break;
    const QList<QByteArray> taken = m_frames.mid(0, std::min(count, m_frames.size()));
    m_frames.remove(0, taken.size());
    return taken;
}

QList<QByteArray> PtyClient::readFramesUntil(const QByteArray &last, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_frames.contains(last) && !clock.hasExpired(timeoutMs))
        if (!pump(50)) break;
    const qsizetype end = m_frames.indexOf(last);
    const QList<QByteArray> taken = m_frames.mid(0, end < 0 ? m_frames.size() : end + 1);
    m_frames.remove(0, taken.size());
    return taken;
}

QList<QByteArray> PtyClient::readFramesFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!clock.hasExpired(ms))
        if (!pump(10)) break;
    return std::exchange(m_frames, {});
}

bool PtyClient::waitForHangUp(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_hungUp && !clock.hasExpired(timeoutMs)) pump(50);
    return m_hungUp;
}

bool PtyClient::pump(int ms)
{
    if (!isOpen() || m_hungUp) return false;
    pollfd in = {m_fd, POLLIN, 0};
    if (::poll(&in, 1, ms) <= 0) return true;
    char buffer[4096];
    const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
    if (got > 0) {
        m_raw.append(buffer, got);
        for (ssize_t i = 0; i < got; ++i) assemble(buffer[i]);
        return true;
    }
    if (got == 0 || (errno != EAGAIN && errno != EINTR)) m_hungUp = true;
    return !m_hungUp;
}

void PtyClient::assemble(char byte)
{
    // As the program does: a start marker always begins a new frame.
    if (byte == char(0xFF)) m_partial.clear();
    m_partial.append(byte);
    if (m_partial.size() < 4) return;
    if (m_partial.at(0) == char(0xFF)) m_frames.append(m_partial);
    m_partial.clear();
}

bool upload(PtyClient &client, Engraver &engraver, const QByteArray &raster)
{
    const int before = engraver.imagesReceived();
    if (!client.write(frame(0x06)) || client.readFramesUntil(frame(0x05)).value(0) != frame(0x05))
        return false;
    return client.write(raster) &&
           engraver.waitFor([&] { return engraver.imagesReceived() > before; }, 10000);
}

}  // namespace tavro::sim::test
