#include "settings/profile_file.h"

#include "platform/file_name.h"
#include "platform/logging.h"
#include "platform/whole_file.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLockFile>
#include <QThread>
#include <QTimer>

#include <sys/stat.h>
#include <algorithm>
#include <ctime>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace tavro::settings {

namespace {

// QLockFile's own wait starts at 100 ms and doubles; writers that take turns every few
// milliseconds would spend most of their time asleep.
constexpr std::chrono::milliseconds LockPollLongest{8};
// A copy of a file changed more recently than this is checked against the file at each read.
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

bool sameSetting(const ProfileFile::Setting &a, const QString &section, const QString &key)
{
    return a.section.compare(section, Qt::CaseInsensitive) == 0 &&
           a.key.compare(key, Qt::CaseInsensitive) == 0;
}

enum class Load { Ok, Missing, Failed };

// Anything but a missing file or a readable regular file of sane size is a failure,
// so that a write never replaces a file it could not read.
Load loadFile(const QString &path, QByteArray &bytes, QString *reason = nullptr)
{
    bool missing = false;
    const platform::Outcome read =
        platform::readWholeFile(path, ProfileFile::MaxFileSize, bytes, &missing);
    if (read) return Load::Ok;
    if (missing) return Load::Missing;
    if (reason) *reason = read.why();
    return Load::Failed;
}

QString unstorable(const QString &section, const QString &key)
{
    return u"[%1] %2 cannot be stored as a setting"_s.arg(section, key);
}

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           nanoseconds(a.st_mtim) == nanoseconds(b.st_mtim) &&
           nanoseconds(a.st_ctim) == nanoseconds(b.st_ctim);
}

// File times are coarse: a file changed within the last two seconds could change again
// without its times or size showing it.
bool isSettled(const struct stat &info)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 changed = std::max(nanoseconds(info.st_mtim), nanoseconds(info.st_ctim));
    return nanoseconds(now) - changed > SettledNanoseconds;
}

// What no lock of ours can be: QLockFile would take it for another writer's lock, wait for
// it to go, and never be able to take it over.
QString lockFileProblem(const QString &lockPath)
{
    struct stat info {};
    if (::lstat(platform::fileNameBytes(lockPath).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    const QString what = S_ISDIR(info.st_mode)   ? u"a folder"_s
                         : S_ISLNK(info.st_mode) ? u"a symbolic link"_s
                                                 : u"not a regular file"_s;
    return u"its lock file %1 is %2; remove it so that settings can be saved"_s.arg(
        platform::displayFileName(lockPath), what);
}

enum class LockTry { Taken, Busy, Failed };

LockTry tryLock(QLockFile &lock, const QString &lockPath, QString &reason)
{
    reason = lockFileProblem(lockPath);
    if (!reason.isEmpty()) return LockTry::Failed;
    lock.setStaleLockTime(ProfileFile::StaleLockTime);
    if (lock.tryLock(0)) return LockTry::Taken;
    if (lock.error() == QLockFile::LockFailedError) return LockTry::Busy;
    reason = lock.error() == QLockFile::PermissionError ? u"no permission to create its lock file"_s
                                                        : u"its lock file cannot be created"_s;
    return LockTry::Failed;
}

QString stillBusy(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program)) return u"another program is still writing it"_s;
    return u"%1 (process %2) is still writing it"_s.arg(
        program.isEmpty() ? u"another program"_s : program, QString::number(pid));
}

// Empty once the lock is held; otherwise why not. Sleeps between tries.
QString waitForLock(QLockFile &lock, const QString &lockPath, std::chrono::milliseconds wait)
{
    const QDeadlineTimer deadline(wait);
    QString reason;
    for (std::chrono::milliseconds pause{1};; pause = std::min(pause * 2, LockPollLongest)) {
        switch (tryLock(lock, lockPath, reason)) {
        case LockTry::Taken:
            return {};
        case LockTry::Failed:
            return reason;
        case LockTry::Busy:
            break;
        }
        if (deadline.hasExpired()) return stillBusy(lock);
        std::this_thread::sleep_for(pause);
    }
}

// A window's thread, or any thread whose event loop runs, is never put to sleep.
bool mayNotSleep()
{
    QThread *thread = QThread::currentThread();
    if (thread->loopLevel() > 0) return true;
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
           thread == QCoreApplication::instance()->thread();
}

}  // namespace

// The file as last read, for as long as it stays the same.
struct ProfileFile::Copy {
    struct stat info {};
    bool settled = false;
    ProfileText text;
};

ProfileFile::ProfileFile(QString path)
    : retryLater([](std::chrono::milliseconds delay, std::function<void()> retry) {
          QTimer::singleShot(delay, std::move(retry));
      }),
      m_path(std::move(path))
{
}

ProfileFile::~ProfileFile()
{
    if (m_waiting.isEmpty()) return;
    QLockFile lock(m_path + u".lock"_s);
    const QString reason = waitForLock(lock, lock.fileName(), LockWait);
    if (!reason.isEmpty()) {
        fail(reason);
        return;
    }
    writeLocked(std::exchange(m_waiting, {}));
}

QString ProfileFile::read(const QString &section, const QString &key,
                          const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

std::optional<QString> ProfileFile::value(const QString &section, const QString &key) const
{
    const QString sectionName = trimmedName(section);
    const QString keyName = trimmedName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return std::nullopt;
    // An edit waiting can change any key.
    if (std::ranges::any_of(m_waiting, [](const Pending &p) { return bool(p.editor); }))
        return text().value(sectionName, keyName);
    const ProfileText *stored = current();
    std::optional<QString> found = stored ? stored->value(sectionName, keyName) : std::nullopt;
    // What waits for the lock is this program's latest word.
    bool waiting = false;
    for (const Pending &pending : m_waiting) {
        if (!sameSetting(pending.setting, sectionName, keyName)) continue;
        waiting = true;
        found = pending.change ? pending.change(found.value_or(QString())) : pending.setting.value;
    }
    if (!found || !waiting) return found;
    QString cut = found->left(MaxValueLength);
    if (cut.size() == MaxValueLength && cut.back().isHighSurrogate()) cut.chop(1);
    return cut;
}

ProfileText ProfileFile::text(QString *problem) const
{
    ProfileText text;
    if (const ProfileText *stored = current()) {
        text = *stored;
    } else {
        QByteArray bytes;
        QString why;
        if (loadFile(m_path, bytes, &why) == Load::Ok) text = ProfileText(std::move(bytes));
        if (problem) *problem = why;
    }
    if (m_waiting.isEmpty()) return text;
    // As the file will be once they are written; one that would fail changes nothing.
    ProfileText changed = text;
    return apply(m_waiting, changed).isEmpty() ? changed : text;
}

const ProfileText *ProfileFile::current() const
{
    struct stat info {};
    if (::stat(platform::fileNameBytes(m_path).constData(), &info) != 0) {
        m_copy.reset();
        return nullptr;
    }
    if (m_copy && m_copy->settled && sameFile(info, m_copy->info)) return &m_copy->text;
    // Looked at before it is read: a file replaced in between is read again next time.
    if (loadFile(m_path, m_buffer) != Load::Ok) {
        m_copy.reset();
        return nullptr;
    }
    // Bytes compare faster than they parse, and a file this program just wrote is not
    // settled yet.
    if (m_copy && m_copy->text.bytes() == m_buffer) {
        m_copy->info = info;
        m_copy->settled = isSettled(info);
    } else {
        m_copy.reset(new Copy{info, isSettled(info), ProfileText(std::exchange(m_buffer, {}))});
    }
    return &m_copy->text;
}

bool ProfileFile::write(const QString &section, const QString &key, const QString &value)
{
    return write(QList<Setting>{{section, key, value}});
}

bool ProfileFile::write(const QList<Setting> &settings)
{
    QList<Pending> pending;
    for (const Setting &setting : settings) pending << Pending{setting, {}, {}};
    return writePending(pending);
}

bool ProfileFile::update(const QString &section, const QString &key, Change change)
{
    return writePending({Pending{{section, key, {}}, std::move(change), {}}});
}

bool ProfileFile::edit(Editor editor)
{
    return writePending({Pending{{}, {}, std::move(editor)}});
}

bool ProfileFile::writePending(const QList<Pending> &pending)
{
    m_lastError.clear();
    QList<Pending> trimmed;
    for (const Pending &p : pending) {
        if (p.editor) {
            trimmed << p;
            continue;
        }
        const Setting named{trimmedName(p.setting.section), trimmedName(p.setting.key),
                            p.setting.value};
        if (!storableSection(named.section) || !storableKey(named.key) || hasLineBreak(named.value))
            return fail(unstorable(p.setting.section, p.setting.key));
        trimmed << Pending{named, p.change, {}};
    }
    if (trimmed.isEmpty()) return true;
    // Behind what already waits, so that the changes reach the file in their order.
    if (!m_waiting.isEmpty()) {
        m_waiting += trimmed;
        return true;
    }

    // Held from reading to replacing, so no other writer's change is lost in between.
    QLockFile lock(m_path + u".lock"_s);
    QString reason;
    switch (tryLock(lock, lock.fileName(), reason)) {
    case LockTry::Taken:
        return writeLocked(trimmed);
    case LockTry::Failed:
        return fail(reason);
    case LockTry::Busy:
        break;
    }
    if (mayNotSleep()) {
        m_waiting = trimmed;
        m_waitingDeadline.setRemainingTime(LockWait);
        scheduleRetry();
        return true;
    }
    reason = waitForLock(lock, lock.fileName(), LockWait);
    return reason.isEmpty() ? writeLocked(trimmed) : fail(reason);
}

QString ProfileFile::apply(const QList<Pending> &pending, ProfileText &text)
{
    QList<Setting> settings;
    for (const Pending &p : pending) {
        if (p.editor) {
            // It sees what this write gives the file so far.
            if (!settings.isEmpty()) text.set(std::exchange(settings, {}));
            Edit edit = p.editor(text);
            if (!edit.refusal.isEmpty()) return edit.refusal;
            for (Setting &setting : edit.settings) {
                setting.section = trimmedName(setting.section);
                setting.key = trimmedName(setting.key);
                if (!storableSection(setting.section) || !storableKey(setting.key) ||
                    hasLineBreak(setting.value))
                    return unstorable(setting.section, setting.key);
            }
            settings += edit.settings;
            continue;
        }
        if (!p.change) {
            settings << p.setting;
            continue;
        }
        // From the file as it is now, or from what this write already gives the key.
        std::optional<QString> stored = text.value(p.setting.section, p.setting.key);
        for (const Setting &earlier : settings)
            if (sameSetting(earlier, p.setting.section, p.setting.key)) stored = earlier.value;
        const QString value = p.change(stored.value_or(QString()));
        if (hasLineBreak(value)) return unstorable(p.setting.section, p.setting.key);
        settings << Setting{p.setting.section, p.setting.key, value};
    }
    text.set(settings);
    return {};
}

bool ProfileFile::writeLocked(const QList<Pending> &pending)
{
    m_copy.reset();
    QByteArray bytes;
    QString reason;
    if (loadFile(m_path, bytes, &reason) == Load::Failed)
        return fail(u"cannot read it: "_s + reason);
    ProfileText text(std::move(bytes));
    reason = apply(pending, text);
    if (!reason.isEmpty()) return fail(reason);
    // A larger file would read as missing from then on, every setting in it lost.
    if (text.bytes().size() > MaxFileSize)
        return fail(u"it would grow beyond %1 MiB, more than a settings file can be"_s.arg(
            MaxFileSize >> 20));
    if (const platform::Outcome written = platform::writeWholeFile(m_path, text.bytes()); !written)
        return fail(written.why());
    m_loggedError.clear();
    // What was written is what the next read finds, unless another writer came in between.
    struct stat info {};
    if (::stat(platform::fileNameBytes(m_path).constData(), &info) == 0)
        m_copy.reset(new Copy{info, false, std::move(text)});
    return true;
}

void ProfileFile::scheduleRetry()
{
    retryLater(LockRetry, [this, alive = std::weak_ptr<int>(m_alive)] {
        if (!alive.expired()) retryWaiting();
    });
}

void ProfileFile::retryWaiting()
{
    if (m_waiting.isEmpty()) return;
    QLockFile lock(m_path + u".lock"_s);
    QString reason;
    switch (tryLock(lock, lock.fileName(), reason)) {
    case LockTry::Taken:
        m_lastError.clear();
        writeLocked(std::exchange(m_waiting, {}));
        return;
    case LockTry::Failed:
        m_waiting.clear();
        fail(reason);
        return;
    case LockTry::Busy:
        break;
    }
    if (!m_waitingDeadline.hasExpired()) {
        scheduleRetry();
        return;
    }
    m_waiting.clear();
    fail(stillBusy(lock));
}

bool ProfileFile::fail(const QString &reason)
{
    m_lastError = reason;
    if (reason != m_loggedError)
        qCWarning(lcSettings).noquote() << "Settings file" << m_path << "not written:" << reason;
    m_loggedError = reason;
    return false;
}

}  // namespace tavro::settings
