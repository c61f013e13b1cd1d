#include "engraver-sim/pty_port.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim {

namespace {
QString systemError(const QString &what)
{
    return what + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
}

void setFlags(int fd, int statusFlags)
{
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | statusFlags);
}
}  // namespace

PtyPort::~PtyPort()
{
    close();
}

bool PtyPort::open(const QString &linkPath, QString *error)
{
    close();
    termios raw{};
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    ::cfsetspeed(&raw, B57600);
    if (::openpty(&m_master, &m_slave, nullptr, &raw, nullptr) != 0) {
        if (error) *error = systemError(u"cannot open a pseudo-terminal"_s);
        m_master = m_slave = -1;
        return false;
    }
    setFlags(m_master, O_NONBLOCK);
    setFlags(m_slave, 0);
    char name[128] = {};
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        if (error) *error = systemError(u"cannot name the pseudo-terminal"_s);
        close();
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    m_watch.watch(m_slavePath);
    m_linkPath = linkPath;
    if (!m_linkPath.isEmpty() && !makeLink(error)) {
        close();
        return false;
    }
    return true;
}

bool PtyPort::makeLink(QString *error)
{
    const QByteArray link = m_linkPath.toLocal8Bit();
    const auto refuse = [&](const QString &why) {
        if (error) *error = why;
        m_linkPath.clear();
        return false;
    };
    // The link itself, never what it leads to. One left by a simulator of ours is replaced; one
    // someone else made could lead the program to their device instead.
    struct stat existing = {};
    if (::lstat(link.constData(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode))
            return refuse(m_linkPath + u" exists and is not a symbolic link"_s);
        if (existing.st_uid != ::geteuid())
            return refuse(m_linkPath + u" is a symbolic link another user made"_s);
        ::unlink(link.constData());
    }
    if (::symlink(m_slavePath.toLocal8Bit().constData(), link.constData()) != 0)
        return refuse(systemError(u"cannot make the link "_s + m_linkPath));
    return true;
}

bool PtyPort::updateListeners()
{
    if (!m_watch.update()) return false;
    ::tcflush(m_slave, TCIFLUSH);
    ::ioctl(m_slave, TIOCNXCL);
    return true;
}

void PtyPort::close()
{
    m_watch.stop();
    // A link another simulator has taken over since is that one's to remove.
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_slavePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
    // Closing the master first hangs up whoever still holds the slave.
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
}

}  // namespace tavro::sim
