#include "settings/profile_text.h"

#include <QStringDecoder>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::settings {
namespace {

bool isBlankByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

bool isAscii(QByteArrayView bytes)
{
    return std::ranges::all_of(bytes, [](char c) { return static_cast<uchar>(c) < 0x80; });
}

bool isQuoted(const QString &text)
{
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
           text.back() == text.front();
}

struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;   // end of the text, before the line break
    qsizetype next = 0;  // first byte after the line break
};

// Line breaks are CR LF, LF or a lone CR.
Line lineAt(const QByteArray &bytes, qsizetype pos)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    Line line{pos, pos, pos};
    while (line.end < size && data[line.end] != '\r' && data[line.end] != '\n') ++line.end;
    line.next = line.end;
    if (line.next < size && data[line.next] == '\r') ++line.next;
    if (line.next < size && data[line.next] == '\n') ++line.next;
    return line;
}

qsizetype textStart(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

// Names as Qt compares them without regard to case: code point by code point, each case
// folded. Stored names are bytes of UTF-8, read as QString::fromUtf8 would read them but
// into a buffer that is kept, so a file of a million names costs no allocations.
class Names {
public:
    size_t hash(QStringView name) const
    {
        size_t hash = Seed;
        for (const char32_t c : name.toUcs4()) hash = mix(hash, QChar::toCaseFolded(c));
        return hash;
    }

    size_t hash(QByteArrayView stored)
    {
        if (!isAscii(stored)) return hash(decoded(stored));
        size_t hash = Seed;
        for (const char c : stored) hash = mix(hash, char32_t(c >= 'A' && c <= 'Z' ? c + 32 : c));
        return hash;
    }

    bool same(QByteArrayView stored, QByteArrayView other)
    {
        if (isAscii(stored) && isAscii(other))
            return stored.size() == other.size() && stored.compare(other, Qt::CaseInsensitive) == 0;
        return same(stored, QString::fromUtf8(other));
    }

    bool same(QByteArrayView stored, QStringView name)
    {
        // Case folding maps one UTF-16 unit to one, and UTF-8 takes 1 to 3 bytes for each.
        if (stored.size() < name.size() || stored.size() > 3 * name.size()) return false;
        if (isAscii(stored) && name.size() == stored.size())
            return QLatin1StringView(stored).compare(name, Qt::CaseInsensitive) == 0;
        return decoded(stored).compare(name, Qt::CaseInsensitive) == 0;
    }

private:
    static constexpr size_t Seed = 0xcbf29ce484222325ull;  // FNV-1a

    static size_t mix(size_t hash, char32_t c) { return (hash ^ c) * 0x100000001b3ull; }

    QStringView decoded(QByteArrayView stored)
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        m_buffer.resize(decoder.requiredSpace(stored.size()));
        const QChar *end = decoder.appendToBuffer(m_buffer.data(), stored);
        return QStringView(m_buffer.data(), end);
    }

    QVarLengthArray<QChar, 128> m_buffer;
};

size_t keyHash(qsizetype section, size_t name)
{
    return name ^ (size_t(section) * 0x9E3779B97F4A7C15ull);
}

}  // namespace

ProfileText::ProfileText(QByteArray bytes) : m_bytes(std::move(bytes))
{
    index();
}

// One pass: each section's place, the first section of each name, and the first line of
// each key in those sections.
void ProfileText::index()
{
    m_sections.clear();
    m_sectionByName.clear();
    m_keyByName.clear();
    Names names;
    const char *data = m_bytes.constData();
    const auto view = [data](Span span) {
        return QByteArrayView(data + span.begin, span.end - span.begin);
    };
    const auto trimmed = [data](Span span) {
        while (span.begin < span.end && isBlankByte(data[span.begin])) ++span.begin;
        while (span.end > span.begin && isBlankByte(data[span.end - 1])) --span.end;
        return span;
    };
    qsizetype current = Shared;  // the section whose keys count, if the line is in one
    for (qsizetype pos = textStart(m_bytes); pos < m_bytes.size();) {
        const Line line = lineAt(m_bytes, pos);
        pos = line.next;
        qsizetype p = line.begin;
        while (p < line.end && isBlankByte(data[p])) ++p;
        if (p == line.end || data[p] == ';') continue;
        if (data[p] == '[') {
            // The last ']' closes the name, so a name may itself hold ']'.
            qsizetype close = line.end - 1;
            while (close > p && data[close] != ']') --close;
            // A line that opens like a section without being one is nothing at all.
            if (close == p) continue;
            if (!m_sections.empty()) m_sections.back().end = line.begin;
            const Span name = trimmed({p + 1, close});
            m_sections.push_back(
                {name, line.next, m_bytes.size(), line.next, line.next == line.end});
            const qsizetype index = qsizetype(m_sections.size()) - 1;
            const size_t hash = names.hash(view(name));
            const auto found = m_sectionByName.constFind(hash);
            if (found == m_sectionByName.cend()) {
                m_sectionByName.insert(hash, index);
                current = index;
            } else {
                // Another name with the same hash: that hash is searched in order from now on.
                const bool duplicate =
                    found.value() != Shared &&
                    names.same(view(name), view(m_sections[size_t(found.value())].name));
                if (!duplicate) m_sectionByName[hash] = Shared;
                current = duplicate ? Shared : index;
            }
            continue;
        }
        const qsizetype equals = QByteArrayView(data + p, line.end - p).indexOf('=');
        if (current == Shared || equals < 0) continue;
        Section &section = m_sections[size_t(current)];
        section.insertAt = line.next;
        section.insertNeedsBreak = line.next == line.end;
        const size_t hash = keyHash(current, names.hash(view(trimmed({p, p + equals}))));
        const auto found = m_keyByName.constFind(hash);
        if (found == m_keyByName.cend()) {
            m_keyByName.insert(hash, line.begin);
        } else if (found.value() != Shared) {
            const std::optional<Key> first = keyAt(found.value());
            if (!names.same(view(trimmed({p, p + equals})), view(first->name)))
                m_keyByName[hash] = Shared;
        }
    }
}

std::optional<ProfileText::Key> ProfileText::keyAt(qsizetype lineBegin) const
{
    const char *data = m_bytes.constData();
    const Line line = lineAt(m_bytes, lineBegin);
    qsizetype p = line.begin;
    while (p < line.end && isBlankByte(data[p])) ++p;
    // Comments, and lines that open like a section without being one.
    if (p == line.end || data[p] == ';' || data[p] == '[') return std::nullopt;
    const qsizetype equals = QByteArrayView(data + p, line.end - p).indexOf('=');
    if (equals < 0) return std::nullopt;
    Key key{{line.begin, line.next}, {p, p + equals}, {p + equals + 1, line.end}};
    while (key.name.end > key.name.begin && isBlankByte(data[key.name.end - 1])) --key.name.end;
    while (key.value.begin < key.value.end && isBlankByte(data[key.value.begin])) ++key.value.begin;
    while (key.value.end > key.value.begin && isBlankByte(data[key.value.end - 1])) --key.value.end;
    return key;
}

const ProfileText::Section *ProfileText::findSection(const QString &name) const
{
    Names names;
    const char *data = m_bytes.constData();
    const auto same = [&](const Section &s) {
        return names.same(QByteArrayView(data + s.name.begin, s.name.end - s.name.begin), name);
    };
    const auto found = m_sectionByName.constFind(names.hash(name));
    if (found == m_sectionByName.cend()) return nullptr;
    if (found.value() != Shared) {
        const Section &section = m_sections[size_t(found.value())];
        return same(section) ? &section : nullptr;
    }
    const auto first = std::ranges::find_if(m_sections, same);
    return first == m_sections.end() ? nullptr : &*first;
}

std::optional<ProfileText::Key> ProfileText::findKey(const Section &section,
                                                     const QString &name) const
{
    Names names;
    const qsizetype index = &section - m_sections.data();
    const auto same = [&](const Key &key) {
        return names.same(
            QByteArrayView(m_bytes.constData() + key.name.begin, key.name.end - key.name.begin),
            name);
    };
    const auto found = m_keyByName.constFind(keyHash(index, names.hash(name)));
    if (found == m_keyByName.cend()) return std::nullopt;
    if (found.value() != Shared) {
        std::optional<Key> key = keyAt(found.value());
        return key && same(*key) ? key : std::nullopt;
    }
    for (qsizetype pos = section.body; pos < section.end;) {
        const std::optional<Key> key = keyAt(pos);
        pos = lineAt(m_bytes, pos).next;
        if (key && same(*key)) return key;
    }
    return std::nullopt;
}

std::optional<QString> ProfileText::value(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    const std::optional<Key> entry = found ? findKey(*found, key) : std::nullopt;
    if (!entry) return std::nullopt;
    const Span span = entry->value;
    QString text = QString::fromUtf8(m_bytes.constData() + span.begin, span.end - span.begin);
    if (isQuoted(text)) text = text.mid(1, text.size() - 2);
    if (text.size() > MaxValueLength) {
        text.truncate(MaxValueLength);
        // Never hand out half of a surrogate pair.
        if (text.back().isHighSurrogate()) text.chop(1);
    }
    return text;
}

QStringList ProfileText::sectionNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_sections.size()));
    for (const Section &section : m_sections)
        names << QString::fromUtf8(m_bytes.constData() + section.name.begin,
                                   section.name.end - section.name.begin);
    return names;
}

void ProfileText::set(const QList<Setting> &settings)
{
    const QByteArray lineBreak = "\r\n"_ba;
    const auto same = [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    };
    // Each key once, where it came first, with the value it was given last: what setting
    // them one after another would leave. Looked up by name, so a batch of many keys costs
    // no more for each than a batch of a few.
    QList<Setting> wanted;
    QHash<QString, qsizetype> wantedAt;
    for (const Setting &setting : settings) {
        const QString name = setting.section.toCaseFolded() + QChar() + setting.key.toCaseFolded();
        const auto earlier = wantedAt.constFind(name);
        if (earlier != wantedAt.cend()) {
            wanted[earlier.value()].value = setting.value;
            continue;
        }
        wantedAt.insert(name, wanted.size());
        wanted.append(setting);
    }

    struct Edit {
        qsizetype at = 0;
        qsizetype length = 0;  // of the bytes replaced; 0 to insert
        QByteArray bytes;
    };
    std::vector<Edit> edits;
    QList<std::pair<QString, QByteArray>> added;  // new sections and their lines
    for (const Setting &setting : wanted) {
        const Section *found = findSection(setting.section);
        const std::optional<Key> entry = found ? findKey(*found, setting.key) : std::nullopt;
        // An existing key keeps the spelling it has in the file.
        const QByteArray name =
            entry ? m_bytes.mid(entry->name.begin, entry->name.end - entry->name.begin)
                  : setting.key.toUtf8();
        const QByteArray line = name + '=' + storedValue(setting.value).toUtf8() + lineBreak;
        if (entry) {
            edits.push_back({entry->line.begin, entry->line.end - entry->line.begin, line});
        } else if (found) {
            const auto at = std::ranges::find_if(
                edits, [found](const Edit &e) { return e.length == 0 && e.at == found->insertAt; });
            if (at != edits.end())
                at->bytes += line;
            else
                edits.push_back(
                    {found->insertAt, 0, found->insertNeedsBreak ? lineBreak + line : line});
        } else {
            const auto section = std::ranges::find_if(
                added, [&](const auto &s) { return same(s.first, setting.section); });
            if (section != added.end())
                section->second += line;
            else
                added.append({setting.section, line});
        }
    }

    // One pass over the bytes, so a batch costs the same as one key.
    std::ranges::sort(edits, {}, &Edit::at);
    QByteArray bytes;
    qsizetype copied = 0;
    for (const Edit &edit : edits) {
        bytes += QByteArrayView(m_bytes).sliced(copied, edit.at - copied);
        bytes += edit.bytes;
        copied = edit.at + edit.length;
    }
    bytes += QByteArrayView(m_bytes).sliced(copied);
    for (const auto &[section, lines] : added) {
        const bool openLine =
            bytes.size() > textStart(bytes) && !bytes.endsWith('\r') && !bytes.endsWith('\n');
        if (openLine) bytes += lineBreak;
        bytes += '[' + section.toUtf8() + ']' + lineBreak + lines;
    }
    m_bytes = std::move(bytes);
    index();
}

QString ProfileText::storedValue(const QString &value)
{
    const bool blankEdge = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    if (!blankEdge && !isQuoted(value)) return value;
    return u"\""_s + value + u"\""_s;
}

}  // namespace tavro::settings
