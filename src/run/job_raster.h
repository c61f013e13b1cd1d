// The job as the upload raster defines it: its dots, row by row, in the order they are carved.
#pragma once

#include "run/carve_work.h"

#include <QByteArray>

#include <array>

namespace tavro::run {

class JobRaster {
public:
    static constexpr int Side = 512;

    // No job: nothing to carve.
    JobRaster() = default;
    // A packed raster (512 rows of 64 bytes, leftmost pixel in bit 7, 1 = burn); any
    // other size is no job.
    explicit JobRaster(const QByteArray &raster);

    bool isValid() const { return !m_bits.isEmpty(); }
    qint64 dots() const { return m_dotsFrom[0]; }
    int rowsWithDots() const { return m_rowsFrom[0]; }
    int dotsInRow(int row) const;
    bool isDot(int x, int y) const;
    // -1 when there is none.
    int lastRowWithDots() const;

    // The whole job: the head walks every row, so all 512 count as rows or blank rows.
    CarveWork work() const { return workFrom(0); }
    // What is left from the top of `row` to the bottom (nothing past the bottom).
    CarveWork workFrom(int row) const;

private:
    QByteArray m_bits;
    std::array<int, Side> m_rowDots{};
    // Suffix sums: from row r down to the bottom.
    std::array<qint64, Side + 1> m_dotsFrom{};
    std::array<int, Side + 1> m_rowsFrom{};
};

}  // namespace tavro::run
