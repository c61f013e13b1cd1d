#include "platform/profile_file.h"

#include "platform/logging.h"
#include "platform/whole_file.h"

#include <QDeadlineTimer>
#include <QLockFile>

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {

namespace {

// QLockFile's own wait starts at 100 ms and doubles; writers that take turns every few
// milliseconds would spend most of their time asleep.
constexpr std::chrono::milliseconds LockPollLongest{8};

// Blanks are spaces and control characters, as the profile rules skip both.
bool isBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x7F;
}

QString trimmedName(const QString &name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && isBlank(name.at(begin))) ++begin;
    while (end > begin && isBlank(name.at(end - 1))) --end;
    return name.mid(begin, end - begin);
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool isQuoted(const QString &text)
{
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
           text.back() == text.front();
}

// A byte range [begin, end) of the file.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;   // end of the text, before the line break
    qsizetype next = 0;  // first byte after the line break
};

enum class LineKind { Other, Section, Key };

struct Entry {
    LineKind kind = LineKind::Other;
    Span name;
    Span value;
};

Span trimmed(const QByteArray &bytes, Span span)
{
    while (span.begin < span.end && isBlank(bytes.at(span.begin))) ++span.begin;
    while (span.end > span.begin && isBlank(bytes.at(span.end - 1))) --span.end;
    return span;
}

QByteArray slice(const QByteArray &bytes, Span span)
{
    return bytes.mid(span.begin, span.end - span.begin);
}

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

Entry classify(const QByteArray &bytes, const Line &line)
{
    const char *data = bytes.constData();
    qsizetype p = line.begin;
    while (p < line.end && isBlank(data[p])) ++p;
    if (p == line.end || data[p] == ';') return {};
    if (data[p] == '[') {
        // The last ']' closes the name, so a name may itself hold ']'.
        qsizetype close = line.end - 1;
        while (close > p && data[close] != ']') --close;
        if (close == p) return {};
        return {LineKind::Section, trimmed(bytes, {p + 1, close}), {}};
    }
    qsizetype equals = p;
    while (equals < line.end && data[equals] != '=') ++equals;
    if (equals == line.end) return {};
    return {LineKind::Key, trimmed(bytes, {p, equals}), trimmed(bytes, {equals + 1, line.end})};
}

bool sameName(const QByteArray &bytes, Span span, const QString &name)
{
    const QString stored = QString::fromUtf8(bytes.constData() + span.begin, span.end - span.begin);
    return stored.compare(name, Qt::CaseInsensitive) == 0;
}

qsizetype textStart(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;
    Span keyName;
    Span value;
    qsizetype insertAt = 0;         // after the section's last key line, or its header
    bool insertNeedsBreak = false;  // that line ends the file without a line break
};

// Only the first section of the name is searched, so reads and writes agree on duplicates.
Location locate(const QByteArray &bytes, const QString &section, const QString &key)
{
    Location loc;
    for (qsizetype pos = textStart(bytes); pos < bytes.size();) {
        const Line line = lineAt(bytes, pos);
        pos = line.next;
        const Entry entry = classify(bytes, line);
        if (entry.kind == LineKind::Section) {
            if (loc.sectionFound) break;
            if (!sameName(bytes, entry.name, section)) continue;
            loc.sectionFound = true;
        } else if (entry.kind == LineKind::Key && loc.sectionFound) {
            if (sameName(bytes, entry.name, key)) {
                loc.keyFound = true;
                loc.keyLine = line;
                loc.keyName = entry.name;
                loc.value = entry.value;
                return loc;
            }
        } else {
            continue;
        }
        loc.insertAt = line.next;
        loc.insertNeedsBreak = line.next == line.end;
    }
    return loc;
}

QString valueText(const QByteArray &bytes, Span span)
{
    QString text = QString::fromUtf8(bytes.constData() + span.begin, span.end - span.begin);
    if (isQuoted(text)) text = text.mid(1, text.size() - 2);
    if (text.size() > ProfileFile::MaxValueLength) {
        text.truncate(ProfileFile::MaxValueLength);
        // Never hand out half of a surrogate pair.
        if (text.back().isHighSurrogate()) text.chop(1);
    }
    return text;
}

// Quotes keep what reading would otherwise strip.
QString storedValue(const QString &value)
{
    const bool blankEdge = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    if (!blankEdge && !isQuoted(value)) return value;
    return u"\""_s + value + u"\""_s;
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

// Empty when the file now holds the bytes; otherwise the reason, with the old file untouched.
QString saveFile(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(path, bytes);
}

}  // namespace

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

QString ProfileFile::read(const QString &section, const QString &key,
                          const QString &defaultValue) const
{
    const QString sectionName = trimmedName(section);
    const QString keyName = trimmedName(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) return defaultValue;
    QByteArray bytes;
    if (loadFile(m_path, bytes) != Load::Ok) return defaultValue;
    const Location loc = locate(bytes, sectionName, keyName);
    return loc.keyFound ? valueText(bytes, loc.value) : defaultValue;
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
    QByteArray bytes;
    if (loadFile(m_path, bytes, &reason) == Load::Failed) return fail(reason);

    const QByteArray lineBreak = "\r\n"_ba;
    const Location loc = locate(bytes, sectionName, keyName);
    // An existing key keeps the spelling it has in the file.
    const QByteArray name = loc.keyFound ? slice(bytes, loc.keyName) : keyName.toUtf8();
    const QByteArray line = name + '=' + storedValue(value).toUtf8() + lineBreak;
    if (loc.keyFound) {
        bytes.replace(loc.keyLine.begin, loc.keyLine.next - loc.keyLine.begin, line);
    } else if (loc.sectionFound) {
        bytes.insert(loc.insertAt, loc.insertNeedsBreak ? lineBreak + line : line);
    } else {
        const bool openLine =
            bytes.size() > textStart(bytes) && !bytes.endsWith('\r') && !bytes.endsWith('\n');
        if (openLine) bytes += lineBreak;
        bytes += '[' + sectionName.toUtf8() + ']' + lineBreak + line;
    }
    reason = saveFile(m_path, bytes);
    return reason.isEmpty() || fail(reason);
}

bool ProfileFile::fail(const QString &reason)
{
    m_lastError = reason;
    qCWarning(lcSettings).noquote() << "Settings file" << m_path << "not written:" << reason;
    return false;
}

}  // namespace tavro::platform
