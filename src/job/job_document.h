// The job as the operator edits it: the board, what Reload brings back, the tuning, the burn
// time and the text font, and the board the machine was last sent.
#pragma once

#include "job/board_surface.h"
#include "job/job_file.h"
#include "job/picture_tuning.h"
#include "job/text_font.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

namespace tavro::job {

// Windows show the document and ask for changes; none of them keeps a fact of the job.
class JobDocument final : public QObject {
    Q_OBJECT
public:
    static constexpr int ZoomMargin = 10;
    static constexpr int ZoomSize = 482;

    JobDocument(const PictureTuning &tuning, const TextFontSettings &font, int burnTime,
                QObject *parent = nullptr);

    // Exactly what is burnt, without the machine's trace: 512 x 512.
    const QImage &board() const { return m_surface.image(); }
    const QImage &rememberedImage() const { return m_remembered; }
    const QImage &workImage() const { return m_work; }
    // The text of the last drop: one path, or every path followed by CR LF.
    const QString &picturePath() const { return m_picturePath; }
    const PictureTuning &tuning() const { return m_tuning; }
    int burnTime() const { return m_burnTime; }
    const TextFontSettings &font() const { return m_font; }
    // Nothing was drawn since a background (a drop hint, or white) was installed.
    bool holdsOnlyBackground() const { return m_onlyBackground; }

    // The board the machine holds, as it was packed, and when its block went out.
    bool hasSentBoard() const { return !m_sentRaster.isEmpty(); }
    const QDateTime &sentAt() const { return m_sentAt; }
    // What would burn differs from what the machine holds.
    bool differsFromSent() const { return m_differsFromSent; }
    void markSent(const QByteArray &raster, const QDateTime &when);

    // The job file it was opened from or saved as; empty for a new picture.
    const QString &path() const { return m_path; }
    // The board changed since it was opened or saved.
    bool isModified() const { return m_modified; }
    void markSaved(const QString &path);

    // The board: each emits boardChanged().
    void setBackgroundPicture(const QImage &picture);
    void clearBoard();
    void reloadPicture();
    void zoomOutBoard();
    void rotateBoard();
    // A chosen rendering: a white board with it at (0, 0), remembered for Reload.
    void placeRendering(const QImage &rendering);
    // Lines split at CR LF, CR or LF, one line height plus 2 apart, in the document's font.
    void writeText(QPoint origin, const QString &text);

    // A new picture is a new job: no file yet.
    void setPicturePath(const QString &path);
    void setTuning(const PictureTuning &tuning);
    void setBurnTime(int burnTime);
    void setFont(const TextFontSettings &font);

    JobFile toJobFile() const;
    // An opened job: the board byte for byte, never refitted, and everything that goes with it.
    void restore(const JobFile &job, const QString &path);

    // The lines of a text as they are burnt.
    static QStringList splitLines(const QString &text);
    // The pixel at (x, y) of a W x H picture goes to (H - 1 - y, x).
    static QImage rotatedQuarterTurn(const QImage &picture);

signals:
    void boardChanged();
    void tuningChanged(const tavro::job::PictureTuning &tuning);
    void burnTimeChanged(int burnTime);
    void fontChanged(const tavro::job::TextFontSettings &font);
    // differsFromSent() or the sent board changed.
    void sentChanged();
    // The path or the modified mark changed.
    void fileChanged();

private:
    void boardEdited(bool onlyBackground);
    void compare();

    BoardSurface m_surface;
    QImage m_remembered;
    QImage m_work;
    QString m_picturePath;
    PictureTuning m_tuning;
    TextFontSettings m_font;
    int m_burnTime;
    bool m_onlyBackground = true;

    QByteArray m_sentRaster;
    QDateTime m_sentAt;
    bool m_differsFromSent = false;

    QString m_path;
    QImage m_savedBoard;
    bool m_modified = false;
};

}  // namespace tavro::job
