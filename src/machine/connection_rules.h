// The connection check's rules: which devices it lists, what an open or an answer means, and
// which fix helps.
#pragma once

#include "machine/serial_device.h"

namespace tavro::machine {

// The USB-serial bridges engravers are built with, which brltty also claims for braille displays.
// tools/serial-access keeps the same list for the brltty fix.
bool isUsbSerialBridge(quint16 vendorId, quint16 productId);
// The package's udev rule grants access to ttyACM* devices, and to ttyUSB* devices of the
// bridges' makers.
bool coveredByAccessRule(const QString &node, std::optional<quint16> vendorId);
// A built-in serial port (ttyS*): every PC has dozens of their nodes, whatever is plugged in.
bool isBuiltInPort(const QString &path);

// What an open that failed with this errno means; errors that say the node has gone are not
// asked about (see nodeVanished).
Verdict verdictForOpenError(int error);
bool nodeVanished(int error);
Verdict verdictForAnswer(int productId, int expectedProductId);

Fix fixFor(const SerialDevice &device, bool accessRuleInstalled, bool brlttyRuleMasked);

}  // namespace tavro::machine
