// A job cut off by a broken link, kept in the settings folder until it is finished or dismissed.
#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace tavro::job {

struct InterruptedJob {
    QImage board;       // as it was sent, 512 x 512
    int burnTime = 40;  // as the job had it
    int resumeRow = 0;  // the last row the machine reported: it is burnt again
    qint64 dotsDone = 0;
    qint64 dotsTotal = 0;

    int percent() const { return dotsTotal > 0 ? int(dotsDone * 100 / dotsTotal) : 0; }
};

// Two files of its own in the settings folder: the board as a job file, and its notes.
// Nothing else in the folder is ever touched.
class InterruptedJobStore {
public:
    static constexpr int Version = 1;

    explicit InterruptedJobStore(QString folder);

    // Empty when kept; otherwise why not (the job is then not kept at all).
    QString save(const InterruptedJob &job);

    struct Loaded {
        std::optional<InterruptedJob> job;
        // Set when a stored job was there but could not be used; it has been dropped.
        QString problem;
    };
    Loaded load();
    void drop();
    bool holdsJob() const;

    QString boardPath() const;
    QString notesPath() const;

private:
    QString m_folder;
};

// The board the machine holds, from the raster it was sent (1 = burn, black).
QImage boardFromRaster(const QByteArray &raster);

}  // namespace tavro::job
