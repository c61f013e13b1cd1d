// The stored image and the carve's place in it: walks the burn bits row by row, left to right.
#pragma once

#include <QByteArray>
#include <QRect>

#include <optional>
#include <utility>

namespace tavro::sim {

class Carver {
public:
    static constexpr int Side = 512;
    static constexpr int RowBytes = Side / 8;
    static constexpr int ImageBytes = Side * RowBytes;

    struct Dot {
        int x = 0;
        int y = 0;
        bool firstInRow = false;  // the row has to be announced before this dot
    };

    Carver();

    // A block of any other size leaves nothing to burn.
    void load(const QByteArray &raster);
    void erase();
    const QByteArray &image() const { return m_image; }
    bool isBurn(int x, int y) const;

    void rewind();            // back to the top row
    void skipRows(int rows);  // negative = back; past the bottom row ends the carve
    int row() const { return m_row; }
    std::optional<Dot> next();  // the next dot to burn, or nothing when the image is done
    // Rows without dots walked through since last asked (after a rewind, from the top; after a
    // skip, from where it landed; at the end, down to the bottom row).
    int takeBlankRows() { return std::exchange(m_blankRows, 0); }

    // Smallest rectangle holding every burn bit; empty when there is none.
    QRect burnBounds() const;

private:
    QByteArray m_image;
    int m_row = 0;
    int m_column = 0;
    bool m_rowStarted = false;
    int m_blankRows = 0;
};

}  // namespace tavro::sim
