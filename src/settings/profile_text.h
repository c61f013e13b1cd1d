// A settings file's bytes by the profile rules: keys found in one pass, changed line by line.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tavro::settings {

// Names match without regard to case or surrounding blanks, and the first of duplicate
// sections or keys counts. The file is indexed once, in one pass, so a lookup costs the
// same in a file of a million sections as in a file of ten; no name is turned into a
// string of its own on the way.
class ProfileText {
public:
    // Values are read through a buffer of 10240 characters.
    static constexpr qsizetype MaxValueLength = 10239;

    ProfileText() = default;
    explicit ProfileText(QByteArray bytes);

    const QByteArray &bytes() const { return m_bytes; }

    // The value after the key's first '=', blanks around it and one pair of matching
    // surrounding quotes removed, cut to MaxValueLength characters; nullopt when missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Every section's name as the file spells it, blanks around it removed, in the order of
    // the file; duplicates too.
    QStringList sectionNames() const;

    struct Setting {
        QString section;
        QString key;
        QString value;
    };

    // For each setting in turn: rewrites the key's line, or adds the key after the last key
    // of its section, or the section at the end; lines it writes end in CR LF. All in one
    // pass over the bytes. The names must be trimmed and storable, the values free of line
    // breaks.
    void set(const QList<Setting> &settings);

    // The value as it is stored: quoted when reading would otherwise change it.
    static QString storedValue(const QString &value);
    // Blanks are spaces and control characters.
    static bool isBlank(QChar c) { return c.unicode() <= 0x20 || c.unicode() == 0x7F; }

private:
    struct Span {
        qsizetype begin = 0;
        qsizetype end = 0;
    };
    struct Section {
        Span name;
        qsizetype body = 0;             // first byte after its header line
        qsizetype end = 0;              // where the next section's header begins
        qsizetype insertAt = 0;         // after its last key line, or its header
        bool insertNeedsBreak = false;  // that line ends the file without a line break
    };
    struct Key {
        Span line;  // the whole line, its line break included
        Span name;
        Span value;
    };
    // Several names with one hash: search in the order of the file.
    static constexpr qsizetype Shared = -1;

    void index();
    const Section *findSection(const QString &name) const;
    std::optional<Key> findKey(const Section &section, const QString &name) const;
    std::optional<Key> keyAt(qsizetype lineBegin) const;

    QByteArray m_bytes;
    std::vector<Section> m_sections;  // in the order of the file
    // Hashes of case-folded names: of a section to its first section, and of the first
    // section of a name with a key to that key's first line.
    QHash<size_t, qsizetype> m_sectionByName;
    QHash<size_t, qsizetype> m_keyByName;
};

}  // namespace tavro::settings
