#include "platform/runtime_folder.h"

#include "platform/file_name.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {
namespace {

// The folder itself, not where a link would lead.
bool isPrivate(const QString &folder)
{
    struct stat status = {};
    return ::lstat(fileNameBytes(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

}  // namespace

RuntimeFolder::RuntimeFolder(const QString &runtimeDir, const QString &tempFolder)
{
    if (!runtimeDir.isEmpty() && isPrivate(runtimeDir)) {
        m_path = runtimeDir;
        return;
    }
    const QString stable = QDir(tempFolder).filePath(u"tavro-%1"_s.arg(::geteuid()));
    // Made here or found: either way it must be ours alone before anything goes in it.
    ::mkdir(fileNameBytes(stable).constData(), 0700);
    if (isPrivate(stable)) {
        m_path = stable;
        return;
    }
    QByteArray pattern = fileNameBytes(QString(stable + u"-XXXXXX"_s));
    if (::mkdtemp(pattern.data()) == nullptr) {
        m_error = u"cannot make a private folder in %1: %2"_s.arg(
            tempFolder, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_path = fileNameFromBytes(pattern);
    m_madeForThisRun = true;
}

RuntimeFolder::~RuntimeFolder()
{
    if (m_madeForThisRun) ::rmdir(fileNameBytes(m_path).constData());
}

}  // namespace tavro::platform
