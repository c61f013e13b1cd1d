#include "document/placed_rendering.h"

#include "platform/file_name.h"
#include "platform/picture_loader.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"

#include <QPainter>
#include <QtConcurrent>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {

namespace {

struct Source {
    QImage picture;
    QString error;
};

// The picture as decoded, no larger than any placement needs, transparency read as white.
Source decode(const QString &path)
{
    const platform::LoadedPicture loaded = platform::loadPicture(path, {.drawSize = MaxPlacedSide});
    if (!loaded.isReadable())
        return {{}, u"%1: %2"_s.arg(platform::displayFileName(path), loaded.error)};
    QImage picture = loaded.image;
    if (picture.width() > MaxPlacedSide || picture.height() > MaxPlacedSide)
        picture = picture.scaled(MaxPlacedSide, MaxPlacedSide, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    QImage onWhite(picture.size(), QImage::Format_RGB32);
    if (onWhite.isNull()) return {{}, u"the picture is too large to place"_s};
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, picture);
    return {onWhite, {}};
}

}  // namespace

struct ChosenPicture::Data {
    QString path;
    QSize declared;
    QImage snapshot;
    // Decoded when a placement first needs it, or before on another thread; the last scaled
    // copy serves every move.
    QFuture<Source> decoding;
    std::optional<Source> source;
    QImage scaled;
    bool scaledH = false;
    bool scaledV = false;

    const Source &decoded()
    {
        if (!source) source = decoding.isValid() ? decoding.result() : decode(path);
        decoding = {};
        return *source;
    }
};

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

void ChosenPicture::decodeInBackground() const
{
    if (!m_data || m_data->source || m_data->decoding.isValid()) return;
    m_data->decoding = QtConcurrent::run(decode, m_data->path);
}

QImage ChosenPicture::scaled(QSize size, bool mirrorH, bool mirrorV, QString *error) const
{
    if (!m_data || size.isEmpty()) return {};
    Data &d = *m_data;
    const Source &source = d.decoded();
    if (source.picture.isNull()) {
        if (error) *error = source.error;
        return {};
    }
    if (d.scaled.size() != size || d.scaledH != mirrorH || d.scaledV != mirrorV) {
        // Area-averaging when shrinking, as the chooser's own fitting does.
        const QImage picture =
            source.picture.size() == size
                ? source.picture
                : source.picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        d.scaled = picture.mirrored(mirrorH, mirrorV);
        d.scaledH = mirrorH;
        d.scaledV = mirrorV;
    }
    return d.scaled;
}

qsizetype ChosenPicture::memoryBytes() const
{
    if (!m_data) return 0;
    const qsizetype source = m_data->source ? m_data->source->picture.sizeInBytes() : 0;
    return m_data->snapshot.sizeInBytes() + source + m_data->scaled.sizeInBytes();
}

void ChosenPicture::releaseDecoded() const
{
    if (!m_data) return;
    // A decoding under way ends on its own thread; its result is not kept.
    m_data->decoding = {};
    m_data->source.reset();
    m_data->scaled = QImage();
}

bool PlacedRendering::isDefaultPlacement() const
{
    return placement == defaultPlacement(picture.declaredSize());
}

RenderedPlacement renderPlaced(const PlacedRendering &rendering)
{
    if (rendering.isDefaultPlacement())
        return {render::renderEffectBoard(rendering.picture.snapshot(), rendering.effect,
                                          rendering.tuning),
                {}};
    const Placement &placement = rendering.placement;
    RenderedPlacement out;
    const QImage picture = rendering.picture.scaled(placement.rect.size(), placement.mirrorH,
                                                    placement.mirrorV, &out.error);
    if (picture.isNull()) {
        if (out.error.isEmpty()) out.error = u"the picture cannot be placed there"_s;
        return out;
    }
    // The board as a working surface: the picture where it lies on it, render::Margin around it.
    const QRect onBoard = placement.rect & QRect(0, 0, render::BoardSize, render::BoardSize);
    QImage surface(render::BoardSize, render::BoardSize, QImage::Format_ARGB32);
    surface.fill(render::Margin);
    {
        QPainter painter(&surface);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(onBoard.topLeft(), picture,
                          onBoard.translated(-placement.rect.topLeft()));
    }
    out.board =
        render::renderPictureArea(surface, rendering.effect, rendering.tuning, render::BoardSize);
    return out;
}

}  // namespace tavro::document
