// Reads and writes keys of one INI settings file by the rules of Windows profile files.
#pragma once

#include "settings/profile_text.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace tavro::settings {

// Names are matched without regard to case or surrounding blanks; the first of
// duplicate sections or keys counts. A write rewrites one line and keeps every
// other byte of the file; it goes through a temporary file, so a failed write
// leaves the old file whole. Writers, in this program or another, take turns through
// a lock file beside it (the path + ".lock"), so none loses another's change.
class ProfileFile {
public:
    // Values are read through a buffer of 10240 characters.
    static constexpr qsizetype MaxValueLength = ProfileText::MaxValueLength;
    // Larger files are not settings files: they read as missing and are never rewritten.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    // How long a write waits for another writer to finish.
    static constexpr std::chrono::milliseconds LockWait{3000};
    // A write takes milliseconds: a lock this old was left by a writer that hung, and is
    // taken over (one whose process has ended is taken over at once).
    static constexpr std::chrono::milliseconds StaleLockTime{5000};
    // How often a change waiting in memory tries the lock again.
    static constexpr std::chrono::milliseconds LockRetry{8};

    using Setting = ProfileText::Setting;

    explicit ProfileFile(QString path);
    // Writes what still waits for the lock, waiting for it at most LockWait.
    ~ProfileFile();
    ProfileFile(const ProfileFile &) = delete;
    ProfileFile &operator=(const ProfileFile &) = delete;

    QString path() const { return m_path; }

    // The value after the key's first '=', blanks around it and one pair of matching
    // surrounding quotes removed, cut to MaxValueLength characters; `defaultValue` when
    // the file, the section or the key is missing or unreadable. The file is parsed once
    // for as long as it stays the same.
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;
    // The same, nullopt where read() gives the default.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Sets the key, adding it after the last key of its section, or the section at
    // the end of the file, or the file. Values that would not read back as written
    // (surrounding blanks or quotes) are stored in double quotes. False, with the
    // file untouched, when it cannot be written or the names or the value cannot
    // be stored (empty names, line breaks, '=' in a key); the reason is then in
    // lastError() and in the log (category "tavro.settings"), once while it lasts.
    //
    // On a thread whose event loop runs (or will: a window's), a write never sleeps for the
    // lock: when another program holds it, the change waits in memory, reads already see
    // it, and it is written from the event loop as soon as the lock is free; the write
    // returns true, and a failure after that is logged. Elsewhere the write waits for the
    // lock for up to LockWait.
    bool write(const QString &section, const QString &key, const QString &value);
    // Several keys, of one section or of several, in one read and one replacement of the
    // file under one lock: all are written, or none.
    bool write(const QList<Setting> &settings);

    // Gives the key the value `change` makes of the one in the file at the moment of writing
    // (empty when there is none), under the lock: what another program wrote meanwhile is
    // merged, not lost. `change` must depend on nothing but its argument; it may run more
    // than once, and later, when the change waits for the lock.
    using Change = std::function<QString(const QString &stored)>;
    bool update(const QString &section, const QString &key, Change change);

    // What an editor makes of the whole file: the settings to write, or why it must stay as
    // it is.
    struct Edit {
        QList<Setting> settings;
        QString refusal;
    };
    // Writes the settings `editor` makes of the file as it is at the moment of writing (empty
    // when there is none), under the lock, as update() does for one key. A refusal leaves the
    // file as it is and becomes lastError(). The same rules as for `change` hold for `editor`.
    using Editor = std::function<Edit(const ProfileText &stored)>;
    bool edit(Editor editor);

    // The whole file as read() sees it, changes waiting for the lock included. Empty when the
    // file is missing or cannot be read; `problem` then says why not (empty when missing).
    ProfileText text(QString *problem = nullptr) const;

    // Why the last write failed, with the system's own words where it gave some;
    // empty when it succeeded.
    QString lastError() const { return m_lastError; }
    // Changes accepted while another program held the lock, not yet in the file.
    bool isWaitingForLock() const { return !m_waiting.isEmpty(); }

    // Runs `retry` after `delay` on the calling thread's event loop; replaced by tests.
    std::function<void(std::chrono::milliseconds delay, std::function<void()> retry)> retryLater;

private:
    struct Copy;

    // The file's text, parsed again only when its bytes changed; null when it is missing or
    // cannot be read.
    const ProfileText *current() const;
    // A setting, or a change of the stored value when `change` is set, or of the whole file
    // when `editor` is.
    struct Pending {
        Setting setting;
        Change change;
        Editor editor;
    };
    // Applies them to `text` in order: empty when done, otherwise why not.
    static QString apply(const QList<Pending> &pending, ProfileText &text);
    bool writePending(const QList<Pending> &pending);
    bool writeLocked(const QList<Pending> &pending);
    void retryWaiting();
    void scheduleRetry();
    bool fail(const QString &reason);

    QString m_path;
    QString m_lastError;
    QString m_loggedError;                 // said once; said again only after a write succeeded
    mutable std::unique_ptr<Copy> m_copy;  // the file as last read
    mutable QByteArray m_buffer;           // the file read again, to compare with the copy
    QList<Pending> m_waiting;
    QDeadlineTimer m_waitingDeadline;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

}  // namespace tavro::settings
