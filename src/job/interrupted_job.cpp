#include "job/interrupted_job.h"

#include "job/job_file.h"
#include "job/raster_constants.h"
#include "job/upload_raster.h"
#include "platform/profile_file.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

const QString Section = u"InterruptedJob"_s;

std::optional<qint64> number(const platform::ProfileFile &notes, const QString &key)
{
    bool ok = false;
    const qint64 value = notes.read(Section, key, {}).toLongLong(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

}  // namespace

InterruptedJobStore::InterruptedJobStore(QString folder) : m_folder(std::move(folder)) {}

QString InterruptedJobStore::boardPath() const
{
    return QDir(m_folder).filePath(u"interrupted-job"_s + JobFileSuffix);
}

QString InterruptedJobStore::notesPath() const
{
    return QDir(m_folder).filePath(u"interrupted-job.ini"_s);
}

bool InterruptedJobStore::holdsJob() const
{
    return QFile::exists(notesPath()) || QFile::exists(boardPath());
}

QString InterruptedJobStore::save(const InterruptedJob &job)
{
    JobFile file;
    file.board = job.board;
    file.burnTime = job.burnTime;
    if (QString error = writeJobFile(boardPath(), file); !error.isEmpty()) {
        drop();
        return error;
    }
    // The notes go last: without them a board alone is not a stored job.
    QFile::remove(notesPath());
    platform::ProfileFile notes(notesPath());
    const std::pair<QString, QString> values[] = {{u"Version"_s, QString::number(Version)},
                                                  {u"Row"_s, QString::number(job.resumeRow)},
                                                  {u"DotsDone"_s, QString::number(job.dotsDone)},
                                                  {u"DotsTotal"_s, QString::number(job.dotsTotal)}};
    for (const auto &[key, value] : values) {
        if (!notes.write(Section, key, value)) {
            const QString error = notes.lastError();
            drop();
            return error;
        }
    }
    return {};
}

InterruptedJobStore::Loaded InterruptedJobStore::load()
{
    Loaded loaded;
    if (!holdsJob()) return loaded;
    const auto refuse = [&](const QString &why) {
        drop();
        loaded.problem = why;
        return loaded;
    };
    const platform::ProfileFile notes(notesPath());
    const std::optional<qint64> version = number(notes, u"Version"_s);
    if (!version) return refuse(u"its notes are missing or damaged"_s);
    if (*version > Version) return refuse(u"it was kept by a newer version of the program"_s);
    const std::optional<qint64> row = number(notes, u"Row"_s);
    const std::optional<qint64> done = number(notes, u"DotsDone"_s);
    const std::optional<qint64> total = number(notes, u"DotsTotal"_s);
    if (!row || *row >= BoardSize || !done || !total || *done > *total)
        return refuse(u"its notes are missing or damaged"_s);
    const JobFileRead read = readJobFile(boardPath());
    if (read.status != JobFileStatus::Ok)
        return refuse(u"its board cannot be read: "_s + read.reason);
    loaded.job = InterruptedJob{read.job.board, read.job.burnTime, int(*row), *done, *total};
    return loaded;
}

void InterruptedJobStore::drop()
{
    QFile::remove(notesPath());
    QFile::remove(boardPath());
}

QImage boardFromRaster(const QByteArray &raster)
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    board.fill(Qt::white);
    if (raster.size() != UploadRasterSize) return board;
    for (int y = 0; y < BoardSize; ++y) {
        auto *line = reinterpret_cast<QRgb *>(board.scanLine(y));
        for (int x = 0; x < BoardSize; ++x) {
            const auto byte = static_cast<unsigned char>(raster[y * UploadRasterRowBytes + x / 8]);
            if (byte & (0x80 >> (x % 8))) line[x] = qRgb(0, 0, 0);
        }
    }
    return board;
}

}  // namespace tavro::job
