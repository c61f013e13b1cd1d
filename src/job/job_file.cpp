#include "job/job_file.h"

#include "job/raster_constants.h"
#include "platform/picture_format.h"
#include "platform/whole_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

const QString RememberedKey = u"TavroRememberedImage"_s;
const QString TuningKey = u"TavroPictureTuning"_s;
const QString BurnTimeKey = u"TavroBurnTime"_s;
const QString TextFontKey = u"TavroTextFont"_s;
const QString SoftwareKey = u"Software"_s;  // the PNG keyword every viewer knows
const QSize BoardExtent(BoardSize, BoardSize);

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

// A 512 x 512 PNG or nothing: the size is checked before anything is decoded.
QImage readBoardPng(const QByteArray &bytes, QString *reason)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    if (reader.size() != BoardExtent) {
        *reason = reader.size().isValid()
                      ? u"a picture of %1 x %2 pixels where the board is 512 x 512"_s
                            .arg(reader.size().width())
                            .arg(reader.size().height())
                      : reader.errorString();
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull()) *reason = reader.errorString();
    return picture;
}

// The pixels alone in the board's format: the chunks were the job's, not the picture's.
QImage withoutText(const QImage &picture)
{
    const QImage colour = picture.convertToFormat(QImage::Format_RGB32);
    return QImage(colour.constBits(), colour.width(), colour.height(), colour.bytesPerLine(),
                  QImage::Format_RGB32)
        .copy();
}

JobFileRead failure(JobFileStatus status, const QString &reason, int version = 0)
{
    JobFileRead read;
    read.status = status;
    read.reason = reason;
    read.version = version;
    return read;
}

// Parts missing from a file that names itself a job mean damage, never a default.
JobFileRead decodeParts(const QImage &image, int version)
{
    for (const QString &key : {RememberedKey, TuningKey, BurnTimeKey, TextFontKey})
        if (!image.textKeys().contains(key))
            return failure(JobFileStatus::Damaged, u"its part %1 is missing"_s.arg(key), version);

    JobFileRead read;
    read.status = JobFileStatus::Ok;
    read.version = version;
    JobFile &job = read.job;
    job.board = withoutText(image);

    if (const QString remembered = image.text(RememberedKey); !remembered.isEmpty()) {
        const auto bytes = QByteArray::fromBase64Encoding(remembered.toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        QString reason;
        const QImage picture = bytes ? readBoardPng(*bytes, &reason) : QImage();
        if (picture.isNull())
            return failure(JobFileStatus::Damaged,
                           u"its remembered image is unreadable (%1)"_s.arg(reason), version);
        job.rememberedImage = withoutText(picture);
    }

    bool ok = false;
    job.burnTime = image.text(BurnTimeKey).trimmed().toInt(&ok);
    if (!ok || !BurnTimeRange.contains(job.burnTime))
        return failure(JobFileStatus::Damaged,
                       u"its burn time \"%1\" is not 1 to 100"_s.arg(image.text(BurnTimeKey)),
                       version);
    job.tuning = pictureTuningFromLines(image.text(TuningKey).split(u'\n'));
    job.textFont = image.text(TextFontKey).split(u'\n', Qt::SkipEmptyParts);
    return read;
}

}  // namespace

bool isJobFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(8).startsWith("\x89PNG")) return false;
    // Chunk headers alone, up to the pixels: the version key is a plain text chunk there.
    const QByteArray key = JobVersionKey.toLatin1() + '\0';
    for (;;) {
        const qint64 start = file.pos();
        const QByteArray header = file.read(8);
        if (header.size() < 8) return false;
        const QByteArrayView type = QByteArrayView(header).sliced(4);
        if (type == "IDAT" || type == "IEND") return false;
        if (type == "tEXt" && file.peek(key.size()) == key) return true;
        const quint32 length = qFromBigEndian<quint32>(header.constData());
        if (!file.seek(start + 12 + qint64(length)) || file.atEnd()) return false;
    }
}

JobFileRead readJobFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(JobFileStatus::Unreadable, file.errorString());
    if (file.size() > MaxJobFileBytes)
        return failure(JobFileStatus::Damaged,
                       u"%1 bytes is far more than a job"_s.arg(file.size()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(JobFileStatus::Unreadable, file.errorString());
    return decodeJobFile(data);
}

JobFileRead decodeJobFile(const QByteArray &data)
{
    const platform::PictureFormat format = platform::sniffPictureFormat(data);
    if (format != platform::PictureFormat::Png)
        return failure(format == platform::PictureFormat::Unknown ? JobFileStatus::NotAJob
                                                                  : JobFileStatus::PlainPicture,
                       {});
    // A chunk claiming more than the file holds would have libpng set its claim aside first.
    if (const QString reason = platform::findDecodingHazard(format, data); !reason.isEmpty()) {
        const bool named = data.contains(JobVersionKey.toLatin1());
        return failure(named ? JobFileStatus::Damaged : JobFileStatus::PlainPicture, reason);
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    if (!reader.textKeys().contains(JobVersionKey)) return failure(JobFileStatus::PlainPicture, {});

    bool ok = false;
    const QString versionText = reader.text(JobVersionKey);
    const int version = versionText.toInt(&ok);
    if (!ok || version < 1)
        return failure(JobFileStatus::Damaged, u"its format \"%1\" is unknown"_s.arg(versionText));
    if (version > JobFileVersion) return failure(JobFileStatus::NewerVersion, {}, version);

    QString reason;
    const QImage image = readBoardPng(data, &reason);
    if (image.isNull()) return failure(JobFileStatus::Damaged, reason, version);
    return decodeParts(image, version);
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
    image.setText(TuningKey, pictureTuningToLines(job.tuning).join(u'\n'));
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

}  // namespace tavro::job
