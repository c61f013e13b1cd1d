#include "machine/usb_bridges.h"

#include "machine/connection_rules.h"

#include <QSet>

#include <libudev.h>

#include <memory>

namespace tavro::machine {
namespace {

struct UdevUnref {
    void operator()(udev *u) const { udev_unref(u); }
    void operator()(udev_enumerate *e) const { udev_enumerate_unref(e); }
    void operator()(udev_device *d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevUnref>;

QString attribute(udev_device *device, const char *name)
{
    const char *value = udev_device_get_sysattr_value(device, name);
    return value ? QString::fromLocal8Bit(value).trimmed() : QString();
}

// The sysfs paths of the devices in `subsystem` (and, if given, of that device type).
QStringList devicePaths(udev *context, const char *subsystem, const char *devtype = nullptr)
{
    QStringList paths;
    const UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context));
    if (!enumerate) return paths;
    udev_enumerate_add_match_subsystem(enumerate.get(), subsystem);
    if (devtype) udev_enumerate_add_match_property(enumerate.get(), "DEVTYPE", devtype);
    if (udev_enumerate_scan_devices(enumerate.get()) < 0) return paths;
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
    {
        paths << QString::fromLocal8Bit(udev_list_entry_get_name(entry));
    }
    return paths;
}

// The USB devices that have a tty below them.
QSet<QString> usbDevicesWithTty(udev *context)
{
    QSet<QString> owners;
    for (const QString &path : devicePaths(context, "tty")) {
        const UdevPtr<udev_device> tty(
            udev_device_new_from_syspath(context, path.toLocal8Bit().constData()));
        if (!tty) continue;
        // Owned by `tty`: no reference of its own.
        udev_device *usb =
            udev_device_get_parent_with_subsystem_devtype(tty.get(), "usb", "usb_device");
        if (usb) owners.insert(QString::fromLocal8Bit(udev_device_get_syspath(usb)));
    }
    return owners;
}

}  // namespace

QList<UsbBridge> usbBridgesWithoutPort()
{
    QList<UsbBridge> bridges;
    const UdevPtr<udev> context(udev_new());
    if (!context) return bridges;
    const QSet<QString> withTty = usbDevicesWithTty(context.get());
    for (const QString &path : devicePaths(context.get(), "usb", "usb_device")) {
        if (withTty.contains(path)) continue;
        const UdevPtr<udev_device> device(
            udev_device_new_from_syspath(context.get(), path.toLocal8Bit().constData()));
        if (!device) continue;
        bool vendorOk = false;
        bool productOk = false;
        const auto vendor = attribute(device.get(), "idVendor").toUShort(&vendorOk, 16);
        const auto product = attribute(device.get(), "idProduct").toUShort(&productOk, 16);
        if (!vendorOk || !productOk || !isUsbSerialBridge(vendor, product)) continue;
        bridges << UsbBridge{vendor, product, attribute(device.get(), "manufacturer"),
                             attribute(device.get(), "product"),
                             QString::fromLocal8Bit(udev_device_get_sysname(device.get()))};
    }
    return bridges;
}

}  // namespace tavro::machine
