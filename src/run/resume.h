// Picking a job up where it was cut off: the rows already burnt are not burnt again.
#pragma once

#include <QImage>

namespace tavro::run {

// The board with every row above `row` made white; `row` itself and those below it
// are kept, so the row that was in progress is burnt again (a dot burnt twice is better
// than a gap). Rows outside the board change nothing.
QImage boardFromRow(const QImage &board, int row);

}  // namespace tavro::run
