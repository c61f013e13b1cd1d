#include "platform/line_settings.h"

#include <QSerialPort>

namespace tavro::platform {

static_assert(LineBitsPerSecond == QSerialPort::Baud57600);

bool openWithLineSettings(QSerialPort &port)
{
    port.setBaudRate(LineBitsPerSecond);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) return false;
    // Pseudo-terminals and some adapters have no modem lines; that is fine.
    port.setRequestToSend(true);
    port.clearError();
    return true;
}

}  // namespace tavro::platform
