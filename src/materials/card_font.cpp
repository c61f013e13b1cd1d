#include "materials/card_font.h"

#include <QRect>

#include <array>
#include <optional>

namespace tavro::materials {
namespace {

using Glyph = std::array<unsigned char, CardFont::GlyphHeight>;  // rows, bit 4 leftmost

// clang-format off
constexpr std::array<Glyph, 10> Digits = {{
    {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110},
    {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110},
    {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111},
    {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110},
    {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010},
    {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110},
    {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110},
    {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000},
    {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110},
    {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100},
}};
constexpr Glyph Percent = {0b11000, 0b11001, 0b00010, 0b00100, 0b01000, 0b10011, 0b00011};
constexpr Glyph Minus   = {0b00000, 0b00000, 0b00000, 0b11111, 0b00000, 0b00000, 0b00000};
constexpr Glyph Stop    = {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b01100};
constexpr Glyph Slash   = {0b00000, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b00000};
constexpr Glyph Colon   = {0b00000, 0b01100, 0b01100, 0b00000, 0b01100, 0b01100, 0b00000};
// clang-format on

std::optional<Glyph> glyphOf(QChar c)
{
    if (c >= u'0' && c <= u'9') return Digits[std::size_t(c.unicode() - u'0')];
    switch (c.unicode()) {
    case u'%':
        return Percent;
    case u'-':
        return Minus;
    case u'.':
        return Stop;
    case u'/':
        return Slash;
    case u':':
        return Colon;
    default:
        return std::nullopt;
    }
}

void drawGlyph(QImage &board, QPoint topLeft, const Glyph &glyph, int scale)
{
    const QRect onBoard = board.rect();
    for (int row = 0; row < CardFont::GlyphHeight; ++row) {
        for (int column = 0; column < CardFont::GlyphWidth; ++column) {
            if (!(glyph[std::size_t(row)] >> (CardFont::GlyphWidth - 1 - column) & 1)) continue;
            const QRect dot =
                QRect(topLeft + QPoint(column, row) * scale, QSize(scale, scale)) & onBoard;
            for (int y = dot.top(); y <= dot.bottom(); ++y)
                for (int x = dot.left(); x <= dot.right(); ++x) board.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
}

}  // namespace

int CardFont::width(const QString &text) const
{
    return text.isEmpty() ? 0 : int(text.size()) * advance() - m_scale;
}

void CardFont::draw(QImage &board, QPoint topLeft, const QString &text) const
{
    int left = topLeft.x();
    for (const QChar c : text) {
        if (const std::optional<Glyph> glyph = glyphOf(c))
            drawGlyph(board, QPoint(left, topLeft.y()), *glyph, m_scale);
        left += advance();
    }
}

}  // namespace tavro::materials
