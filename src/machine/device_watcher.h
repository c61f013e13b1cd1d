// Tells when a device the scan would try appears or goes: udev for device nodes, a file-system
// watch for the table's paths outside /dev (TAVRO_PORTS, the simulated engraver's link).
#pragma once

#include "platform/port_table.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace tavro::machine {

class DeviceWatcher final : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatcher(const platform::PortTable &table, QObject *parent = nullptr);
    ~DeviceWatcher() override;

    // False where udev runs no service (containers, chroots): then devices under /dev are
    // noticed only by the scan's own retries.

    // The table's name for a device udev reports: its node or one of its links; empty when
    // the table has neither.
    static QString tablePathOf(const QStringList &tablePaths, const QString &node,
                               const QStringList &links);

signals:
    void candidateAppeared(const QString &path);
    void candidateRemoved(const QString &path);

private:
    struct UdevDeleter {
        void operator()(udev *context) const;
        void operator()(udev_monitor *monitor) const;
    };

    void watchUdev();
    void onUdevEvent();
    void onFolderChanged();

    QStringList m_paths;
    QStringList m_files;  // the paths outside /dev
    QSet<QString> m_present;
    QFileSystemWatcher m_folders;
    std::unique_ptr<udev, UdevDeleter> m_udev;
    std::unique_ptr<udev_monitor, UdevDeleter> m_monitor;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace tavro::machine
