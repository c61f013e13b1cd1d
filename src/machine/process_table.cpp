#include "machine/process_table.h"

#include "machine/device_node.h"

#include <QFile>

#include <dirent.h>
#include <unistd.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {
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

// The device node of each of a process's open descriptors, and the pseudo-terminals whose master
// side it has open, which it serves as a device rather than holds; empty when they cannot be read.
struct OpenFiles {
    QStringList nodes;
    QStringList served;

    // A server keeps one descriptor of its own slave side (the simulated engraver does); any
    // more, as when the program probes the engraver it simulates, hold it.
    bool holds(const QString &node) const
    {
        return nodes.count(node) > (served.contains(node) ? 1 : 0);
    }
};

// "/dev/pts/N" for a master descriptor, from the "tty-index:" line of its fdinfo.
QString servedTerminal(const QByteArray &pidFolder, const char *fd)
{
    QFile info(QString::fromLocal8Bit(pidFolder + "/fdinfo/" + fd));
    if (!info.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray &line : info.readAll().split('\n')) {
        if (line.startsWith("tty-index:"))
            return u"/dev/pts/"_s + QString::fromLatin1(line.mid(10).trimmed());
    }
    return {};
}

OpenFiles openFiles(const QByteArray &pidFolder)
{
    OpenFiles files;
    const QByteArray fdFolder = pidFolder + "/fd";
    const Directory fds = openDirectory(fdFolder);
    if (!fds) return files;
    while (const dirent *entry = ::readdir(fds.get())) {
        if (entry->d_name[0] == '.') continue;
        char target[4096];
        const QByteArray link = fdFolder + '/' + entry->d_name;
        const ssize_t size = ::readlink(link.constData(), target, sizeof target);
        if (size <= 5 || size == sizeof target) continue;
        const QByteArray path(target, size);
        if (path == "/dev/ptmx" || path == "/dev/pts/ptmx") {
            const QString terminal = servedTerminal(pidFolder, entry->d_name);
            if (!terminal.isEmpty()) files.served << terminal;
        } else if (path.startsWith("/dev/")) {
            files.nodes << QString::fromLocal8Bit(path);
        }
    }
    return files;
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
        const OpenFiles files = openFiles(folder);
        for (const QString &node : files.nodes) {
            if (!files.holds(node)) continue;
            QList<HoldingProcess> &holders = m_holders[node];
            if (!holders.contains(process)) holders << process;
        }
    }
}

QList<HoldingProcess> ProcessTable::holdersOf(const QString &node) const
{
    // Every process has /dev/null open; none of them holds a port.
    if (!isTerminalDevice(node)) return {};
    return m_holders.value(node);
}

QList<HoldingProcess> ProcessTable::suspects() const
{
    return m_suspects;
}

bool ProcessTable::openHere(const QString &node)
{
    if (!isTerminalDevice(node)) return false;
    const OpenFiles files = openFiles("/proc/self");
    return files.holds(node);
}

}  // namespace tavro::machine
