#include "platform/device_node.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {
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
    ::close(fd);
    return 0;
}

QString modeText(unsigned mode)
{
    QString text;
    const char16_t letters[] = u"rwx";
    for (int bit = 8; bit >= 0; --bit)
        text += (mode >> bit) & 1 ? QChar(letters[2 - bit % 3]) : u'-';
    return text;
}

}  // namespace tavro::platform
