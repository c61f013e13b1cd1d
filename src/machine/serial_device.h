// What the connection check knows of one serial device, and what stands in its way.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavro::machine {

// A process seen holding a device (in /proc/*/fd), or running and suspected of it.
struct HoldingProcess {
    enum class Kind { Brltty, ModemManager, ThisProgram, Other };
    qint64 pid = 0;
    QString name;  // as /proc/PID/comm gives it

    Kind kind() const;
    friend bool operator==(const HoldingProcess &, const HoldingProcess &) = default;
};

// The device node's owner and mode, and the user's standing with its group.
struct NodeAccess {
    bool known = false;
    QString owner;
    QString group;
    unsigned mode = 0;                // the permission bits
    bool inGroup = false;             // this process has the group now
    bool inGroupAtNextLogin = false;  // the user database lists the user in it
};

enum class Verdict {
    Connected,       // this program's link uses it as the identified machine
    Found,           // it answered with the expected product id
    NoPermission,    // the user may not open it
    Held,            // another program has it open
    NoAnswer,        // it opens, but the identification gets no reply
    WrongMachine,    // it answered with another product id
    NoSerialDevice,  // a USB-serial bridge is plugged in, but no serial device was made for it
    CannotOpen,      // it fails to open for another reason (see `reason`)
};

// What the serial-access helper can do about a verdict.
enum class Fix { None, AllowAccess, JoinDialout, StopBrltty };

struct SerialDevice {
    QString path;        // as the port table names it; empty for a bridge without a device
    int portNumber = 0;  // COM n; 0 for a bridge without a device
    QString node;        // the device node `path` leads to
    // From the USB device behind it; absent for other devices.
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString manufacturer;
    QString description;
    NodeAccess access;
    // The udev rule of the package grants access to this kind of device.
    bool coveredByAccessRule = false;
    QList<HoldingProcess> holders;
    // False when nobody could be seen holding it and `holders` are only running suspects.
    bool holdersSeen = true;
    Verdict verdict = Verdict::NoAnswer;
    Fix fix = Fix::None;
    int answeredProductId = 0;
    QString reason;  // the system's words for a failed open
};

struct DiagnosisReport {
    QList<SerialDevice> devices;
    bool accessRuleInstalled = false;
    bool brlttyRuleMasked = false;

    // A machine of this kind answered, or the link already uses one.
    bool machineFound() const;
};

// The serial-access helper's arguments for a fix; empty for Fix::None and Fix::AllowAccess.
QStringList helperArguments(Fix fix);

}  // namespace tavro::machine
