// Reads and writes keys of one INI settings file by the rules of Windows profile files.
#pragma once

#include "platform/profile_text.h"

#include <QString>

#include <chrono>
#include <memory>

namespace tavro::platform {

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

    explicit ProfileFile(QString path);
    ~ProfileFile();
    ProfileFile(const ProfileFile &) = delete;
    ProfileFile &operator=(const ProfileFile &) = delete;

    QString path() const { return m_path; }

    // The value after the key's first '=', blanks around it and one pair of matching
    // surrounding quotes removed, cut to MaxValueLength characters; `defaultValue` when
    // the file, the section or the key is missing or unreadable. The file is parsed once
    // for as long as it stays the same.
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;

    // Sets the key, adding it after the last key of its section, or the section at
    // the end of the file, or the file. Values that would not read back as written
    // (surrounding blanks or quotes) are stored in double quotes. False, with the
    // file untouched, when it cannot be written or the names or the value cannot
    // be stored (empty names, line breaks, '=' in a key); the reason is then in
    // lastError() and in the log (category "tavro.settings").
    bool write(const QString &section, const QString &key, const QString &value);

    // Why the last write failed, with the system's own words where it gave some;
    // empty when it succeeded.
    QString lastError() const { return m_lastError; }

private:
    struct Copy;

    bool fail(const QString &reason);

    QString m_path;
    QString m_lastError;
    mutable std::unique_ptr<Copy> m_copy;  // the file as last read
};

}  // namespace tavro::platform
