// A picture as the operator chose it, and its rendering at any place, size and mirroring.
#pragma once

#include "document/placement.h"
#include "render/effect.h"
#include "render/picture_tuning.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace tavro::document {

// Copies share one picture: what it decodes once serves every copy, so undo steps that hold the
// same picture hold it once.
class ChosenPicture {
public:
    ChosenPicture() = default;
    // The file, its declared size, and the working surface the effect chooser rendered.
    ChosenPicture(const QString &path, QSize declaredSize, const QImage &snapshot);

    bool isNull() const { return !m_data; }
    QString path() const;
    QSize declaredSize() const;
    // The processing area as the chooser drew it: the default placement renders from it.
    QImage snapshot() const;

    // Starts decoding the file on another thread, so the first move or resize need not wait
    // for it.
    void decodeInBackground() const;
    // The picture stretched to `size` and mirrored as asked, on white. Decoded from the file the
    // first time it is needed, at up to MaxPlacedSide a side; null, with the reason, when the
    // file can no longer be read.
    QImage scaled(QSize size, bool mirrorH, bool mirrorV, QString *error = nullptr) const;
    // What it holds in memory, decoded picture and scaled copy included.
    qsizetype memoryBytes() const;
    // Forgets the decoded picture and the scaled copy; decoded again when needed.
    void releaseDecoded() const;
    bool sharesWith(const ChosenPicture &other) const { return m_data == other.m_data; }
    // The same for every copy: what the history counts a picture by.
    const void *identity() const { return m_data.get(); }

private:
    struct Data;
    std::shared_ptr<Data> m_data;
};

struct PlacedRendering {
    ChosenPicture picture;
    render::Effect effect = render::Effect::BlackWhite;
    render::PictureTuning tuning;
    Placement placement;

    bool isDefaultPlacement() const;
};

struct RenderedPlacement {
    QImage board;   // 512 x 512 on white; null when the picture could not be read
    QString error;  // why not
};

// At the default placement exactly what the effect chooser shows. Anywhere else the picture is
// rendered anew at its placed size (never a 1-bit picture scaled): the same method and tuning
// on its own pixels, the rest of the board white, only what lies on the board rendered.
RenderedPlacement renderPlaced(const PlacedRendering &rendering);

}  // namespace tavro::document
