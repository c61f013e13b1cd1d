// Reads and writes keys of one INI settings file by the rules of Windows profile files.
#pragma once

#include <QString>

namespace tavro::platform {

// Names are matched without regard to case or surrounding blanks; the first of
// duplicate sections or keys counts. A write rewrites one line and keeps every
// other byte of the file; it goes through a temporary file, so a failed write
// leaves the old file whole.
class ProfileFile {
public:
    // Values are read through a buffer of 10240 characters.
    static constexpr qsizetype kMaxValueLength = 10239;
    // Larger files are not settings files: they read as missing and are never rewritten.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    explicit ProfileFile(QString path);

    QString path() const { return m_path; }

    // The value after the key's first '=', blanks around it and one pair of
    // matching surrounding quotes removed, cut to kMaxValueLength characters;
    // `defaultValue` when the file, the section or the key is missing or unreadable.
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;

    // Sets the key, adding it after the last key of its section, or the section at
    // the end of the file, or the file. Values that would not read back as written
    // (surrounding blanks or quotes) are stored in double quotes. False, with the
    // file untouched, when it cannot be written or the names or the value cannot
    // be stored (empty names, line breaks, '=' in a key).
    bool write(const QString &section, const QString &key, const QString &value);

private:
    QString m_path;
};

}  // namespace tavro::platform
