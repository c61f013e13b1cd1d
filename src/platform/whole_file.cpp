#include "platform/whole_file.h"

#include <QSaveFile>

#include <cerrno>

#include <unistd.h>

namespace tavro::platform {

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails write() itself: QSaveFile::commit() (Qt 6.4) does
    // not see an error in its own last flush, and would rename a cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    // A write cut short by a full disk reports no error; the next one gives the reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) break;
        written += count;
    }
    QString reason;
    if (written != bytes.size()) {
        reason = file.errorString();
    } else if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        // Network and some other file systems only report lack of space here.
        reason = qt_error_string(errno);
    }
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace tavro::platform
