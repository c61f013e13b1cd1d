// Which processes have which device nodes open (from /proc/*/fd), and which run, by name.
#pragma once

#include "machine/serial_device.h"

#include <QHash>

namespace tavro::machine {

class ProcessTable {
public:
    // Reads /proc once. A normal user sees the descriptors of his own processes only; the
    // names of all.
    ProcessTable();

    // Processes other than this one that have `node` open, when it is a terminal. A process
    // that has the master side of a pseudo-terminal open is its device, like the simulated
    // engraver: the one descriptor of the slave side it keeps does not count.
    QList<HoldingProcess> holdersOf(const QString &node) const;
    // Running processes, other than this one, that often hold serial ports: brltty,
    // ModemManager, another copy of this program.
    QList<HoldingProcess> suspects() const;
    // This process has the terminal `node` open now (its own link may be probing it).
    static bool openHere(const QString &node);

private:
    QHash<QString, QList<HoldingProcess>> m_holders;
    QList<HoldingProcess> m_suspects;
};

}  // namespace tavro::machine
