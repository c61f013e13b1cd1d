// A picture as the operator chose it in the effect chooser, decoded again when it is placed.
#pragma once

#include "platform/outcome.h"

#include <QFuture>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace tavro::codes {
class CodeSymbol;
}  // namespace tavro::codes

namespace tavro::document {

// Copies share one picture and one cache behind a lock: what one copy decodes or scales serves
// every copy, so undo steps that hold the same picture hold it once, and the const members that
// fill or empty that cache may be called from any thread.
class ChosenPicture {
public:
    // The picture on white, no larger than any placement needs; or why the file cannot give it.
    using Decoder = std::function<platform::Result<QImage>(const QString &path)>;

    ChosenPicture() = default;
    // The file, its declared size, and the working surface the effect chooser rendered. The
    // decoder reads the file; without one, the picture loader does.
    ChosenPicture(const QString &path, QSize declaredSize, const QImage &snapshot,
                  Decoder decoder = {});

    // An SVG: decoding reads its vector, and each placed size is drawn from it anew.
    static ChosenPicture ofVector(const QString &path, QSize declaredSize, const QImage &snapshot);

    // A code: each placed size drawn at the largest whole number of dots a module that fits,
    // centred, so no module is ever split between dots.
    static ChosenPicture ofCode(const codes::CodeSymbol &symbol);

    bool isNull() const { return !m_data; }
    QString path() const;
    QSize declaredSize() const;
    // The processing area as the chooser drew it: the default placement renders from it.
    QImage snapshot() const;

    // The file was decoded, or is known to be unreadable: scaled() does not wait.
    bool isDecoded() const;
    // Starts decoding the file on another thread, unless it is decoded or under way; a file that
    // cannot even be opened is known unreadable at once. The future ends when the decoding lands,
    // or was released.
    QFuture<void> decodeInBackground() const;
    // The picture stretched to `size` and mirrored as asked, on white, at up to MaxPlacedSide a
    // side. Waits for the decoding, or decodes here, unless isDecoded().
    platform::Result<QImage> scaled(QSize size, bool mirrorH, bool mirrorV) const;
    // What it holds in memory, decoded picture and scaled copy included.
    qsizetype memoryBytes() const;
    // Forgets the decoded picture and the scaled copy; a decoding under way is not kept when it
    // lands. Decoded again only when asked again.
    void releaseDecoded() const;

    // The same picture: copies of one chosen picture.
    friend bool operator==(const ChosenPicture &a, const ChosenPicture &b)
    {
        return a.m_data == b.m_data;
    }
    // The same for every copy: what the history counts a picture by.
    const void *identity() const { return m_data.get(); }

private:
    struct Data;
    std::shared_ptr<Data> m_data;
};

}  // namespace tavro::document
