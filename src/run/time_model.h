// How long carving takes on one machine, learnt from how long its rows took.
#pragma once

#include "run/carve_work.h"

#include <QString>

#include <array>
#include <chrono>
#include <optional>

namespace tavro::run {

// time = a x dots x burn time + b x rows with dots + c x blank rows + d x dots.
//
// The coefficients are a least-squares fit, never negative, over what the machine did
// (each measured step: its work, the burn time, how long it took), held as the normal
// equations so every new row refines them at once. A weak prior keeps the fit defined
// where the rows say nothing: b and c lean towards the conservative default, and d (a
// per-dot cost that the burn time does not change) towards 0, so that jobs carved at one
// burn time charge the dots to a; once the machine has carved at several burn times the
// rows tell a and d apart.
class TimeModel {
public:
    // a, b, c, d in milliseconds.
    using Coefficients = std::array<double, 4>;
    // Before any job: the simulated engraver's defaults, 1.5 times slower.
    static constexpr Coefficients Conservative{0.15, 22.5, 1.5, 0.0};
    // Older rows weigh less once there are more than this many, so the model follows a
    // machine that changes.
    static constexpr double MaxWeight = 4000;
    // What no engraver is faster or slower than: each coefficient stays within these, so
    // neither a stored model nor an odd run can foretell a job in no time or in days.
    static constexpr Coefficients Lowest{Conservative[0] / 50, Conservative[1] / 50,
                                         Conservative[2] / 50, 0.0};
    static constexpr Coefficients Highest{Conservative[0] * 50, Conservative[1] * 50,
                                          Conservative[2] * 50, 100.0};

    TimeModel();

    void addObservation(const CarveWork &work, int burnTime, std::chrono::microseconds took);
    std::chrono::microseconds predict(const CarveWork &work, int burnTime) const;
    const Coefficients &coefficients() const { return m_coefficients; }
    // How many measured steps the fit rests on (aged).
    double weight() const { return m_weight; }
    bool hasData() const { return m_weight > 0; }
    // A running job found the model right.
    bool isConfirmed() const { return m_confirmed && m_weight > 0; }
    void confirm() { m_confirmed = true; }
    // Called as a job begins: beyond MaxWeight the past counts for less.
    void age();
    // Adds what another model learnt (its rows, and its confirmation) to this one, as if
    // this one had seen those rows too; then ages.
    void merge(const TimeModel &learnt);

    // One line for the settings file, and back; nothing when the text does not hold a model.
    QString toText() const;
    static std::optional<TimeModel> fromText(const QString &text);

private:
    static constexpr int N = 4;
    using Vector = std::array<double, N>;
    using Matrix = std::array<Vector, N>;

    void solve();
    static Vector features(const CarveWork &work, int burnTime);

    Matrix m_normal{};  // sum of f f'
    Vector m_moment{};  // sum of f t (t in ms)
    double m_weight = 0;
    bool m_confirmed = false;
    Coefficients m_coefficients = Conservative;
};

}  // namespace tavro::run
