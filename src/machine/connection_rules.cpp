#include "machine/connection_rules.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {
namespace {

constexpr std::array<std::pair<quint16, quint16>, 13> Bridges{{
    {0x1a86, 0x7523},  // CH340
    {0x1a86, 0x5523},  // CH341 in serial mode
    {0x1a86, 0x55d4},  // CH9102
    {0x10c4, 0xea60},  // CP2102/CP2104
    {0x10c4, 0xea70},  // CP2105
    {0x10c4, 0xea80},  // CP2108
    {0x0403, 0x6001},  // FT232R
    {0x0403, 0x6010},  // FT2232
    {0x0403, 0x6011},  // FT4232
    {0x0403, 0x6014},  // FT232H
    {0x0403, 0x6015},  // FT-X
    {0x067b, 0x2303},  // PL2303
    {0x067b, 0x23a3},  // PL2303GC
}};

constexpr std::array<quint16, 4> AccessRuleVendors{0x1a86, 0x10c4, 0x0403, 0x067b};

// "/dev/ttyUSB" followed by a number, and so on.
bool isNumbered(const QString &path, QStringView prefix)
{
    if (!path.startsWith(prefix) || path.size() == prefix.size()) return false;
    const QStringView number = QStringView(path).mid(prefix.size());
    return std::all_of(number.begin(), number.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool anyBrltty(const QList<HoldingProcess> &processes)
{
    return std::any_of(processes.begin(), processes.end(), [](const HoldingProcess &process) {
        return process.kind() == HoldingProcess::Kind::Brltty;
    });
}

}  // namespace

bool isUsbSerialBridge(quint16 vendorId, quint16 productId)
{
    return std::find(Bridges.begin(), Bridges.end(), std::pair{vendorId, productId}) !=
           Bridges.end();
}

bool coveredByAccessRule(const QString &node, std::optional<quint16> vendorId)
{
    if (isNumbered(node, u"/dev/ttyACM")) return true;
    return isNumbered(node, u"/dev/ttyUSB") && vendorId &&
           std::find(AccessRuleVendors.begin(), AccessRuleVendors.end(), *vendorId) !=
               AccessRuleVendors.end();
}

bool isBuiltInPort(const QString &path)
{
    return isNumbered(path, u"/dev/ttyS");
}

Verdict verdictForOpenError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return Verdict::NoPermission;
    case EBUSY:
        return Verdict::Held;
    default:
        return Verdict::CannotOpen;
    }
}

bool nodeVanished(int error)
{
    return error == ENOENT || error == ENODEV || error == ENXIO;
}

Verdict verdictForAnswer(int productId, int expectedProductId)
{
    return productId == expectedProductId ? Verdict::Found : Verdict::WrongMachine;
}

Fix fixFor(const SerialDevice &device, bool accessRuleInstalled, bool brlttyRuleMasked)
{
    switch (device.verdict) {
    case Verdict::NoPermission:
        // Joined already: only a new login brings the group; no helper can.
        if (device.access.inGroupAtNextLogin && !device.access.inGroup) return Fix::None;
        if (device.coveredByAccessRule && !accessRuleInstalled) return Fix::AllowAccess;
        // The rule works for whoever sits at the computer; the group also covers remote logins
        // and devices the rule does not name.
        if (device.access.group == u"dialout"_s) return Fix::JoinDialout;
        return Fix::None;
    case Verdict::Held:
    case Verdict::NoSerialDevice:
        return anyBrltty(device.holders) && !brlttyRuleMasked ? Fix::StopBrltty : Fix::None;
    case Verdict::Connected:
    case Verdict::Found:
    case Verdict::NoAnswer:
    case Verdict::WrongMachine:
    case Verdict::CannotOpen:
        break;
    }
    return Fix::None;
}

}  // namespace tavro::machine
