#include "job/placed_rendering.h"

#include "job/effect_board.h"
#include "job/raster_constants.h"
#include "job/work_snapshot.h"
#include "platform/file_name.h"
#include "platform/picture_loader.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {

struct ChosenPicture::Data {
    QString path;
    QSize declared;
    QImage snapshot;
    // Decoded when a placement first needs it; the last scaled copy serves every move.
    bool decoded = false;
    QImage source;
    QString sourceError;
    QImage scaled;
    bool scaledH = false;
    bool scaledV = false;
};

namespace {

// The picture as decoded, no larger than any placement needs, transparency read as white.
QImage sourceOf(const platform::LoadedPicture &loaded)
{
    QImage picture = loaded.image;
    if (picture.width() > MaxPlacedSide || picture.height() > MaxPlacedSide)
        picture = picture.scaled(MaxPlacedSide, MaxPlacedSide, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    QImage onWhite(picture.size(), QImage::Format_RGB32);
    if (onWhite.isNull()) return {};
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, picture);
    return onWhite;
}

}  // namespace

ChosenPicture::ChosenPicture(const QString &path, QSize declaredSize, const QImage &snapshot)
    : m_data(std::make_shared<Data>())
{
    m_data->path = path;
    m_data->declared = declaredSize;
    m_data->snapshot = snapshot;
}

QString ChosenPicture::path() const
{
    return m_data ? m_data->path : QString();
}

QSize ChosenPicture::declaredSize() const
{
    return m_data ? m_data->declared : QSize();
}

QImage ChosenPicture::snapshot() const
{
    return m_data ? m_data->snapshot : QImage();
}

QImage ChosenPicture::scaled(QSize size, bool mirrorH, bool mirrorV, QString *error) const
{
    if (!m_data || size.isEmpty()) return {};
    Data &d = *m_data;
    if (!d.decoded) {
        const platform::LoadedPicture loaded =
            platform::loadPicture(d.path, {.drawSize = MaxPlacedSide});
        d.decoded = true;
        d.source = loaded.isReadable() ? sourceOf(loaded) : QImage();
        d.sourceError = loaded.isReadable()
                            ? QString()
                            : u"%1: %2"_s.arg(platform::displayFileName(d.path), loaded.error);
    }
    if (d.source.isNull()) {
        if (error) *error = d.sourceError;
        return {};
    }
    if (d.scaled.size() != size || d.scaledH != mirrorH || d.scaledV != mirrorV) {
        // Area-averaging when shrinking, as the chooser's own fitting does.
        QImage picture = d.source.size() == size ? d.source
                                                 : d.source.scaled(size, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation);
        d.scaled = picture.mirrored(mirrorH, mirrorV);
        d.scaledH = mirrorH;
        d.scaledV = mirrorV;
    }
    return d.scaled;
}

qsizetype ChosenPicture::memoryBytes() const
{
    if (!m_data) return 0;
    return m_data->snapshot.sizeInBytes() + m_data->source.sizeInBytes() +
           m_data->scaled.sizeInBytes();
}

void ChosenPicture::releaseDecoded() const
{
    if (!m_data) return;
    m_data->decoded = false;
    m_data->source = QImage();
    m_data->scaled = QImage();
}

bool PlacedRendering::isDefaultPlacement() const
{
    return placement == defaultPlacement(picture.declaredSize());
}

RenderedPlacement renderPlaced(const PlacedRendering &rendering)
{
    if (rendering.isDefaultPlacement())
        return {renderEffectBoard(rendering.picture.snapshot(), rendering.effect, rendering.tuning),
                {}};
    const Placement &placement = rendering.placement;
    RenderedPlacement out;
    const QImage picture = rendering.picture.scaled(placement.rect.size(), placement.mirrorH,
                                                    placement.mirrorV, &out.error);
    if (picture.isNull()) {
        if (out.error.isEmpty()) out.error = u"the picture cannot be placed there"_s;
        return out;
    }
    // The board as a working surface: the picture where it lies on it, Margin around it.
    const QRect onBoard = placement.rect & QRect(0, 0, BoardSize, BoardSize);
    QImage surface(BoardSize, BoardSize, QImage::Format_ARGB32);
    surface.fill(Margin);
    {
        QPainter painter(&surface);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(onBoard.topLeft(), picture,
                          onBoard.translated(-placement.rect.topLeft()));
    }
    out.board = renderPictureArea(surface, rendering.effect, rendering.tuning, BoardSize);
    return out;
}

}  // namespace tavro::job
