#include "machine/machine_identity.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {

QString machineIdentity(const QString &devicePath)
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty()) return u"port:"_s + devicePath;
    const QDir byId(u"/dev/serial/by-id"_s);
    for (const QFileInfo &entry : byId.entryInfoList(QDir::System | QDir::Files)) {
        if (entry.canonicalFilePath() == device) return u"by-id:"_s + entry.fileName();
    }
    const QSerialPortInfo info(device);
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
        return u"usb:%1:%2:%3"_s.arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
            .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
            .arg(info.serialNumber());
    }
    return u"port:"_s + devicePath;
}

QString machineHash(const QString &identity)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

}  // namespace tavro::machine
