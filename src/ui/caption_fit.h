// Captions that fit their controls: whether a caption shows whole, and the size at which it does.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace tavro::ui {

// Smaller text than this is no longer readable; a caption is never drawn smaller.
inline constexpr int SmallestCaptionPixels = 8;
// Letters narrowed to this share of their width at most (QFont::setStretch), at that size.
inline constexpr int NarrowestCaptionStretch = 75;

// Whether the text, drawn with the flags into the area, shows whole: every line (wrapped
// at blanks only, with Qt::TextWordWrap) as wide as the area at most, and the ink of all
// lines inside it.
bool captionFits(const QFont &font, const QRect &area, int flags, const QString &text);

// The font itself when the text fits; else the same font at the largest smaller pixel
// size, down to SmallestCaptionPixels, at which it does; at that size, narrowed letters
// when no size does (the narrowest when even those do not).
QFont fitCaptionFont(const QFont &font, const QRect &area, int flags, const QString &text);

}  // namespace tavro::ui
