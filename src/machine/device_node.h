// A device node as the system sees it: owner, group and mode, and whether it opens.
#pragma once

#include "machine/serial_device.h"

namespace tavro::machine {

// The owner, group and mode of `node`, and whether this user is in its group.
NodeAccess nodeAccess(const QString &node);

// Opens `node` the way the scan does (read-write, no controlling terminal, without waiting),
// closes it again at once and returns 0, or the errno of the failed open. Nothing is written.
// A terminal another program holds exclusively is EBUSY even where root may open it anyway.
int openError(const QString &node);

// A terminal, as serial ports are: a character device that a tty driver of the kernel serves,
// other than /dev/tty, /dev/console and /dev/ptmx. /dev/null is none.
bool isTerminalDevice(const QString &node);

// "rw-rw----" for 0660.
QString modeText(unsigned mode);

}  // namespace tavro::machine
