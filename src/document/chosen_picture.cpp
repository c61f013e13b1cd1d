#include "document/chosen_picture.h"

#include "codes/code_symbol.h"
#include "document/placement.h"
#include "pictures/picture_loader.h"
#include "pictures/vector_picture.h"
#include "platform/file_name.h"
#include "platform/whole_file.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"

#include <QFile>
#include <QMutex>
#include <QPainter>
#include <QtConcurrent>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {

namespace {

platform::Outcome unreadable(const QString &path, const QString &reason)
{
    return platform::Outcome::failed(u"%1: %2"_s.arg(platform::displayFileName(path), reason));
}

// The picture as decoded, no larger than any placement needs, transparency read as white.
platform::Result<QImage> decodeToPlace(const QString &path)
{
    const pictures::LoadedPicture loaded = pictures::loadPicture(path, {.drawSize = MaxPlacedSide});
    if (!loaded.isReadable()) return unreadable(path, loaded.error);
    QImage picture = loaded.image;
    if (picture.width() > MaxPlacedSide || picture.height() > MaxPlacedSide)
        picture = picture.scaled(MaxPlacedSide, MaxPlacedSide, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    QImage onWhite(picture.size(), QImage::Format_RGB32);
    if (onWhite.isNull()) return platform::Outcome::failed(u"the picture is too large to place"_s);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, picture);
    return onWhite;
}

platform::Outcome cannotBePlaced()
{
    return platform::Outcome::failed(u"the picture cannot be placed there"_s);
}

// The code at the largest whole module that fits, centred on white.
QImage drawCode(const codes::CodeSymbol &symbol, QSize size)
{
    const QSize modules = symbol.modules();
    const int module =
        std::max(1, std::min(size.width() / modules.width(), size.height() / modules.height()));
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull()) return {};
    picture.fill(Qt::white);
    const QImage drawn = symbol.draw(module);
    QPainter(&picture).drawImage((size.width() - drawn.width()) / 2,
                                 (size.height() - drawn.height()) / 2, drawn);
    return picture;
}

// What a decoding gives: a raster picture, or a vector (its picture stays null).
struct Decoded {
    platform::Result<QImage> picture;
    std::optional<pictures::VectorPicture> vector;
};

Decoded decodeFile(const QString &path, bool isVector, const ChosenPicture::Decoder &decoder)
{
    if (!isVector) return {decoder(path), {}};
    platform::Result<pictures::VectorPicture> read = pictures::VectorPicture::fromFile(path);
    if (!read) return {unreadable(path, read.why()), {}};
    return {QImage(), std::move(read.value())};
}

}  // namespace

struct ChosenPicture::Data {
    // Set before the picture is shared, never changed.
    QString path;
    QSize declared;
    QImage snapshot;
    Decoder decoder;
    bool isVector = false;
    std::optional<codes::CodeSymbol> code;

    QMutex mutex;  // guards everything below
    // A vector's decoding reads this; its decoded picture stays null.
    std::optional<pictures::VectorPicture> vector;
    // Each release ends what was under way: a decoding of an older generation is not kept.
    quint64 generation = 0;
    QFuture<void> decoding;
    std::optional<platform::Result<QImage>> decoded;
    // The last scaled copy serves every move at that size.
    QImage scaled;
    bool scaledH = false;
    bool scaledV = false;

    bool isGeneration(quint64 wanted)
    {
        const QMutexLocker lock(&mutex);
        return generation == wanted;
    }

    void land(quint64 of, Decoded made)
    {
        const QMutexLocker lock(&mutex);
        if (generation != of || decoded) return;
        decoded = std::move(made.picture);
        vector = std::move(made.vector);
    }

    platform::Result<QImage> waitForDecoding()
    {
        QMutexLocker lock(&mutex);
        if (!decoded && decoding.isValid()) {
            QFuture<void> running = decoding;
            lock.unlock();
            running.waitForFinished();
            lock.relock();
        }
        if (!decoded) {
            lock.unlock();
            Decoded made = decodeFile(path, isVector, decoder);
            lock.relock();
            if (!decoded) {
                decoded = std::move(made.picture);
                vector = std::move(made.vector);
            }
        }
        return *decoded;
    }

    // Drawn anew at the size, never scaled from another drawing.
    QImage draw(const QImage &source, QSize size, bool mirrorH, bool mirrorV)
    {
        QImage picture;
        if (code) {
            picture = drawCode(*code, size);
        } else if (isVector) {
            const QMutexLocker lock(&mutex);
            if (vector) picture = vector->render(size).convertToFormat(QImage::Format_RGB32);
        } else {
            // Area-averaging when shrinking, as the chooser's own fitting does.
            picture = source.size() == size
                          ? source
                          : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        return picture.mirrored(mirrorH, mirrorV);
    }
};

ChosenPicture::ChosenPicture(const QString &path, QSize declaredSize, const QImage &snapshot,
                             Decoder decoder)
    : m_data(std::make_shared<Data>())
{
    m_data->path = path;
    m_data->declared = declaredSize;
    m_data->snapshot = snapshot;
    m_data->decoder = decoder ? std::move(decoder) : Decoder(decodeToPlace);
}

ChosenPicture ChosenPicture::ofVector(const QString &path, QSize declaredSize,
                                      const QImage &snapshot)
{
    ChosenPicture picture(path, declaredSize, snapshot);
    picture.m_data->isVector = true;
    return picture;
}

ChosenPicture ChosenPicture::ofCode(const codes::CodeSymbol &symbol)
{
    const QSize modules = symbol.modules();
    const int module =
        std::max(1, render::ProcessingSize / std::max(modules.width(), modules.height()));
    const QImage drawn = symbol.draw(module).convertToFormat(QImage::Format_RGB32);
    ChosenPicture picture(QString(), drawn.size(), render::makeWorkSnapshot(drawn, drawn.size()));
    picture.m_data->code = symbol;
    picture.m_data->decoded = platform::Result<QImage>(QImage());
    return picture;
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

bool ChosenPicture::isDecoded() const
{
    if (!m_data) return false;
    const QMutexLocker lock(&m_data->mutex);
    return m_data->decoded.has_value();
}

QFuture<void> ChosenPicture::decodeInBackground() const
{
    if (!m_data) return QtFuture::makeReadyFuture();
    Data &d = *m_data;
    const QMutexLocker lock(&d.mutex);
    if (d.decoded) return QtFuture::makeReadyFuture();
    if (d.decoding.isValid()) return d.decoding;
    // Opening is quick where reading is not: a file gone is known before any thread starts.
    QFile file;
    if (const platform::Outcome opened =
            platform::openRegularFile(d.path, pictures::MaxPictureBytes, file);
        !opened) {
        d.decoded = unreadable(d.path, opened.why());
        return QtFuture::makeReadyFuture();
    }
    // The thread holds no copy of the picture, so forgetting every copy frees it.
    d.decoding = QtConcurrent::run([data = std::weak_ptr<Data>(m_data), generation = d.generation,
                                    path = d.path, isVector = d.isVector, decoder = d.decoder] {
        if (const std::shared_ptr<Data> shared = data.lock();
            !shared || !shared->isGeneration(generation))
            return;
        Decoded made = decodeFile(path, isVector, decoder);
        if (const std::shared_ptr<Data> shared = data.lock())
            shared->land(generation, std::move(made));
    });
    return d.decoding;
}

platform::Result<QImage> ChosenPicture::scaled(QSize size, bool mirrorH, bool mirrorV) const
{
    if (!m_data || size.isEmpty()) return cannotBePlaced();
    Data &d = *m_data;
    const platform::Result<QImage> source = d.waitForDecoding();
    if (!source) return source;
    QMutexLocker lock(&d.mutex);
    if (d.scaled.size() != size || d.scaledH != mirrorH || d.scaledV != mirrorV) {
        lock.unlock();
        const QImage made = d.draw(*source, size, mirrorH, mirrorV);
        lock.relock();
        // Released meanwhile: nothing is kept.
        if (!d.decoded) return made.isNull() ? cannotBePlaced() : platform::Result<QImage>(made);
        d.scaled = made;
        d.scaledH = mirrorH;
        d.scaledV = mirrorV;
    }
    if (d.scaled.isNull()) return cannotBePlaced();
    return d.scaled;
}

qsizetype ChosenPicture::memoryBytes() const
{
    if (!m_data) return 0;
    Data &d = *m_data;
    const QMutexLocker lock(&d.mutex);
    const qsizetype decoded = d.decoded && d.decoded->ok() ? d.decoded->value().sizeInBytes() : 0;
    const qsizetype vector = d.vector ? d.vector->svg().size() : 0;
    return d.snapshot.sizeInBytes() + decoded + vector + d.scaled.sizeInBytes();
}

void ChosenPicture::releaseDecoded() const
{
    if (!m_data) return;
    Data &d = *m_data;
    const QMutexLocker lock(&d.mutex);
    ++d.generation;
    d.decoding = {};
    d.decoded.reset();
    d.vector.reset();
    d.scaled = QImage();
}

}  // namespace tavro::document
