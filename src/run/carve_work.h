// An amount of carving as the machine's time depends on it: dots, rows with dots, blank rows.
#pragma once

#include <QtGlobal>

namespace tavro::run {

struct CarveWork {
    qint64 dots = 0;
    int rows = 0;       // rows with dots the head moves to
    int blankRows = 0;  // rows without dots it passes

    friend bool operator==(const CarveWork &, const CarveWork &) = default;
};

// A boundary in a run: a row with dots began, or the carve ended. When `measured`, the
// machine did exactly `work` since the previous step (or since the run began at the top),
// so the time between the two is the time that work took.
struct CarveStep {
    CarveWork work;
    bool measured = false;
};

}  // namespace tavro::run
