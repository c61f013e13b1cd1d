// The machine's fixed line settings, for every port that talks to it: 57600 8N1, no flow
// control, RTS held.
#pragma once

class QSerialPort;

namespace tavro::platform {

inline constexpr int LineBitsPerSecond = 57600;

// Opens the named port for reading and writing with the line settings. False when it will
// not open: the port's errorString() says why.
bool openWithLineSettings(QSerialPort &port);

}  // namespace tavro::platform
