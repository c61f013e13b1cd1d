// The far side of a serial line: a pseudo-terminal master read and written by hand.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tavro::test {

class PtyFarEnd {
public:
    explicit PtyFarEnd(const QString &link)
    {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(m_slave, &t);
        cfmakeraw(&t);
        tcsetattr(m_slave, TCSANOW, &t);
        fcntl(m_master, F_SETFL, O_NONBLOCK);
        QFile::link(QString::fromLocal8Bit(name), link);
        m_link = link;
    }
    ~PtyFarEnd() { unplug(); }
    void unplug()
    {
        if (m_master >= 0) ::close(m_master);
        if (m_slave >= 0) ::close(m_slave);
        m_master = m_slave = -1;
        QFile::remove(m_link);
    }
    QByteArray readSome()
    {
        QByteArray out;
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n <= 0) break;
            out.append(buf, n);
        }
        return out;
    }
    // Writes what the pty takes now; the rest is the caller's to retry.
    qsizetype send(const QByteArray &bytes)
    {
        const ssize_t n = ::write(m_master, bytes.data(), static_cast<size_t>(bytes.size()));
        return n < 0 ? 0 : n;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_link;
};

}  // namespace tavro::test
