// A small bitmap font for the labels burnt on a test card: digits and a few signs, drawn the same
// on every machine, with or without a window system.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

namespace tavro::materials {

class CardFont {
public:
    static constexpr int GlyphWidth = 5;
    static constexpr int GlyphHeight = 7;

    // Each font pixel drawn as scale x scale dots.
    explicit CardFont(int scale) : m_scale(scale) {}

    int height() const { return GlyphHeight * m_scale; }
    int width(const QString &text) const;
    // Black dots on the board; characters it has no glyph for (anything but 0-9 % - . / : and
    // the blank) are left as blanks. What falls off the board is cut.
    void draw(QImage &board, QPoint topLeft, const QString &text) const;

private:
    int advance() const { return (GlyphWidth + 1) * m_scale; }

    int m_scale;
};

}  // namespace tavro::materials
