// The system's list of present serial ports, as the presence check reads it.
#pragma once

#include "platform/port_table.h"

#include <QString>

namespace tavro::platform {

// "COM1ACOM7A"; ok is false with a status code when the list could not be read.
struct PortList {
    bool ok = true;
    int status = 0;
    QString names;
};

class PortLister {
public:
    virtual ~PortLister() = default;
    virtual PortList presentPorts() const = 0;
    // The device node behind a port number; empty when there is none.
    virtual QString devicePath(int portNumber) const = 0;
};

// The ports of a port table whose device nodes exist now.
class PortTableLister final : public PortLister {
public:
    explicit PortTableLister(PortTable table) : m_table(std::move(table)) {}
    PortList presentPorts() const override { return {true, 0, m_table.presentPortList()}; }
    QString devicePath(int portNumber) const override { return m_table.devicePath(portNumber); }

private:
    PortTable m_table;
};

// How a port is named to the operator: "COM3 (/dev/ttyUSB2)", or "COM3" without a device.
QString portDisplayName(int portNumber, const QString &devicePath);

}  // namespace tavro::platform
