#include "document/job_file.h"

#include "pictures/picture_format.h"
#include "pictures/png_chunks.h"
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

using pictures::PngChunk;
using platform::Outcome;

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
platform::Result<QImage> readBoardPixels(const QList<PngChunk> &chunks)
{
    if (chunks.isEmpty() || chunks.back().type != "IEND")
        return Outcome::failed(u"the file is truncated"_s);
    const QSize size = declaredSize(chunks);
    if (size != BoardExtent) {
        return Outcome::failed(
            size.isValid()
                ? u"a picture of %1 x %2 pixels where the board is 512 x 512"_s.arg(size.width())
                      .arg(size.height())
                : u"its picture header is damaged"_s);
    }
    QBuffer buffer;
    buffer.setData(pictures::pngPixelsOnly(chunks));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QImage picture = reader.read();
    if (picture.isNull()) return Outcome::failed(reader.errorString());
    return onWhite(picture);
}

// An embedded PNG gets every check the job file itself gets.
platform::Result<QImage> readBoardPng(QByteArrayView png)
{
    if (!png.startsWith("\x89PNG")) return Outcome::failed(u"not a PNG picture"_s);
    QList<PngChunk> chunks;
    if (Outcome walked = pictures::pngChunks(png, chunks); !walked) return walked;
    return readBoardPixels(chunks);
}

JobFileRead failure(JobFileStatus status, const QString &reason, int version = 0)
{
    JobFileRead read;
    read.status = status;
    read.reason = reason;
    read.version = version;
    return read;
}

// The job's own texts, each once and whole; the others only count towards the cap.
Outcome readJobTexts(const QList<PngChunk> &chunks, QHash<QString, QString> &texts)
{
    qint64 room = MaxJobTextBytes;
    for (const PngChunk &chunk : chunks) {
        if (!chunk.isText()) continue;
        const QString keyword = QString::fromLatin1(chunk.textKeyword());
        const bool ours = isJobKey(keyword);
        // libpng drops a damaged text chunk; one of ours missing is damage all the same.
        if (ours && !chunk.hasValidCheckSum())
            return Outcome::failed(u"its part %1 is damaged"_s.arg(keyword));
        QString text;
        switch (pictures::readPngText(chunk, room, text)) {
        case pictures::PngTextRead::Ok:
            break;
        case pictures::PngTextRead::TooLong:
            return Outcome::failed(u"its texts hold more than %1 MiB, far more than a job's"_s.arg(
                MaxJobTextBytes / (1024 * 1024)));
        case pictures::PngTextRead::Damaged:
            if (ours) return Outcome::failed(u"its part %1 is damaged"_s.arg(keyword));
            continue;
        }
        if (!ours) continue;
        if (texts.contains(keyword))
            return Outcome::failed(u"its part %1 is there twice"_s.arg(keyword));
        texts.insert(keyword, text);
    }
    return Outcome::done();
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
    const platform::Result<QImage> board = readBoardPixels(chunks);
    if (!board) return failure(JobFileStatus::Damaged, board.why(), version);
    job.board = *board;

    if (const QString remembered = texts.value(RememberedKey); !remembered.isEmpty()) {
        const auto bytes = QByteArray::fromBase64Encoding(remembered.toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        const platform::Result<QImage> image =
            bytes ? readBoardPng(*bytes) : Outcome::failed(u"not base64"_s);
        if (!image)
            return failure(JobFileStatus::Damaged,
                           u"its remembered image is unreadable (%1)"_s.arg(image.why()), version);
        job.rememberedImage = *image;
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
    if (!platform::openRegularFile(path, std::numeric_limits<qint64>::max(), file)) return false;
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
    if (const Outcome read = platform::readWholeFile(path, MaxJobFileBytes, data); !read) {
        // Too large for a job is the file's fault; the rest is the file system's.
        const QFileInfo info(path);
        if (info.isFile() && info.size() > MaxJobFileBytes)
            return failure(JobFileStatus::Damaged,
                           u"%1 bytes is far more than a job"_s.arg(info.size()));
        return failure(JobFileStatus::Unreadable, read.why());
    }
    return decodeJobFile(data);
}

JobFileRead decodeJobFile(const QByteArray &data)
{
    if (data.isEmpty()) return failure(JobFileStatus::NotAJob, u"the file is empty"_s);
    const pictures::PictureFormat format = pictures::sniffPictureFormat(data);
    if (format == pictures::PictureFormat::Unknown)
        return failure(JobFileStatus::NotAJob, u"it is neither a job nor a picture"_s);
    const QString plain = u"it is a picture with no job in it"_s;
    if (format != pictures::PictureFormat::Png) return failure(JobFileStatus::PlainPicture, plain);

    QList<PngChunk> chunks;
    const Outcome walk = pictures::pngChunks(data, chunks);
    const bool named = std::ranges::any_of(chunks, [](const PngChunk &chunk) {
        return chunk.textKeyword() == JobVersionKey.toLatin1();
    });
    if (!named) return failure(JobFileStatus::PlainPicture, walk ? plain : walk.why());
    if (!walk) return failure(JobFileStatus::Damaged, walk.why());

    QHash<QString, QString> texts;
    if (const Outcome read = readJobTexts(chunks, texts); !read)
        return failure(JobFileStatus::Damaged, read.why());
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

platform::Outcome writeJobFile(const QString &path, const JobFile &job)
{
    const QByteArray bytes = encodeJobFile(job);
    if (bytes.isEmpty()) return Outcome::failed(u"the job could not be encoded"_s);
    return platform::writeWholeFile(path, bytes);
}

platform::Outcome writeBoardPicture(const QString &path, const QImage &board)
{
    const QByteArray bytes = pngBytes(exactCompact(board));
    if (bytes.isEmpty()) return Outcome::failed(u"the board could not be encoded"_s);
    return platform::writeWholeFile(path, bytes);
}

QString jobFilePath(const QString &chosen)
{
    if (chosen.isEmpty() || QFileInfo(chosen).fileName().contains(u'.')) return chosen;
    return chosen + JobFileSuffix;
}

}  // namespace tavro::document
