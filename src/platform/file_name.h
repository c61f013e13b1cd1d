// File names as Linux stores them: bytes that need not be valid UTF-8, kept whole in a QString.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

class QUrl;

namespace tavro::platform {

// Qt decodes invalid UTF-8 to U+FFFD, so such a name no longer opens its file. Here valid
// UTF-8 decodes as QFile::decodeName does and every other byte b becomes the lone surrogate
// U+DC00 + b, which no valid name can contain, so fileNameBytes() gives back the same bytes.
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameBytes(QStringView name);

// For showing: each byte that was not valid UTF-8 as U+FFFD.
QString displayFileName(const QString &name);

// The local file of a file: URL. Dropped URLs carry the name's bytes percent-encoded;
// QUrl::toLocalFile() would decode invalid UTF-8 among them to U+FFFD.
QString localFileFromUrl(const QUrl &url);

// The program's arguments with every byte kept (QCoreApplication::arguments() is lossy).
QStringList commandLineArguments(int argc, const char *const *argv);

}  // namespace tavro::platform
