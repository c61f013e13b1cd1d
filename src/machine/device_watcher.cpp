#include "machine/device_watcher.h"

#include "platform/logging.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <cstring>

#include <libudev.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {

void DeviceWatcher::UdevDeleter::operator()(udev *context) const
{
    udev_unref(context);
}

void DeviceWatcher::UdevDeleter::operator()(udev_monitor *monitor) const
{
    udev_monitor_unref(monitor);
}

DeviceWatcher::DeviceWatcher(const platform::PortTable &table, QObject *parent) : QObject(parent)
{
    for (int n = 1; n <= platform::PortTable::PortCount; ++n) {
        const QString path = table.devicePath(n);
        if (path.isEmpty() || m_paths.contains(path)) continue;
        m_paths << path;
        if (path.startsWith(u"/dev/"_s)) continue;
        m_files << path;
        if (QFileInfo::exists(path)) m_present.insert(path);
        const QString folder = QFileInfo(path).absolutePath();
        if (!m_folders.directories().contains(folder) && !m_folders.addPath(folder))
            qCDebug(lcSerial) << "cannot watch" << folder << "for" << path;
    }
    connect(&m_folders, &QFileSystemWatcher::directoryChanged, this,
            &DeviceWatcher::onFolderChanged);
    watchUdev();
}

DeviceWatcher::~DeviceWatcher() = default;

void DeviceWatcher::watchUdev()
{
    // The monitor would open, but nothing would ever arrive.
    if (::access("/run/udev/control", F_OK) != 0) {
        qCDebug(lcSerial) << "udev is not running; new adapters are found by the scan's retries";
        return;
    }
    m_udev.reset(udev_new());
    if (m_udev) m_monitor.reset(udev_monitor_new_from_netlink(m_udev.get(), "udev"));
    if (!m_monitor) {
        qCWarning(lcSerial) << "cannot watch udev for new adapters: no monitor";
        return;
    }
    int result = udev_monitor_filter_add_match_subsystem_devtype(m_monitor.get(), "tty", nullptr);
    if (result >= 0) result = udev_monitor_enable_receiving(m_monitor.get());
    if (result < 0) {
        qCWarning(lcSerial) << "cannot watch udev for new adapters:" << std::strerror(-result);
        m_monitor.reset();
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(m_monitor.get()),
                                                   QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &DeviceWatcher::onUdevEvent);
}

QString DeviceWatcher::tablePathOf(const QStringList &tablePaths, const QString &node,
                                   const QStringList &links)
{
    if (tablePaths.contains(node)) return node;
    for (const QString &link : links)
        if (tablePaths.contains(link)) return link;
    return {};
}

// udev tells after its rules ran, so the node already has the permissions they give.
void DeviceWatcher::onUdevEvent()
{
    udev_device *device = udev_monitor_receive_device(m_monitor.get());
    if (!device) return;
    const char *action = udev_device_get_action(device);
    const char *node = udev_device_get_devnode(device);
    QStringList links;
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_devlinks_list_entry(device))
    {
        links << QString::fromLocal8Bit(udev_list_entry_get_name(entry));
    }
    const QString path =
        node ? tablePathOf(m_paths, QString::fromLocal8Bit(node), links) : QString();
    const QByteArray what = action ? QByteArray(action) : QByteArray();
    udev_device_unref(device);
    if (path.isEmpty()) return;
    if (what == "add") {
        qCDebug(lcSerial) << path << "appeared";
        emit candidateAppeared(path);
    } else if (what == "remove") {
        qCDebug(lcSerial) << path << "went";
        emit candidateRemoved(path);
    }
}

void DeviceWatcher::onFolderChanged()
{
    for (const QString &path : std::as_const(m_files)) {
        const bool present = QFileInfo::exists(path);
        if (present == m_present.contains(path)) continue;
        if (present) {
            m_present.insert(path);
            emit candidateAppeared(path);
        } else {
            m_present.remove(path);
            emit candidateRemoved(path);
        }
    }
}

}  // namespace tavro::machine
