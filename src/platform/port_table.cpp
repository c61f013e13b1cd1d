#include "platform/port_table.h"

#include "platform/port_lister.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {

PortTable::PortTable()
{
    for (int i = 0; i < 16; ++i) m_devices << u"/dev/ttyUSB%1"_s.arg(i);
    for (int i = 0; i < 16; ++i) m_devices << u"/dev/ttyACM%1"_s.arg(i);
    for (int i = 0; i < 32; ++i) m_devices << u"/dev/ttyS%1"_s.arg(i);
}

PortTable::PortTable(QStringList devices) : m_devices(std::move(devices))
{
    if (m_devices.size() > PortCount) m_devices.resize(PortCount);
}

PortTable PortTable::fromEnvironment()
{
    const QString ports = qEnvironmentVariable("TAVRO_PORTS");
    if (ports.isEmpty()) return PortTable();
    return PortTable(ports.split(u':'));
}

PortTable PortTable::withFirst(const QString &device) const
{
    QStringList devices = m_devices;
    devices.prepend(device);
    return PortTable(devices);
}

QString PortTable::devicePath(int portNumber) const
{
    if (portNumber < 1 || portNumber > m_devices.size()) return {};
    return m_devices.at(portNumber - 1);
}

bool PortTable::isPresent(int portNumber) const
{
    const QString path = devicePath(portNumber);
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString PortTable::presentPortList() const
{
    QString list;
    for (int n = 1; n <= m_devices.size(); ++n) {
        if (isPresent(n)) list += u"COM%1A"_s.arg(n);
    }
    return list;
}

QString portDisplayName(int portNumber, const QString &devicePath)
{
    const QString name = u"COM%1"_s.arg(portNumber);
    return devicePath.isEmpty() ? name : name + u" ("_s + devicePath + u")"_s;
}

}  // namespace tavro::platform
