// Reads an SVG's text once, before Qt's SVG module sees it, and refuses what could make that
// module read other files, run away in time or memory, or draw something absurdly large.
#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRectF>
#include <QSizeF>

#include <optional>

namespace tavro::pictures {

// What the root element declares of its size.
struct SvgFacts {
    // From width and height in absolute units (a bare number is in pixels at 96 per inch);
    // none when either is relative, missing without a viewBox to complete it, or absent.
    std::optional<QSizeF> sizeMm;
    QRectF viewBox;  // empty when the document has none
    bool hasText = false;
};

class SvgCheck {
    Q_DECLARE_TR_FUNCTIONS(tavro::pictures::SvgCheck)

public:
    static constexpr int MaxDepth = 64;
    static constexpr int MaxElements = 100'000;
    // Elements drawn once every <use> is followed: a few lines of <use> can repeat a group
    // billions of times.
    static constexpr qint64 MaxDrawnElements = 200'000;
    static constexpr double MaxSideMm = 10'000;
    // Coordinates of a viewBox beyond this are absurd for a picture an engraver burns.
    static constexpr double MaxViewBox = 1e7;
    static constexpr qsizetype MaxDataUrlBytes = 4 * 1024 * 1024;
    // Pictures embedded as data URLs.
    static constexpr qint64 MaxEmbeddedPixels = 16 * 1024 * 1024;

    // Done when Qt's SVG module may be given these bytes; otherwise why not, in the operator's
    // language. `facts` is filled as far as the root element was read.
    static platform::Outcome check(const QByteArray &svg, SvgFacts &facts);
};

}  // namespace tavro::pictures
