#include "platform/whole_file.h"

#include "platform/file_name.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {
namespace {

// Empty when the file is a regular file of a size worth reading.
QString refusal(const struct stat &info, qint64 maxBytes)
{
    if (S_ISDIR(info.st_mode)) return u"a folder, not a file"_s;
    if (!S_ISREG(info.st_mode)) return u"not a regular file"_s;
    if (info.st_size > maxBytes) return u"the file is too large"_s;
    return {};
}

}  // namespace

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

QString openRegularFile(const QString &path, qint64 maxBytes, QFile &file, bool *missing)
{
    if (missing) *missing = false;
    const QByteArray native = fileNameBytes(path);
    const auto systemReason = [missing] {
        const int error = errno;
        const bool gone = error == ENOENT || error == ENOTDIR;
        if (missing) *missing = gone;
        return gone ? u"no such file"_s : qt_error_string(error);
    };
    // A NUL would end the name early and open another file.
    if (native.isEmpty() || native.contains('\0')) {
        errno = ENOENT;
        return systemReason();
    }
    struct stat named {};
    if (::stat(native.constData(), &named) != 0) return systemReason();
    if (QString reason = refusal(named, maxBytes); !reason.isEmpty()) return reason;

    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return systemReason();
    // Checked again once open, in case the name was given to another file in between.
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino || !refusal(opened, maxBytes).isEmpty()) {
        ::close(fd);
        return u"the file changed while it was opened"_s;
    }
    // From here the file owns the descriptor, whether it opens or not.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return file.errorString();
    return {};
}

QString readWholeFile(const QString &path, qint64 maxBytes, QByteArray &bytes, bool *missing)
{
    QFile file;
    QString reason = openRegularFile(path, maxBytes, file, missing);
    // One byte more than it had when opened shows a file that grew in the meantime.
    qint64 got = 0;
    if (reason.isEmpty()) {
        bytes.resize(file.size() + 1);
        for (;;) {
            const qint64 count = file.read(bytes.data() + got, bytes.size() - got);
            if (count <= 0) break;
            got += count;
            if (got < bytes.size()) continue;
            if (got > maxBytes) break;
            bytes.resize(qMin(maxBytes + 1, 2 * bytes.size()));
        }
        if (file.error() != QFileDevice::NoError)
            reason = file.errorString();
        else if (got > maxBytes)
            reason = u"the file is too large"_s;
    }
    bytes.resize(reason.isEmpty() ? got : 0);
    return reason;
}

}  // namespace tavro::platform
