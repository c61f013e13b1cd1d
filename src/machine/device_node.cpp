#include "machine/device_node.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {
namespace {

QString userName(uid_t uid)
{
    const passwd *entry = ::getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

QString groupName(gid_t gid)
{
    const group *entry = ::getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

bool hasGroupNow(gid_t gid)
{
    if (::getegid() == gid) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int read = ::getgroups(count, groups.data());
    for (int i = 0; i < read; ++i)
        if (groups[static_cast<std::size_t>(i)] == gid) return true;
    return false;
}

// As the user database says, which applies from the next login.
bool listedInGroup(gid_t gid)
{
    const passwd *user = ::getpwuid(::getuid());
    if (!user) return false;
    const QByteArray name(user->pw_name);
    const gid_t primary = user->pw_gid;
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(name.constData(), primary, groups.data(), &count) < 0) {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(name.constData(), primary, groups.data(), &count) < 0) return false;
    }
    groups.resize(static_cast<std::size_t>(count));
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

// A line of /proc/tty/drivers ("usbserial  /dev/ttyUSB  188 0-511 serial") that serves the
// device number; the controlling terminal, the console and pseudo-terminal masters serve no port.
bool servesPort(const QByteArray &line, unsigned majorNumber, unsigned minorNumber)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 5 || fields[4].startsWith("system") || fields[4] == "pty:master")
        return false;
    bool ok = false;
    if (fields[2].toUInt(&ok) != majorNumber || !ok) return false;
    const QList<QByteArray> minors = fields[3].split('-');
    const unsigned first = minors.first().toUInt(&ok);
    if (!ok) return false;
    const unsigned last = minors.size() == 2 ? minors.last().toUInt(&ok) : first;
    return ok && minorNumber >= first && minorNumber <= last;
}

}  // namespace

NodeAccess nodeAccess(const QString &node)
{
    NodeAccess access;
    struct stat info {};
    if (::stat(QFile::encodeName(node).constData(), &info) != 0) return access;
    access.known = true;
    access.owner = userName(info.st_uid);
    access.group = groupName(info.st_gid);
    access.mode = info.st_mode & 0777;
    access.inGroup = hasGroupNow(info.st_gid);
    access.inGroupAtNextLogin = access.inGroup || listedInGroup(info.st_gid);
    return access;
}

int openError(const QString &node)
{
    const int fd =
        ::open(QFile::encodeName(node).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int exclusive = 0;
    // Root gets through another program's TIOCEXCL, and the probe would write to its port.
    const bool held = ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    ::close(fd);
    return held ? EBUSY : 0;
}

bool isTerminalDevice(const QString &node)
{
    struct stat info {};
    if (::stat(QFile::encodeName(node).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    QFile drivers(u"/proc/tty/drivers"_s);
    if (!drivers.open(QIODevice::ReadOnly))
        return node.startsWith(u"/dev/pts/"_s) ||
               (node.startsWith(u"/dev/tty"_s) && node.size() > 8);
    const auto lines = drivers.readAll().split('\n');
    return std::any_of(lines.begin(), lines.end(), [&info](const QByteArray &line) {
        return servesPort(line, major(info.st_rdev), minor(info.st_rdev));
    });
}

QString modeText(unsigned mode)
{
    QString text;
    const char16_t letters[] = u"rwx";
    for (int bit = 8; bit >= 0; --bit)
        text += (mode >> bit) & 1 ? QChar(letters[2 - bit % 3]) : u'-';
    return text;
}

}  // namespace tavro::machine
