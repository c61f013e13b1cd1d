#include "machine/serial_device.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {

HoldingProcess::Kind HoldingProcess::kind() const
{
    if (name == u"brltty"_s) return Kind::Brltty;
    if (name == u"ModemManager"_s) return Kind::ModemManager;
    if (name == u"tavro"_s || name == u"tavro-burn"_s) return Kind::ThisProgram;
    return Kind::Other;
}

bool DiagnosisReport::machineFound() const
{
    return std::any_of(devices.begin(), devices.end(), [](const SerialDevice &device) {
        return device.verdict == Verdict::Found || device.verdict == Verdict::Connected;
    });
}

QStringList helperArguments(Fix fix)
{
    switch (fix) {
    case Fix::JoinDialout:
        return {u"--dialout"_s};
    case Fix::StopBrltty:
        return {u"--fix-brltty"_s};
    case Fix::None:
    case Fix::AllowAccess:
        break;
    }
    return {};
}

}  // namespace tavro::machine
