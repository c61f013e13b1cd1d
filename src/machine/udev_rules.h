// The udev rules that decide who may open an adapter and whether brltty claims it.
#pragma once

#include <QString>

namespace tavro::machine {

// The first line of the rules the serial-access helper writes over brltty's (--fix-brltty).
inline constexpr char BrlttyOverrideMark[] = "# tavro-serial-access --fix-brltty";

// `root` is prefixed to the system's folders ("" for the system itself; tests give a folder).
class UdevRules {
public:
    explicit UdevRules(QString root = {});

    // The package's rule (70-tavro-serial.rules) is in place and not hidden by an empty file or
    // a link to /dev/null of the same name in a folder udev reads first.
    bool accessRuleInstalled() const;
    // The helper's copy of a brltty rule without the USB-serial bridges is in place.
    bool brlttyRuleMasked() const;

private:
    QString m_root;
};

}  // namespace tavro::machine
