// A saved job: a PNG of the board, which any file manager shows, with the rest in its text chunks.
#pragma once

#include "document/burn_time.h"
#include "platform/outcome.h"
#include "render/picture_tuning.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tavro::document {

// The newest format this program writes and reads; files of a newer one are refused whole.
inline constexpr int JobFileVersion = 1;
// The text chunk whose presence makes a PNG a job file; its value is the format version.
inline const QString JobVersionKey = QStringLiteral("TavroJob");
inline const QString JobFileSuffix = QStringLiteral(".tavro.png");
// No job comes near this; larger files are not read at all.
inline constexpr qint64 MaxJobFileBytes = qint64(64) * 1024 * 1024;
// A job's texts are the remembered image in base64 (about 1 MiB for a 512 x 512 colour picture,
// far less for a rendering) and a few short lines; a file whose texts inflate to more is refused.
inline constexpr qint64 MaxJobTextBytes = qint64(4) * 1024 * 1024;

struct JobFile {
    QImage board;            // 512 x 512, exactly as the board shows it
    QImage rememberedImage;  // what Reload brings back; null when there is none
    render::PictureTuning tuning;
    int burnTime = DefaultBurnTime;
    QStringList textFont;  // "Key=Value" lines, under the keys of the settings' text font
};

enum class JobFileStatus {
    Ok,
    Unreadable,    // the file could not be read at all
    PlainPicture,  // a picture that holds no job
    NotAJob,       // not even a picture
    NewerVersion,  // written by a newer program
    Damaged,       // a job file that is incomplete or corrupt
};

struct JobFileRead {
    JobFileStatus status = JobFileStatus::Damaged;
    JobFile job;      // only when status is Ok
    QString reason;   // what was wrong, whenever status is not Ok
    int version = 0;  // the file's format version, when it names one
};

// By content, never by name: a PNG that carries the job's version key.
bool isJobFile(const QString &path);

JobFileRead readJobFile(const QString &path);
JobFileRead decodeJobFile(const QByteArray &data);
// Empty when the job cannot be encoded (no board).
QByteArray encodeJobFile(const JobFile &job);

// Whole or not at all (platform::writeWholeFile); when not, why not.
platform::Outcome writeJobFile(const QString &path, const JobFile &job);
// The board alone as a plain PNG, written the same way.
platform::Outcome writeBoardPicture(const QString &path, const QImage &board);

// The name a job is saved under: the job suffix added when the chosen name has none at all.
QString jobFilePath(const QString &chosen);

}  // namespace tavro::document
