#include "platform/process_table.h"

#include <QFile>

#include <dirent.h>
#include <unistd.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {
namespace {

using Directory = std::unique_ptr<DIR, int (*)(DIR *)>;

Directory openDirectory(const QByteArray &path)
{
    return Directory(::opendir(path.constData()), &::closedir);
}

QString commandName(const QByteArray &pidFolder)
{
    QFile file(QString::fromLocal8Bit(pidFolder + "/comm"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(file.readAll().trimmed());
}

// The device nodes among a process's open descriptors; empty when they cannot be read.
QStringList openNodes(const QByteArray &pidFolder)
{
    QStringList nodes;
    const QByteArray fdFolder = pidFolder + "/fd";
    const Directory fds = openDirectory(fdFolder);
    if (!fds) return nodes;
    while (const dirent *entry = ::readdir(fds.get())) {
        if (entry->d_name[0] == '.') continue;
        char target[4096];
        const QByteArray link = fdFolder + '/' + entry->d_name;
        const ssize_t size = ::readlink(link.constData(), target, sizeof target);
        if (size <= 5 || size == sizeof target) continue;
        const QByteArray path(target, size);
        if (path.startsWith("/dev/")) nodes << QString::fromLocal8Bit(path);
    }
    return nodes;
}

bool isNumber(const char *name)
{
    if (!*name) return false;
    for (; *name; ++name)
        if (*name < '0' || *name > '9') return false;
    return true;
}

}  // namespace

ProcessTable::ProcessTable()
{
    const qint64 self = ::getpid();
    const Directory proc = openDirectory("/proc");
    if (!proc) return;
    while (const dirent *entry = ::readdir(proc.get())) {
        if (!isNumber(entry->d_name)) continue;
        const qint64 pid = QByteArray(entry->d_name).toLongLong();
        if (pid == self) continue;
        const QByteArray folder = "/proc/" + QByteArray(entry->d_name);
        const HoldingProcess process{pid, commandName(folder)};
        if (process.kind() != HoldingProcess::Kind::Other) m_suspects << process;
        for (const QString &node : openNodes(folder)) {
            QList<HoldingProcess> &holders = m_holders[node];
            if (!holders.contains(process)) holders << process;
        }
    }
}

QList<HoldingProcess> ProcessTable::holdersOf(const QString &node) const
{
    return m_holders.value(node);
}

QList<HoldingProcess> ProcessTable::suspects() const
{
    return m_suspects;
}

bool ProcessTable::openHere(const QString &node)
{
    return openNodes("/proc/self").contains(node);
}

}  // namespace tavro::platform
