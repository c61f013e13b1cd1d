// Writes a file whole or not at all, so a full disk or a failed write never leaves half a file.
#pragma once

#include <QByteArray>
#include <QString>

namespace tavro::platform {

// Through a temporary file beside the target, renamed over it only once every byte is on disk.
// Empty when written; otherwise why not, and the old file, if any, is as it was.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

}  // namespace tavro::platform
