#include "document/job_file.h"

#include "platform/picture_format.h"
#include "platform/png_chunks.h"
#include "platform/whole_file.h"
#include "render/raster_constants.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

using platform::PngChunk;

const QString RememberedKey = u"TavroRememberedImage"_s;
const QString TuningKey = u"TavroPictureTuning"_s;
const QString BurnTimeKey = u"TavroBurnTime"_s;
const QString TextFontKey = u"TavroTextFont"_s;
const QString SoftwareKey = u"Software"_s;  // the PNG keyword every viewer knows
const QSize BoardExtent(render::BoardSize, render::BoardSize);

bool isJobKey(const QString &keyword)
{
    return keyword == JobVersionKey || keyword == RememberedKey || keyword == TuningKey ||
           keyword == BurnTimeKey || keyword == TextFontKey;
}

// The smallest PNG that keeps every pixel: one bit when the board is black and white,
// as a chosen rendering is; the full colours otherwise (trace points, zoomed edges).
QImage exactCompact(const QImage &picture)
{
    const QImage colour = picture.convertToFormat(QImage::Format_RGB32);
    const QImage mono = colour.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    if (mono.convertToFormat(QImage::Format_RGB32) == colour) return mono;
    return colour;
}

QByteArray pngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) return {};
    return bytes;
}

// Transparent pixels are paper, never burnt: what shows through is white.
QImage onWhite(const QImage &picture)
{
    if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
    QImage white(picture.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QPainter painter(&white);
    painter.drawImage(0, 0, picture);
    return white;
}

QSize declaredSize(const QList<PngChunk> &chunks)
{
    if (chunks.isEmpty() || chunks.first().type != "IHDR" || chunks.first().data.size() != 13)
        return {};
    const char *header = chunks.first().data.data();
    return {qFromBigEndian<qint32>(header), qFromBigEndian<qint32>(header + 4)};
}

// The 512 x 512 pixels or nothing. The size is checked before anything is decoded, and the
// decoder meets no chunk but those of the pixels.
QImage readBoardPixels(const QList<PngChunk> &chunks, QString &reason)
{
    if (chunks.isEmpty() || chunks.back().type != "IEND") {
        reason = u"the file is truncated"_s;
        return {};
    }
    const QSize size = declaredSize(chunks);
    if (size != BoardExtent) {
        reason = size.isValid() ? u"a picture of %1 x %2 pixels where the board is 512 x 512"_s
                                      .arg(size.width())
                                      .arg(size.height())
                                : u"its picture header is damaged"_s;
        return {};
    }
    QBuffer buffer;
    buffer.setData(platform::pngPixelsOnly(chunks));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QImage picture = reader.read();
    if (picture.isNull()) reason = reader.errorString();
    return picture.isNull() ? QImage() : onWhite(picture);
}

// An embedded PNG gets every check the job file itself gets.
QImage readBoardPng(QByteArrayView png, QString &reason)
{
    if (!png.startsWith("\x89PNG")) {
        reason = u"not a PNG picture"_s;
        return {};
    }
    QList<PngChunk> chunks;
    reason = platform::pngChunks(png, chunks);
    return reason.isEmpty() ? readBoardPixels(chunks, reason) : QImage();
}

JobFileRead failure(JobFileStatus status, const QString &reason, int version = 0)
{
    JobFileRead read;
    read.status = status;
    read.reason = reason;
    read.version = version;
    return read;
}

// The job's own texts, each once and whole; the others only count towards the cap. Empty
// when they are; otherwise why not.
QString readJobTexts(const QList<PngChunk> &chunks, QHash<QString, QString> &texts)
{
    qint64 room = MaxJobTextBytes;
    for (const PngChunk &chunk : chunks) {
        if (!chunk.isText()) continue;
        const QString keyword = QString::fromLatin1(chunk.textKeyword());
        const bool ours = isJobKey(keyword);
        // libpng drops a damaged text chunk; one of ours missing is damage all the same.
        if (ours && !chunk.hasValidCheckSum()) return u"its part %1 is damaged"_s.arg(keyword);
        QString text;
        switch (platform::readPngText(chunk, room, text)) {
        case platform::PngTextRead::Ok:
            break;
        case platform::PngTextRead::TooLong:
            return u"its texts hold more than %1 MiB, far more than a job's"_s.arg(MaxJobTextBytes /
                                                                                   (1024 * 1024));
        case platform::PngTextRead::Damaged:
            if (ours) return u"its part %1 is damaged"_s.arg(keyword);
            continue;
        }
        if (!ours) continue;
        if (texts.contains(keyword)) return u"its part %1 is there twice"_s.arg(keyword);
        texts.insert(keyword, text);
    }
    return {};
}

// Parts missing from a file that names itself a job mean damage, never a default.
JobFileRead decodeParts(const QList<PngChunk> &chunks, const QHash<QString, QString> &texts,
                        int version)
{
    for (const QString &key : {RememberedKey, TuningKey, BurnTimeKey, TextFontKey})
        if (!texts.contains(key))
            return failure(JobFileStatus::Damaged, u"its part %1 is missing"_s.arg(key), version);

    JobFileRead read;
    read.status = JobFileStatus::Ok;
    read.version = version;
    JobFile &job = read.job;
    QString reason;
    job.board = readBoardPixels(chunks, reason);
    if (job.board.isNull()) return failure(JobFileStatus::Damaged, reason, version);

    if (const QString remembered = texts.value(RememberedKey); !remembered.isEmpty()) {
        const auto bytes = QByteArray::fromBase64Encoding(remembered.toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        if (bytes) job.rememberedImage = readBoardPng(*bytes, reason);
        if (job.rememberedImage.isNull())
            return failure(
                JobFileStatus::Damaged,
                u"its remembered image is unreadable (%1)"_s.arg(bytes ? reason : u"not base64"_s),
                version);
    }

    bool ok = false;
    const QString burnTime = texts.value(BurnTimeKey);
    job.burnTime = burnTime.trimmed().toInt(&ok);
    if (!ok || !BurnTimeRange.contains(job.burnTime))
        return failure(JobFileStatus::Damaged,
                       u"its burn time \"%1\" is not 1 to 100"_s.arg(burnTime), version);
    job.tuning = render::pictureTuningFromLines(texts.value(TuningKey).split(u'\n'));
    job.textFont = texts.value(TextFontKey).split(u'\n', Qt::SkipEmptyParts);
    return read;
}

}  // namespace

bool isJobFile(const QString &path)
{
    QFile file;
    // Only the chunk headers are read, so any size will do.
    if (!platform::openRegularFile(path, std::numeric_limits<qint64>::max(), file).isEmpty())
        return false;
    if (!file.read(8).startsWith("\x89PNG")) return false;
    // Chunk headers alone, up to the pixels: the version key is a text chunk there.
    const QByteArray key = JobVersionKey.toLatin1() + '\0';
    for (;;) {
        const qint64 start = file.pos();
        const QByteArray header = file.read(8);
        if (header.size() < 8) return false;
        const QByteArrayView type = QByteArrayView(header).sliced(4);
        if (type == "IDAT" || type == "IEND") return false;
        const bool text = type == "tEXt" || type == "zTXt" || type == "iTXt";
        if (text && file.peek(key.size()) == key) return true;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (!file.seek(start + 12 + qint64(length)) || file.atEnd()) return false;
    }
}

JobFileRead readJobFile(const QString &path)
{
    QByteArray data;
    if (const QString reason = platform::readWholeFile(path, MaxJobFileBytes, data);
        !reason.isEmpty()) {
        // Too large for a job is the file's fault; the rest is the file system's.
        const QFileInfo info(path);
        if (info.isFile() && info.size() > MaxJobFileBytes)
            return failure(JobFileStatus::Damaged,
                           u"%1 bytes is far more than a job"_s.arg(info.size()));
        return failure(JobFileStatus::Unreadable, reason);
    }
    return decodeJobFile(data);
}

JobFileRead decodeJobFile(const QByteArray &data)
{
    if (data.isEmpty()) return failure(JobFileStatus::NotAJob, u"the file is empty"_s);
    const platform::PictureFormat format = platform::sniffPictureFormat(data);
    if (format == platform::PictureFormat::Unknown)
        return failure(JobFileStatus::NotAJob, u"it is neither a job nor a picture"_s);
    const QString plain = u"it is a picture with no job in it"_s;
    if (format != platform::PictureFormat::Png) return failure(JobFileStatus::PlainPicture, plain);

    QList<PngChunk> chunks;
    const QString walk = platform::pngChunks(data, chunks);
    const bool named = std::ranges::any_of(chunks, [](const PngChunk &chunk) {
        return chunk.textKeyword() == JobVersionKey.toLatin1();
    });
    if (!named) return failure(JobFileStatus::PlainPicture, walk.isEmpty() ? plain : walk);
    if (!walk.isEmpty()) return failure(JobFileStatus::Damaged, walk);

    QHash<QString, QString> texts;
    if (const QString reason = readJobTexts(chunks, texts); !reason.isEmpty())
        return failure(JobFileStatus::Damaged, reason);
    bool ok = false;
    const QString versionText = texts.value(JobVersionKey);
    const int version = versionText.toInt(&ok);
    if (!ok || version < 1)
        return failure(JobFileStatus::Damaged, u"its format \"%1\" is unknown"_s.arg(versionText));
    if (version > JobFileVersion)
        return failure(
            JobFileStatus::NewerVersion,
            u"it was saved in job format %1; this program reads formats up to %2"_s.arg(version)
                .arg(JobFileVersion),
            version);
    return decodeParts(chunks, texts, version);
}

QByteArray encodeJobFile(const JobFile &job)
{
    if (job.board.isNull()) return {};
    QImage image = exactCompact(job.board);
    image.setText(JobVersionKey, QString::number(JobFileVersion));
    image.setText(SoftwareKey, u"Tavro Laser"_s);
    image.setText(RememberedKey, job.rememberedImage.isNull()
                                     ? QString()
                                     : QString::fromLatin1(
                                           pngBytes(exactCompact(job.rememberedImage)).toBase64()));
    image.setText(TuningKey, render::pictureTuningToLines(job.tuning).join(u'\n'));
    image.setText(BurnTimeKey, QString::number(job.burnTime));
    image.setText(TextFontKey, job.textFont.join(u'\n'));
    return pngBytes(image);
}

QString writeJobFile(const QString &path, const JobFile &job)
{
    const QByteArray bytes = encodeJobFile(job);
    if (bytes.isEmpty()) return u"the job could not be encoded"_s;
    return platform::writeWholeFile(path, bytes);
}

QString writeBoardPicture(const QString &path, const QImage &board)
{
    const QByteArray bytes = pngBytes(exactCompact(board));
    if (bytes.isEmpty()) return u"the board could not be encoded"_s;
    return platform::writeWholeFile(path, bytes);
}

QString jobFilePath(const QString &chosen)
{
    if (chosen.isEmpty() || QFileInfo(chosen).fileName().contains(u'.')) return chosen;
    return chosen + JobFileSuffix;
}

}  // namespace tavro::document
