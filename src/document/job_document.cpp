#include "document/job_document.h"

#include "render/effect_board.h"
#include "render/upload_raster.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QTransform>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {

JobDocument::JobDocument(const render::PictureTuning &tuning, const TextFontSettings &font,
                         int burnTime, QObject *parent)
    : QObject(parent), m_tuning(tuning), m_font(font), m_burnTime(burnTime)
{
    connect(&m_decoding, &QFutureWatcher<void>::finished, this, &JobDocument::decodingLanded);
}

void JobDocument::boardEdited(bool onlyBackground)
{
    keepDecodedPicture();
    m_onlyBackground = onlyBackground;
    compare();
    emit boardChanged();
}

void JobDocument::compare()
{
    const bool differs = hasSentBoard() && render::packUploadRaster(board()) != m_sentRaster;
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
    m_differsFromSent =
        !m_sentRaster.isEmpty() && render::packUploadRaster(board()) != m_sentRaster;
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
    // A drop hint over nothing but a hint (as at start-up) is no step to go back to.
    if (!m_onlyBackground) recordUndo();
    m_surface.setBackground(picture);
    forgetPlacement();
    boardEdited(true);
}

void JobDocument::clearBoard()
{
    recordUndo();
    m_surface.setBackground(render::blankBoard());
    forgetPlacement();
    boardEdited(true);
}

void JobDocument::reloadPicture()
{
    recordUndo();
    m_surface.clear();
    m_surface.drawPicture(m_remembered, 0, 0);
    m_ink = QImage();
    m_placeable = m_rendering.has_value();
    boardEdited(m_remembered.isNull() && m_onlyBackground);
}

void JobDocument::zoomOutBoard()
{
    recordUndo();
    const QImage before = board();
    m_surface.clear();
    m_surface.drawPictureScaled(before, ZoomMargin, ZoomMargin, ZoomSize, ZoomSize);
    forgetPlacement();
    boardEdited(false);
}

void JobDocument::rotateBoard()
{
    recordUndo();
    const QImage turned = rotatedQuarterTurn(board());
    m_surface.clear();
    m_surface.drawPicture(turned, 0, 0);
    forgetPlacement();
    boardEdited(false);
}

void JobDocument::placeRendering(const QImage &rendering)
{
    showChosen(rendering);
    m_rendering.reset();
    forgetPlacement();
    boardEdited(false);
}

// A white board with the rendering at (0, 0), remembered for Reload.
void JobDocument::showChosen(const QImage &rendering)
{
    recordUndo();
    m_surface.setBackground(render::blankBoard());
    m_surface.drawPicture(rendering, 0, 0);
    m_remembered = board();
}

void JobDocument::placeRendering(const PlacedRendering &rendering)
{
    // Where the chooser put it, the picture is shown without being decoded.
    PlacedRendering chosen = rendering;
    if (!chosen.isReadyToRender())
        chosen.placement = defaultPlacement(chosen.picture.declaredSize());
    const platform::Result<QImage> rendered = renderPlaced(chosen);
    showChosen(rendered ? *rendered : QImage());
    m_rendering = chosen;
    m_placeable = rendered.ok() && chosen.placement.isValid();
    m_ink = QImage();
    boardEdited(false);
    // It waits for the decoding: what goes wrong then comes with placementFailed().
    if (m_placeable && !(chosen == rendering)) static_cast<void>(render(rendering));
}

std::optional<Placement> JobDocument::placement() const
{
    if (!m_placeable || !m_rendering) return std::nullopt;
    return m_pending ? m_pending->placement : m_rendering->placement;
}

std::optional<Placement> JobDocument::placementOnBoard() const
{
    if (!m_placeable || !m_rendering) return std::nullopt;
    return m_rendering->placement;
}

QSize JobDocument::pictureSize() const
{
    return m_rendering ? m_rendering->picture.declaredSize() : QSize();
}

platform::Outcome JobDocument::setPlacement(const Placement &placement)
{
    if (!m_placeable || !m_rendering)
        return platform::Outcome::failed(tr("No chosen picture is on the board."));
    if (!placement.isValid())
        return platform::Outcome::failed(tr("No part of the picture would be on the board."));
    PlacedRendering moved = m_pending.value_or(*m_rendering);
    moved.placement = placement;
    return render(moved);
}

platform::Outcome JobDocument::redrawWithTuning(const render::PictureTuning &tuning)
{
    if (!m_placeable || !m_rendering)
        return platform::Outcome::failed(tr("No chosen picture is on the board."));
    PlacedRendering redrawn = m_pending.value_or(*m_rendering);
    redrawn.tuning = tuning;
    if (redrawn.effect != render::Effect::BlackWhite) redrawn.effect = tuning.method;
    return render(redrawn);
}

platform::Outcome JobDocument::render(const PlacedRendering &wanted)
{
    const bool wasPending = m_pending.has_value();
    m_pending.reset();
    if (wanted == *m_rendering) {
        if (wasPending) emit placementChanged();
        return platform::Outcome::done();
    }
    // The window's thread never waits for a decoding: the request is kept until it lands.
    const QFuture<void> decoding = wanted.picture.decodeInBackground();
    if (!wanted.isReadyToRender()) {
        m_pending = wanted;
        m_decoding.setFuture(decoding);
        emit placementChanged();
        return platform::Outcome::done();
    }
    const platform::Result<QImage> rendered = renderPlaced(wanted);
    if (!rendered) {
        if (wasPending) emit placementChanged();
        return platform::Outcome::failed(rendered.why());
    }
    recordUndo();
    showRendering(wanted, *rendered);
    return platform::Outcome::done();
}

void JobDocument::decodingLanded()
{
    // Given up meanwhile, or released with its picture.
    if (!m_pending || !m_pending->picture.isDecoded()) return;
    if (const platform::Outcome rendered = render(*m_pending); !rendered)
        emit placementFailed(rendered.why());
}

// The new rendering under the text written on the old one.
void JobDocument::showRendering(const PlacedRendering &rendering, const QImage &rendered)
{
    m_surface.drawPicture(rendered, 0, 0);
    m_remembered = board();
    if (!m_ink.isNull()) {
        QImage withText = board();
        QPainter(&withText).drawImage(0, 0, m_ink);
        m_surface.drawPicture(withText, 0, 0);
    }
    m_rendering = rendering;
    boardEdited(false);
}

void JobDocument::forgetPlacement()
{
    m_placeable = false;
    m_ink = QImage();
}

BoardState JobDocument::currentState() const
{
    BoardState state = m_history.capture({board(), m_surface.background(), m_remembered, m_ink});
    state.onlyBackground = m_onlyBackground;
    state.rendering = m_rendering;
    state.placeable = m_placeable;
    return state;
}

void JobDocument::keepDecodedPicture()
{
    const ChosenPicture placeable =
        m_placeable && m_rendering ? m_rendering->picture : ChosenPicture();
    if (placeable == m_decoded) return;
    m_decoded.releaseDecoded();
    m_decoded = placeable;
    // Decoded while the operator looks, so the first move does not wait for it.
    m_decoded.decodeInBackground();
}

void JobDocument::restoreState(const BoardState &state)
{
    m_pending.reset();
    const BoardImages images = BoardHistory::imagesOf(state);
    m_surface.restore(images.board, images.background);
    m_remembered = images.remembered;
    m_ink = images.ink;
    m_rendering = state.rendering;
    m_placeable = state.placeable;
    boardEdited(state.onlyBackground);
}

// A placement still waiting for the decoding is given up: the board goes on from what it shows.
void JobDocument::recordUndo()
{
    m_pending.reset();
    m_history.push(currentState());
    emit historyChanged();
}

void JobDocument::undo()
{
    if (const std::optional<BoardState> state = m_history.undo(currentState())) {
        restoreState(*state);
        emit historyChanged();
    }
}

void JobDocument::redo()
{
    if (const std::optional<BoardState> state = m_history.redo(currentState())) {
        restoreState(*state);
        emit historyChanged();
    }
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
    recordUndo();
    // Kept apart as well while the picture can move, so the text stays where it was written.
    if (m_placeable && m_ink.isNull()) {
        m_ink = QImage(render::BoardSize, render::BoardSize, QImage::Format_ARGB32);
        m_ink.fill(Qt::transparent);
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) continue;
        m_surface.writeText(origin.x(), origin.y() + i * step, lines[i], font);
        if (m_placeable)
            BoardSurface::writeText(m_ink, origin.x(), origin.y() + i * step, lines[i], font);
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

void JobDocument::setTuning(const render::PictureTuning &tuning)
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
    recordUndo();
    m_rendering.reset();
    forgetPlacement();
    m_surface.clear();
    m_surface.drawPicture(job.board, 0, 0);
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

}  // namespace tavro::document
