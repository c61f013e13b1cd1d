// An SVG picture, checked before Qt's SVG module reads it and drawn from its vector at whatever
// size it is placed.
#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <optional>

namespace tavro::pictures {

class VectorPicture {
    Q_DECLARE_TR_FUNCTIONS(tavro::pictures::VectorPicture)

public:
    // An SVG file is never larger than this.
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    // The SVG text (never gzip-compressed), or why it cannot be drawn. Nothing it names is
    // ever read.
    static platform::Result<VectorPicture> fromData(const QByteArray &svg);
    // The file is read by its exact bytes (see platform::fileNameFromBytes), whole, and only
    // when it is a regular file of at most MaxFileBytes.
    static platform::Result<VectorPicture> fromFile(const QString &path);

    // The checked text, as read: what a job file keeps.
    const QByteArray &svg() const { return m_svg; }
    // From the document's width and height when they are absolute lengths; none otherwise.
    std::optional<QSizeF> defaultSizeMm() const { return m_defaultSizeMm; }
    // The drawing's own proportions (its viewBox, or width and height): never empty.
    QSizeF naturalSize() const { return m_naturalSize; }

    // Drawn anew from the vector onto white at exactly this size in dots, antialiased, in
    // Format_Grayscale8; the caller's method then decides the dots. The drawing is stretched
    // to the size, so callers keep naturalSize()'s proportions. Null for an empty size or one
    // beyond the picture limit, and for a picture holding text while there is no
    // QGuiApplication (Qt would abort for want of fonts).
    QImage render(QSize dots) const;

private:
    VectorPicture() = default;

    QByteArray m_svg;
    std::optional<QSizeF> m_defaultSizeMm;
    QRectF m_viewBox;  // empty: Qt's own
    bool m_hasText = false;
    QSizeF m_naturalSize;
};

}  // namespace tavro::pictures
