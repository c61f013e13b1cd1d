// USB-serial bridges that are plugged in but have no serial device (brltty took them, or no
// driver did), found through libudev.
#pragma once

#include <QList>
#include <QString>

namespace tavro::machine {

struct UsbBridge {
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString manufacturer;
    QString product;
    QString sysName;  // the USB device's name in sysfs, e.g. "1-1.2"
};

// Empty where udev cannot be asked.
QList<UsbBridge> usbBridgesWithoutPort();

}  // namespace tavro::machine
