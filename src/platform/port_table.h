// Maps the link's port numbers COM1..COM64 to device nodes, and lists the present ones.
#pragma once

#include <QString>
#include <QStringList>

namespace tavro::platform {

class PortTable {
public:
    static constexpr int PortCount = 64;

    // COM1-16 = /dev/ttyUSB0-15, COM17-32 = /dev/ttyACM0-15, COM33-64 = /dev/ttyS0-31.
    PortTable();
    // COM1 is devices[0], COM2 devices[1] and so on; the rest have no device.
    explicit PortTable(QStringList devices);
    // TAVRO_PORTS (device paths separated by ':') replaces the default table.
    static PortTable fromEnvironment();

    // A table with `device` as COM1 and every other entry moved one up.
    PortTable withFirst(const QString &device) const;

    // Empty for numbers outside 1..64 and for unused entries.
    QString devicePath(int portNumber) const;
    bool isPresent(int portNumber) const;
    // "COM" + n + "A" for every n whose device node exists now, e.g. "COM1ACOM7A".
    QString presentPortList() const;

private:
    QStringList m_devices;
};

}  // namespace tavro::platform
