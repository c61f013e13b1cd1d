// The settings run keeps in Config.ini: the time model learnt on each machine.
#pragma once

#include "settings/setting.h"

namespace tavro::run {

// One key a machine: this and the hash of its identity (machine::machineHash), the name its
// kept job goes by too. The value is TimeModel::toText().
inline const settings::Setting<QString> MachineTimeModels{.section = u"TimeModel",
                                                          .key = u"Machine-"};

}  // namespace tavro::run
