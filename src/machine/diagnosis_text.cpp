#include "machine/diagnosis_text.h"

#include "machine/device_node.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {
namespace {

QString hex4(quint16 value)
{
    return u"%1"_s.arg(value, 4, 16, QLatin1Char('0'));
}

QString usbIds(const SerialDevice &device)
{
    if (!device.vendorId || !device.productId) return {};
    return hex4(*device.vendorId) + u':' + hex4(*device.productId);
}

QString processText(const HoldingProcess &process)
{
    return u"%1 (PID %2)"_s.arg(process.name).arg(process.pid);
}

bool anyOfKind(const QList<HoldingProcess> &processes, HoldingProcess::Kind kind)
{
    return std::any_of(processes.begin(), processes.end(),
                       [kind](const HoldingProcess &process) { return process.kind() == kind; });
}

// The verdict that most likely explains a missing machine comes first in the summary.
int summaryRank(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Held:
        return 0;
    case Verdict::NoPermission:
        return 1;
    case Verdict::NoSerialDevice:
        return 2;
    case Verdict::WrongMachine:
        return 3;
    case Verdict::CannotOpen:
        return 4;
    case Verdict::NoAnswer:
        return 5;
    case Verdict::Connected:
    case Verdict::Found:
        break;
    }
    return 6;
}

}  // namespace

QString DiagnosisText::title(const SerialDevice &device)
{
    if (device.portNumber > 0) return u"COM%1  %2"_s.arg(device.portNumber).arg(device.path);
    return tr("USB adapter %1").arg(usbIds(device));
}

QString DiagnosisText::facts(const SerialDevice &device)
{
    const QString ids = usbIds(device);
    if (ids.isEmpty()) return tr("Not a USB device");
    QStringList parts{u"USB "_s + ids};
    for (const QString &text : {device.manufacturer, device.description})
        if (!text.isEmpty() && !parts.contains(text)) parts << text;
    return parts.join(u", "_s);
}

QString DiagnosisText::verdict(const SerialDevice &device)
{
    switch (device.verdict) {
    case Verdict::Connected:
        return tr("Connected: the program uses this machine.");
    case Verdict::Found:
        return tr("An engraver of this kind answers here.");
    case Verdict::NoPermission:
        return tr("You may not open this device.");
    case Verdict::Held:
        if (!device.holdersSeen || device.holders.isEmpty()) return tr("Held by another program.");
        if (device.holders.size() == 1 &&
            device.holders.first().kind() == HoldingProcess::Kind::ThisProgram)
            return tr("Held by another copy of Tavro Laser: %1.")
                .arg(processText(device.holders.first()));
        return tr("Held by %1.").arg(holdersText(device.holders));
    case Verdict::NoAnswer:
        return tr("No answer. Is the engraver switched on? Is it an engraver of this kind?");
    case Verdict::WrongMachine:
        // The link's own words for this answer, which the operator may know from its box.
        return u"Wrong Product ID. "_s +
               tr("It answers as product %1, not as an engraver of this kind.")
                   .arg(device.answeredProductId);
    case Verdict::NoSerialDevice:
        return tr("This USB-serial adapter is plugged in, but has no serial device.");
    case Verdict::CannotOpen:
        return tr("It does not open: %1.").arg(device.reason);
    }
    return {};
}

QString DiagnosisText::advice(const SerialDevice &device, const DiagnosisReport &report)
{
    switch (device.verdict) {
    case Verdict::NoPermission:
        return accessAdvice(device, report);
    case Verdict::Held:
        return heldAdvice(device, report);
    case Verdict::NoSerialDevice:
        if (anyOfKind(device.holders, HoldingProcess::Kind::Brltty))
            return tr("%1 has probably taken it for a braille display.")
                       .arg(holdersText(device.holders)) +
                   u' ' + brlttyAdvice(report);
        return tr("No driver has taken it. Unplug it and plug it in again.");
    case Verdict::Connected:
    case Verdict::Found:
    case Verdict::NoAnswer:
    case Verdict::WrongMachine:
    case Verdict::CannotOpen:
        break;
    }
    return {};
}

QString DiagnosisText::accessAdvice(const SerialDevice &device, const DiagnosisReport &report)
{
    QStringList lines;
    const NodeAccess &access = device.access;
    if (access.known) {
        lines << tr("It belongs to %1, group %2, mode %3.")
                     .arg(access.owner, access.group, modeText(access.mode));
        if (access.inGroup)
            lines << tr("You are in the group %1.").arg(access.group);
        else if (access.inGroupAtNextLogin)
            lines << tr("You were added to the group %1; that takes effect when you log in "
                        "again.")
                         .arg(access.group);
        else
            lines << tr("You are not in the group %1.").arg(access.group);
    }
    if (!device.coveredByAccessRule)
        lines << tr("The access rule of Tavro Laser does not cover this device.");
    else if (report.accessRuleInstalled)
        lines << tr(
            "The access rule of Tavro Laser is installed; it gives access to whoever "
            "sits at this computer, not to remote logins.");
    else
        lines << tr("The access rule of Tavro Laser is not installed.");
    if (device.fix == Fix::AllowAccess)
        lines << tr("Allow access installs it; you are asked for the administrator password.");
    else if (device.fix == Fix::JoinDialout)
        lines << tr("Joining the group %1 takes effect when you log in again.").arg(access.group);
    return lines.join(u' ');
}

QString DiagnosisText::heldAdvice(const SerialDevice &device, const DiagnosisReport &report)
{
    using Kind = HoldingProcess::Kind;
    if (!device.holdersSeen) {
        if (device.holders.isEmpty()) return tr("Close the program that uses it.");
        QString text = tr("Running now, and known to hold ports like this one: %1.")
                           .arg(holdersText(device.holders));
        if (anyOfKind(device.holders, Kind::Brltty)) text += u' ' + brlttyAdvice(report);
        return text;
    }
    if (anyOfKind(device.holders, Kind::Brltty)) return brlttyAdvice(report);
    if (anyOfKind(device.holders, Kind::ModemManager))
        return tr(
            "ModemManager tries new adapters as modems for a few seconds, then lets go. "
            "Check again in a moment.");
    if (anyOfKind(device.holders, Kind::ThisProgram))
        return tr("Close the other Tavro Laser window or tavro-burn.");
    return tr("Close that program, or make it let go of the port.");
}

QString DiagnosisText::brlttyAdvice(const DiagnosisReport &report)
{
    if (report.brlttyRuleMasked)
        return tr(
            "brltty's rule for these adapters is switched off already: unplug the adapter "
            "and plug it in again.");
    return tr(
        "brltty serves braille displays and takes USB-serial adapters of this kind for "
        "one. If you use no braille display, stop it taking them, then unplug the adapter "
        "and plug it in again.");
}

QString DiagnosisText::holdersText(const QList<HoldingProcess> &holders)
{
    QStringList names;
    for (const HoldingProcess &process : holders) names << processText(process);
    return names.join(u", "_s);
}

QString DiagnosisText::fixLabel(Fix fix)
{
    switch (fix) {
    case Fix::AllowAccess:
        return tr("Allow access");
    case Fix::JoinDialout:
        return tr("Join the group dialout");
    case Fix::StopBrltty:
        return tr("Stop brltty taking adapters");
    case Fix::None:
        break;
    }
    return {};
}

QString DiagnosisText::noDevices()
{
    return tr("No USB-serial adapter is connected.");
}

QString DiagnosisText::summary(const DiagnosisReport &report)
{
    if (report.machineFound()) return {};
    if (report.devices.isEmpty()) return tr("No machine: no USB-serial adapter is connected");
    const auto first = std::min_element(report.devices.begin(), report.devices.end(),
                                        [](const SerialDevice &a, const SerialDevice &b) {
                                            return summaryRank(a.verdict) < summaryRank(b.verdict);
                                        });
    return summaryOf(*first);
}

QString DiagnosisText::summaryOf(const SerialDevice &device)
{
    switch (device.verdict) {
    case Verdict::Held:
        if (device.holdersSeen && !device.holders.isEmpty())
            return tr("No machine: %1 is held by %2")
                .arg(device.path, processText(device.holders.first()));
        return tr("No machine: %1 is held by another program").arg(device.path);
    case Verdict::NoPermission:
        return tr("No machine: you may not open %1").arg(device.path);
    case Verdict::NoSerialDevice:
        return tr("No machine: the USB-serial adapter %1 has no serial device").arg(usbIds(device));
    case Verdict::WrongMachine:
        return tr("No machine: %1 answers with another product id").arg(device.path);
    case Verdict::CannotOpen:
        return tr("No machine: %1 does not open").arg(device.path);
    case Verdict::NoAnswer:
        return tr("No machine: %1 does not answer").arg(device.path);
    case Verdict::Connected:
    case Verdict::Found:
        break;
    }
    return {};
}

QString DiagnosisText::checkLink()
{
    return tr("Check…");
}

}  // namespace tavro::machine
