// Reads and writes files whole: a write is all or nothing, a read never blocks or runs away.
#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace tavro::platform {

// Through a temporary file beside the target, renamed over it only once every byte is on disk.
// When it fails, the old file, if any, is as it was.
Outcome writeWholeFile(const QString &path, const QByteArray &bytes);

// Opens the path for reading when it names a regular file (symbolic links followed) of at most
// maxBytes. A FIFO would block the open, a device could be endless or reset the machine on a
// serial port, so anything else is refused before it is opened. Done when `file` is open;
// otherwise why not, with `missing` set when nothing has that name.
Outcome openRegularFile(const QString &path, qint64 maxBytes, QFile &file, bool *missing = nullptr);

// The whole of such a file in `bytes`, whose buffer is reused; when it cannot be read, why not,
// and `bytes` is empty.
Outcome readWholeFile(const QString &path, qint64 maxBytes, QByteArray &bytes,
                      bool *missing = nullptr);

}  // namespace tavro::platform
