// A name for the machine behind a serial device that stays the same across replugging.
#pragma once

#include <QString>

namespace tavro::machine {

// The device's /dev/serial/by-id name where it has one (USB maker, product and serial), else
// the USB vendor, product and serial number, else the device path itself. A USB adapter's
// node number follows the order of plugging and names no machine.
QString machineIdentity(const QString &devicePath);

// Sixteen hex digits for an identity, however odd its characters: for file and key names.
QString machineHash(const QString &identity);

}  // namespace tavro::machine
