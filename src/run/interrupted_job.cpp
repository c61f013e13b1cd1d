#include "run/interrupted_job.h"

#include "document/job_file.h"
#include "machine/machine_identity.h"
#include "platform/key_value_lines.h"
#include "platform/whole_file.h"
#include "render/raster_constants.h"
#include "settings/profile_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {
namespace {

constexpr qint64 MaxDots = qint64(render::BoardSize) * render::BoardSize;

std::optional<qint64> boundedNumber(const QStringList &lines, QStringView key, qint64 max)
{
    bool ok = false;
    const qint64 value = platform::valueInLines(lines, key).value_or(QString()).toLongLong(&ok);
    return ok && value >= 0 && value <= max ? std::optional(value) : std::nullopt;
}

// Only a regular file of at most `cap` bytes is read: never a device, a FIFO or a huge file.
platform::Result<QByteArray> readSmallFile(const QString &path, qint64 cap)
{
    QByteArray bytes;
    if (platform::Outcome read = platform::readWholeFile(path, cap, bytes); !read) return read;
    return bytes;
}

bool isBoard(const QImage &board)
{
    return board.width() == render::BoardSize && board.height() == render::BoardSize;
}

platform::Outcome checkSequence(const JobSequence &sequence)
{
    const platform::Outcome damaged = platform::Outcome::failed(u"its sequence is damaged"_s);
    if (sequence.steps.isEmpty() || sequence.steps.size() > JobSequence::MaxSteps ||
        sequence.step < 0 || sequence.step >= sequence.steps.size())
        return damaged;
    for (const JobSequence::Step &step : sequence.steps)
        if (!isBoard(step.board) || !document::BurnTimeRange.contains(step.burnTime))
            return damaged;
    return platform::Outcome::done();
}

// Notes and board checked together; the reason when they cannot be used.
platform::Outcome checkJob(const InterruptedJob &job)
{
    if (!isBoard(job.board))
        return platform::Outcome::failed(u"its board is not %1 x %1"_s.arg(render::BoardSize));
    if (job.resumeRow < 0 || job.resumeRow >= render::BoardSize || job.dotsDone > job.dotsTotal ||
        !document::BurnTimeRange.contains(job.burnTime))
        return platform::Outcome::failed(u"its notes are missing or damaged"_s);
    return job.sequence ? checkSequence(*job.sequence) : platform::Outcome::done();
}

QString boardText(const QImage &board, int burnTime)
{
    document::JobFile file;
    file.board = board;
    file.burnTime = burnTime;
    return QString::fromLatin1(document::encodeJobFile(file).toBase64());
}

QStringList sequenceLines(const JobSequence &sequence)
{
    QStringList lines = platform::keyValueLines(
        {{u"Steps"_s, QString::number(sequence.steps.size())},
         {u"Step"_s, QString::number(sequence.step)},
         {u"SequenceNotes"_s,
          QString::fromLatin1(sequence.notes.join(u'\n').toUtf8().toBase64())}});
    for (qsizetype i = 0; i < sequence.steps.size(); ++i)
        lines << u"Step%1Board="_s.arg(i) +
                     boardText(sequence.steps[i].board, sequence.steps[i].burnTime);
    return lines;
}

// Nothing when the notes name no sequence; a sequence without steps when they are damaged.
std::optional<JobSequence> sequenceFrom(const QStringList &lines)
{
    const std::optional<qint64> steps = boundedNumber(lines, u"Steps", JobSequence::MaxSteps);
    if (!platform::valueInLines(lines, u"Steps")) return std::nullopt;
    JobSequence sequence;
    const std::optional<qint64> step = boundedNumber(lines, u"Step", JobSequence::MaxSteps);
    if (!steps || !step) return sequence;
    sequence.step = int(*step);
    const QByteArray notes = QByteArray::fromBase64(
        platform::valueInLines(lines, u"SequenceNotes").value_or(QString()).toLatin1());
    sequence.notes = QString::fromUtf8(notes).split(u'\n', Qt::SkipEmptyParts);
    for (qint64 i = 0; i < *steps; ++i) {
        const document::JobFileRead read = document::decodeJobFile(QByteArray::fromBase64(
            platform::valueInLines(lines, u"Step%1Board"_s.arg(i)).value_or(QString()).toLatin1()));
        if (read.status != document::JobFileStatus::Ok) return JobSequence{};
        sequence.steps << JobSequence::Step{read.job.board, read.job.burnTime};
    }
    return sequence;
}

}  // namespace

JobSequence JobSequence::at(int index) const
{
    JobSequence other = *this;
    other.step = index;
    return other;
}

InterruptedJobStore::InterruptedJobStore(QString folder) : m_folder(std::move(folder)) {}

QString InterruptedJobStore::pathFor(const QString &machine) const
{
    return QDir(m_folder).filePath(u"interrupted-job-"_s + machine::machineHash(machine) +
                                   u".txt"_s);
}

QString InterruptedJobStore::legacyBoardPath() const
{
    return QDir(m_folder).filePath(u"interrupted-job"_s + document::JobFileSuffix);
}

QString InterruptedJobStore::legacyNotesPath() const
{
    return QDir(m_folder).filePath(u"interrupted-job.ini"_s);
}

platform::Outcome InterruptedJobStore::save(const InterruptedJob &job)
{
    if (platform::Outcome usable = checkJob(job); !usable) return usable;
    document::JobFile file;
    file.board = job.board;
    file.burnTime = job.burnTime;
    const QByteArray board = document::encodeJobFile(file);
    if (board.isEmpty()) return platform::Outcome::failed(u"the board cannot be encoded"_s);
    QStringList lines = platform::keyValueLines({{u"Version"_s, QString::number(Version)},
                                                 {u"Machine"_s, job.machine},
                                                 {u"Row"_s, QString::number(job.resumeRow)},
                                                 {u"DotsDone"_s, QString::number(job.dotsDone)},
                                                 {u"DotsTotal"_s, QString::number(job.dotsTotal)}});
    lines << u"Board="_s + QString::fromLatin1(board.toBase64());
    if (job.sequence) lines += sequenceLines(*job.sequence);
    platform::Outcome written =
        platform::writeWholeFile(pathFor(job.machine), lines.join(u'\n').toUtf8());
    // The older way of keeping a job is gone once this one is kept.
    if (written) {
        QFile::remove(legacyNotesPath());
        QFile::remove(legacyBoardPath());
    }
    return written;
}

InterruptedJobStore::Loaded InterruptedJobStore::load(const QString &machine) const
{
    const QString path = pathFor(machine);
    if (!QFileInfo::exists(path)) return loadLegacy();
    Loaded loaded;
    const platform::Result<QByteArray> bytes = readSmallFile(path, MaxFileBytes);
    if (!bytes) {
        loaded.problem = u"it cannot be read: "_s + bytes.why();
        return loaded;
    }
    const QStringList lines = QString::fromUtf8(*bytes).split(u'\n');
    const std::optional<qint64> version = boundedNumber(lines, u"Version", 1'000'000);
    if (!version) {
        loaded.problem = u"its notes are missing or damaged"_s;
        return loaded;
    }
    if (*version > Version) {
        loaded.problem = u"it was kept by a newer version of the program"_s;
        return loaded;
    }
    const std::optional<qint64> row = boundedNumber(lines, u"Row", render::BoardSize - 1);
    const std::optional<qint64> done = boundedNumber(lines, u"DotsDone", MaxDots);
    const std::optional<qint64> total = boundedNumber(lines, u"DotsTotal", MaxDots);
    if (!row || !done || !total) {
        loaded.problem = u"its notes are missing or damaged"_s;
        return loaded;
    }
    const document::JobFileRead read = document::decodeJobFile(QByteArray::fromBase64(
        platform::valueInLines(lines, u"Board").value_or(QString()).toLatin1()));
    if (read.status != document::JobFileStatus::Ok) {
        loaded.problem = u"its board cannot be read: "_s + read.reason;
        return loaded;
    }
    InterruptedJob job{read.job.board,
                       read.job.burnTime,
                       int(*row),
                       *done,
                       *total,
                       platform::valueInLines(lines, u"Machine").value_or(QString()),
                       sequenceFrom(lines)};
    if (const platform::Outcome usable = checkJob(job); !usable) {
        loaded.problem = usable.why();
        return loaded;
    }
    loaded.job = job;
    return loaded;
}

// Kept before jobs were kept per machine: offered to whichever machine comes first.
InterruptedJobStore::Loaded InterruptedJobStore::loadLegacy() const
{
    Loaded loaded;
    if (!QFileInfo::exists(legacyNotesPath())) return loaded;
    if (const platform::Result<QByteArray> read = readSmallFile(legacyNotesPath(), MaxFileBytes);
        !read) {
        loaded.problem = u"its notes cannot be read: "_s + read.why();
        return loaded;
    }
    const settings::ProfileFile notes(legacyNotesPath());
    const auto number = [&notes](const QString &key, qint64 max) -> std::optional<qint64> {
        bool ok = false;
        const qint64 value = notes.read(u"InterruptedJob"_s, key, {}).toLongLong(&ok);
        return ok && value >= 0 && value <= max ? std::optional(value) : std::nullopt;
    };
    const std::optional<qint64> version = number(u"Version"_s, 1'000'000);
    const std::optional<qint64> row = number(u"Row"_s, render::BoardSize - 1);
    const std::optional<qint64> done = number(u"DotsDone"_s, MaxDots);
    const std::optional<qint64> total = number(u"DotsTotal"_s, MaxDots);
    if (!version || *version != 1 || !row || !done || !total) {
        loaded.problem = u"its notes are missing or damaged"_s;
        return loaded;
    }
    if (const platform::Result<QByteArray> read =
            readSmallFile(legacyBoardPath(), document::MaxJobFileBytes);
        !read) {
        loaded.problem = u"its board cannot be read: "_s + read.why();
        return loaded;
    }
    const document::JobFileRead read = document::readJobFile(legacyBoardPath());
    if (read.status != document::JobFileStatus::Ok) {
        loaded.problem = u"its board cannot be read: "_s + read.reason;
        return loaded;
    }
    InterruptedJob job{read.job.board, read.job.burnTime, int(*row), *done, *total, QString()};
    if (const platform::Outcome usable = checkJob(job); !usable) {
        loaded.problem = usable.why();
        return loaded;
    }
    loaded.job = job;
    return loaded;
}

void InterruptedJobStore::drop(const QString &machine)
{
    QFile::remove(pathFor(machine));
    QFile::remove(legacyNotesPath());
    QFile::remove(legacyBoardPath());
}

}  // namespace tavro::run
