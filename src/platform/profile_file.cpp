#include "platform/profile_file.h"

#include "platform/file_name.h"
#include "platform/logging.h"
#include "platform/whole_file.h"

#include <QDeadlineTimer>
#include <QLockFile>

#include <sys/stat.h>
#include <algorithm>
#include <ctime>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {

namespace {

// QLockFile's own wait starts at 100 ms and doubles; writers that take turns every few
// milliseconds would spend most of their time asleep.
constexpr std::chrono::milliseconds LockPollLongest{8};
// File times are coarse: a file changed this recently could change again without its
// time or size showing it, so a copy of it is not trusted for the next read.
constexpr qint64 SettledNanoseconds = 2'000'000'000;

QString trimmedName(const QString &name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && ProfileText::isBlank(name.at(begin))) ++begin;
    while (end > begin && ProfileText::isBlank(name.at(end - 1))) --end;
    return name.mid(begin, end - begin);
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool storableSection(const QString &section)
{
    return !section.isEmpty() && !hasLineBreak(section);
}

// A key that begins like a comment or a section, or holds '=', would not read back.
bool storableKey(const QString &key)
{
    return !key.isEmpty() && !hasLineBreak(key) && !key.contains(u'=') && !key.startsWith(u';') &&
           !key.startsWith(u'[');
}

enum class Load { Ok, Missing, Failed };

// Anything but a missing file or a readable regular file of sane size is a failure,
// so that a write never replaces a file it could not read.
Load loadFile(const QString &path, QByteArray &bytes, QString *reason = nullptr)
{
    bool missing = false;
    const QString why = readWholeFile(path, ProfileFile::MaxFileSize, bytes, &missing);
    if (why.isEmpty()) return Load::Ok;
    if (missing) return Load::Missing;
    if (reason) *reason = u"cannot read it: "_s + why;
    return Load::Failed;
}

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Empty once the lock is held; otherwise why it could not be taken.
QString takeLock(QLockFile &lock)
{
    lock.setStaleLockTime(ProfileFile::StaleLockTime);
    const QDeadlineTimer deadline(ProfileFile::LockWait);
    for (std::chrono::milliseconds pause{1};; pause = std::min(pause * 2, LockPollLongest)) {
        if (lock.tryLock(0)) return {};
        if (lock.error() != QLockFile::LockFailedError) break;
        if (deadline.hasExpired()) return u"another program is still writing it"_s;
        std::this_thread::sleep_for(pause);
    }
    return lock.error() == QLockFile::PermissionError ? u"no permission to create its lock file"_s
                                                      : u"its lock file cannot be created"_s;
}

}  // namespace

// The file as last read, for as long as it stays the same.
struct ProfileFile::Copy {
    struct stat info {};
    bool trusted = false;
    ProfileText text;
};

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

ProfileFile::~ProfileFile() = default;

QString ProfileFile::read(const QString &section, const QString &key,
                          const QString &defaultValue) const
{
    const QString sectionName = trimmedName(section);
    const QString keyName = trimmedName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return defaultValue;
    struct stat info {};
    const bool exists = ::stat(fileNameBytes(m_path).constData(), &info) == 0;
    const bool same = m_copy && m_copy->trusted && exists && info.st_dev == m_copy->info.st_dev &&
                      info.st_ino == m_copy->info.st_ino && info.st_size == m_copy->info.st_size &&
                      nanoseconds(info.st_mtim) == nanoseconds(m_copy->info.st_mtim) &&
                      nanoseconds(info.st_ctim) == nanoseconds(m_copy->info.st_ctim);
    if (!same) {
        // Looked at before it is read: a file replaced in between is read again next time.
        m_copy.reset();
        QByteArray bytes;
        if (!exists || loadFile(m_path, bytes) != Load::Ok) return defaultValue;
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const qint64 changed = std::max(nanoseconds(info.st_mtim), nanoseconds(info.st_ctim));
        m_copy.reset(new Copy{info, nanoseconds(now) - changed > SettledNanoseconds,
                              ProfileText(std::move(bytes))});
    }
    return m_copy->text.value(sectionName, keyName).value_or(defaultValue);
}

bool ProfileFile::write(const QString &section, const QString &key, const QString &value)
{
    m_lastError.clear();
    const QString sectionName = trimmedName(section);
    const QString keyName = trimmedName(key);
    if (!storableSection(sectionName) || !storableKey(keyName) || hasLineBreak(value))
        return fail(u"[%1] %2 cannot be stored as a setting"_s.arg(section, key));

    // Held from reading to replacing, so no other writer's change is lost in between.
    QLockFile lock(m_path + u".lock"_s);
    QString reason = takeLock(lock);
    if (!reason.isEmpty()) return fail(reason);
    m_copy.reset();
    QByteArray bytes;
    if (loadFile(m_path, bytes, &reason) == Load::Failed) return fail(reason);
    ProfileText text(std::move(bytes));
    text.set(sectionName, keyName, value);
    reason = writeWholeFile(m_path, text.bytes());
    return reason.isEmpty() || fail(reason);
}

bool ProfileFile::fail(const QString &reason)
{
    m_lastError = reason;
    qCWarning(lcSettings).noquote() << "Settings file" << m_path << "not written:" << reason;
    return false;
}

}  // namespace tavro::platform
