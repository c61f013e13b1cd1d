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

// Done when the file is a regular file of a size worth reading.
Outcome checkWorthReading(const struct stat &info, qint64 maxBytes)
{
    if (S_ISDIR(info.st_mode)) return Outcome::failed(u"a folder, not a file"_s);
    if (!S_ISREG(info.st_mode)) return Outcome::failed(u"not a regular file"_s);
    if (info.st_size > maxBytes) return Outcome::failed(u"the file is too large"_s);
    return Outcome::done();
}

}  // namespace

Outcome writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails write() itself: QSaveFile::commit() (Qt 6.4) does
    // not see an error in its own last flush, and would rename a cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Outcome::failed(file.errorString());
    // A write cut short by a full disk reports no error; the next one gives the reason.
    qint64 count = 0;
    while (count < bytes.size()) {
        const qint64 more = file.write(bytes.constData() + count, bytes.size() - count);
        if (more <= 0) break;
        count += more;
    }
    Outcome written = Outcome::done();
    if (count != bytes.size()) {
        written = Outcome::failed(file.errorString());
    } else if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        // Network and some other file systems only report lack of space here.
        written = Outcome::failed(qt_error_string(errno));
    }
    if (!written) {
        file.cancelWriting();
        return written;
    }
    return file.commit() ? Outcome::done() : Outcome::failed(file.errorString());
}

Outcome openRegularFile(const QString &path, qint64 maxBytes, QFile &file, bool *missing)
{
    if (missing) *missing = false;
    const QByteArray native = fileNameBytes(path);
    const auto systemReason = [missing] {
        const int error = errno;
        const bool gone = error == ENOENT || error == ENOTDIR;
        if (missing) *missing = gone;
        return Outcome::failed(gone ? u"no such file"_s : qt_error_string(error));
    };
    // A NUL would end the name early and open another file.
    if (native.isEmpty() || native.contains('\0')) {
        errno = ENOENT;
        return systemReason();
    }
    struct stat named {};
    if (::stat(native.constData(), &named) != 0) return systemReason();
    if (Outcome worth = checkWorthReading(named, maxBytes); !worth) return worth;

    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return systemReason();
    // Checked again once open, in case the name was given to another file in between.
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino || !checkWorthReading(opened, maxBytes)) {
        ::close(fd);
        return Outcome::failed(u"the file changed while it was opened"_s);
    }
    // From here the file owns the descriptor, whether it opens or not.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Outcome::failed(file.errorString());
    return Outcome::done();
}

Outcome readWholeFile(const QString &path, qint64 maxBytes, QByteArray &bytes, bool *missing)
{
    QFile file;
    Outcome read = openRegularFile(path, maxBytes, file, missing);
    // One byte more than it had when opened shows a file that grew in the meantime.
    qint64 got = 0;
    if (read) {
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
            read = Outcome::failed(file.errorString());
        else if (got > maxBytes)
            read = Outcome::failed(u"the file is too large"_s);
    }
    bytes.resize(read ? got : 0);
    return read;
}

}  // namespace tavro::platform
