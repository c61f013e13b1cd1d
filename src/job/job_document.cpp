#include "job/job_document.h"

#include "job/effect_board.h"
#include "job/upload_raster.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QTransform>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {

JobDocument::JobDocument(const PictureTuning &tuning, const TextFontSettings &font, int burnTime,
                         QObject *parent)
    : QObject(parent), m_tuning(tuning), m_font(font), m_burnTime(burnTime)
{
}

void JobDocument::boardEdited(bool onlyBackground)
{
    m_onlyBackground = onlyBackground;
    compare();
    emit boardChanged();
}

void JobDocument::compare()
{
    const bool differs = hasSentBoard() && packUploadRaster(board()) != m_sentRaster;
    if (differs != m_differsFromSent) {
        m_differsFromSent = differs;
        emit sentChanged();
    }
    const bool modified = !m_path.isEmpty() && board() != m_savedBoard;
    if (modified != m_modified) {
        m_modified = modified;
        emit fileChanged();
    }
}

void JobDocument::markSent(const QByteArray &raster, const QDateTime &when)
{
    m_sentRaster = raster;
    m_sentAt = when;
    m_differsFromSent = !m_sentRaster.isEmpty() && packUploadRaster(board()) != m_sentRaster;
    emit sentChanged();
}

void JobDocument::markSaved(const QString &path)
{
    m_path = path;
    m_savedBoard = board();
    m_modified = false;
    emit fileChanged();
}

void JobDocument::setBackgroundPicture(const QImage &picture)
{
    m_surface.setBackground(picture);
    boardEdited(true);
}

void JobDocument::clearBoard()
{
    m_surface.setBackground(blankBoard());
    boardEdited(true);
}

void JobDocument::reloadPicture()
{
    m_surface.clear();
    m_surface.drawPicture(m_remembered, 0, 0);
    m_work = m_remembered;
    boardEdited(m_remembered.isNull() && m_onlyBackground);
}

void JobDocument::zoomOutBoard()
{
    m_work = board();
    m_surface.clear();
    m_surface.drawPictureScaled(m_work, ZoomMargin, ZoomMargin, ZoomSize, ZoomSize);
    boardEdited(false);
}

void JobDocument::rotateBoard()
{
    m_work = rotatedQuarterTurn(board());
    m_surface.clear();
    m_surface.drawPicture(m_work, 0, 0);
    boardEdited(false);
}

void JobDocument::placeRendering(const QImage &rendering)
{
    m_surface.setBackground(blankBoard());
    m_surface.drawPicture(rendering, 0, 0);
    // Remembered for Reload; the previous one stays the work image, as Reload's source before.
    m_work = m_remembered;
    m_remembered = board();
    boardEdited(false);
}

QStringList JobDocument::splitLines(const QString &text)
{
    static const QRegularExpression breaks(u"\r\n|\r|\n"_s);
    return text.split(breaks);
}

void JobDocument::writeText(QPoint origin, const QString &text)
{
    const QFont font = m_font.toFont();
    const QStringList lines = splitLines(text);
    const int step = QFontMetrics(font).height() + 2;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            m_surface.writeText(origin.x(), origin.y() + i * step, lines[i], font);
    }
    boardEdited(false);
}

void JobDocument::setPicturePath(const QString &path)
{
    m_picturePath = path;
    if (m_path.isEmpty()) return;
    m_path.clear();
    m_modified = false;
    emit fileChanged();
}

void JobDocument::setTuning(const PictureTuning &tuning)
{
    if (tuning == m_tuning) return;
    m_tuning = tuning;
    emit tuningChanged(tuning);
}

void JobDocument::setBurnTime(int burnTime)
{
    if (burnTime == m_burnTime) return;
    m_burnTime = burnTime;
    emit burnTimeChanged(burnTime);
}

void JobDocument::setFont(const TextFontSettings &font)
{
    m_font = font;
    emit fontChanged(font);
}

JobFile JobDocument::toJobFile() const
{
    JobFile job;
    job.board = board();
    job.rememberedImage = m_remembered;
    job.tuning = m_tuning;
    job.burnTime = m_burnTime;
    job.textFont = fontSettingsToLines(m_font);
    return job;
}

void JobDocument::restore(const JobFile &job, const QString &path)
{
    m_surface.clear();
    m_surface.drawPicture(job.board, 0, 0);
    m_work = m_remembered;
    m_remembered = job.rememberedImage;
    setTuning(job.tuning);
    setBurnTime(job.burnTime);
    setFont(fontSettingsFromLines(job.textFont));
    boardEdited(false);
    markSaved(path);
}

QImage JobDocument::rotatedQuarterTurn(const QImage &picture)
{
    // A quarter turn moves pixels without blending them.
    return picture.transformed(QTransform().rotate(90), Qt::FastTransformation);
}

}  // namespace tavro::job
