#include "platform/file_name.h"

#include <QFile>
#include <QUrl>

namespace tavro::platform {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at pos, or 0 when its first byte must be escaped.
qsizetype validSequenceLength(QByteArrayView bytes, qsizetype pos)
{
    const auto lead = static_cast<quint8>(bytes.at(pos));
    if (lead < 0x80) return 1;
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + length > bytes.size()) return 0;
    // Qt's check also refuses overlong forms, surrogates and code points past U+10FFFF.
    return bytes.sliced(pos, length).isValidUtf8() ? length : 0;
}

// An escaped byte, not the second half of a surrogate pair.
bool isEscape(QStringView name, qsizetype i)
{
    const char16_t c = name.at(i).unicode();
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF &&
           (i == 0 || !name.at(i - 1).isHighSurrogate());
}

}  // namespace

QString fileNameFromBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8()) return QFile::decodeName(bytes.toByteArray());
    QString name;
    name.reserve(bytes.size());
    qsizetype runStart = 0;
    for (qsizetype pos = 0; pos < bytes.size();) {
        if (const qsizetype length = validSequenceLength(bytes, pos); length > 0) {
            pos += length;
            continue;
        }
        name += QFile::decodeName(bytes.sliced(runStart, pos - runStart).toByteArray());
        name += QChar(EscapeBase + static_cast<quint8>(bytes.at(pos)));
        runStart = ++pos;
    }
    name += QFile::decodeName(bytes.sliced(runStart).toByteArray());
    return name;
}

QByteArray fileNameBytes(QStringView name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscape(name, i)) continue;
        bytes += QFile::encodeName(name.sliced(runStart, i - runStart).toString());
        bytes += static_cast<char>(name.at(i).unicode() - EscapeBase);
        runStart = i + 1;
    }
    bytes += QFile::encodeName(name.sliced(runStart).toString());
    return bytes;
}

QString displayFileName(const QString &name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (isEscape(name, i)) shown[i] = QChar::ReplacementCharacter;
    return shown;
}

QString localFileFromUrl(const QUrl &url)
{
    const QString decoded = url.toLocalFile();
    if (!decoded.contains(QChar::ReplacementCharacter)) return decoded;
    // Take the bytes themselves; a real U+FFFD in the name decodes the same way.
    return fileNameFromBytes(
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QStringList commandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) arguments << fileNameFromBytes(argv[i]);
    return arguments;
}

}  // namespace tavro::platform
