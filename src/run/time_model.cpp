#include "run/time_model.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {

namespace {

constexpr int N = 4;
using Vector = std::array<double, N>;
using Matrix = std::array<Vector, N>;

// What the fit leans on where the rows say nothing, as pseudo-rows: features, time, weight.
struct Prior {
    Vector features;
    double ms;
    double weight;
};

std::array<Prior, N> priors()
{
    const auto &c = TimeModel::Conservative;
    // A tenth of a row each: enough to define what no row has shown (blank rows after
    // a picture that fills every row), too little to bend what rows have shown.
    // The pull on a (a row of 100 dots at burn time 40) is weaker than the one on d, so
    // that jobs at a single burn time charge their dots to a.
    const double dotRow = 100.0 * 40.0;
    return {{
        {{dotRow, 0, 0, 0}, dotRow * c[0], 0.001},
        {{0, 1, 0, 0}, c[1], 0.1},
        {{0, 0, 1, 0}, c[2], 0.1},
        {{0, 0, 0, 100}, 0, 0.1},
    }};
}

// Solves the positive definite system A x = b on the variables in `mask` (the others 0)
// by Cholesky, after scaling each variable to unit diagonal. False when A is not
// positive definite there.
bool solveMasked(const Matrix &a, const Vector &b, unsigned mask, Vector &x)
{
    int index[N];
    int n = 0;
    for (int i = 0; i < N; ++i)
        if (mask & (1u << i)) index[n++] = i;
    double scale[N] = {};
    for (int i = 0; i < n; ++i) {
        const double diagonal = a[index[i]][index[i]];
        if (!(diagonal > 0)) return false;
        scale[i] = 1 / std::sqrt(diagonal);
    }
    double l[N][N] = {};
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j <= i; ++j) {
            double sum = a[index[i]][index[j]] * scale[i] * scale[j];
            for (int k = 0; k < j; ++k) sum -= l[i][k] * l[j][k];
            if (i == j) {
                if (!(sum > 1e-12)) return false;
                l[i][i] = std::sqrt(sum);
            } else {
                l[i][j] = sum / l[j][j];
            }
        }
    }
    double y[N] = {};
    for (int i = 0; i < n; ++i) {
        double sum = b[index[i]] * scale[i];
        for (int k = 0; k < i; ++k) sum -= l[i][k] * y[k];
        y[i] = sum / l[i][i];
    }
    x = {};
    for (int i = n - 1; i >= 0; --i) {
        double sum = y[i];
        for (int k = i + 1; k < n; ++k) sum -= l[k][i] * y[k];
        y[i] = sum / l[i][i];
        x[index[i]] = y[i] * scale[i];
    }
    return true;
}

double objective(const Matrix &a, const Vector &b, const Vector &x)
{
    double value = 0;
    for (int i = 0; i < N; ++i) {
        value -= 2 * b[i] * x[i];
        for (int j = 0; j < N; ++j) value += x[i] * a[i][j] * x[j];
    }
    return value;
}

}  // namespace

TimeModel::TimeModel()
{
    solve();
}

TimeModel::Vector TimeModel::features(const CarveWork &work, int burnTime)
{
    const double dots = double(qMax<qint64>(work.dots, 0));
    return {dots * qMax(burnTime, 0), double(qMax(work.rows, 0)), double(qMax(work.blankRows, 0)),
            dots};
}

void TimeModel::addObservation(const CarveWork &work, int burnTime, std::chrono::microseconds took)
{
    const double ms = double(took.count()) / 1000.0;
    if (!std::isfinite(ms) || ms < 0) return;
    const Vector f = features(work, burnTime);
    for (int i = 0; i < N; ++i) {
        m_moment[i] += f[i] * ms;
        for (int j = 0; j < N; ++j) m_normal[i][j] += f[i] * f[j];
    }
    m_weight += 1;
    solve();
}

std::chrono::microseconds TimeModel::predict(const CarveWork &work, int burnTime) const
{
    const Vector f = features(work, burnTime);
    double ms = 0;
    for (int i = 0; i < N; ++i) ms += f[i] * m_coefficients[i];
    return std::chrono::microseconds(std::llround(std::max(ms, 0.0) * 1000.0));
}

void TimeModel::age()
{
    if (m_weight <= MaxWeight) return;
    const double keep = MaxWeight / m_weight;
    for (int i = 0; i < N; ++i) {
        m_moment[i] *= keep;
        for (int j = 0; j < N; ++j) m_normal[i][j] *= keep;
    }
    m_weight = MaxWeight;
}

void TimeModel::merge(const TimeModel &learnt)
{
    for (int i = 0; i < N; ++i) {
        m_moment[i] += learnt.m_moment[i];
        for (int j = 0; j < N; ++j) m_normal[i][j] += learnt.m_normal[i][j];
    }
    m_weight += learnt.m_weight;
    m_confirmed = m_confirmed || learnt.m_confirmed;
    age();
    solve();
}

// Non-negative least squares of a four-term model: the best of the sixteen ways to
// leave some coefficients at 0 whose solution is non-negative is the constrained optimum.
void TimeModel::solve()
{
    Matrix a = m_normal;
    Vector b = m_moment;
    for (const Prior &prior : priors()) {
        for (int i = 0; i < N; ++i) {
            b[i] += prior.weight * prior.features[i] * prior.ms;
            for (int j = 0; j < N; ++j)
                a[i][j] += prior.weight * prior.features[i] * prior.features[j];
        }
    }
    Vector best{};
    double bestValue = 0;  // all coefficients 0
    for (unsigned mask = 1; mask < (1u << N); ++mask) {
        Vector x;
        if (!solveMasked(a, b, mask, x)) continue;
        if (std::any_of(x.begin(), x.end(),
                        [](double v) { return !(v >= 0) || !std::isfinite(v); }))
            continue;
        const double value = objective(a, b, x);
        if (value < bestValue) {
            bestValue = value;
            best = x;
        }
    }
    for (int i = 0; i < N; ++i) best[i] = std::clamp(best[i], Lowest[i], Highest[i]);
    m_coefficients = best;
}

QString TimeModel::toText() const
{
    QStringList parts{u"v1"_s, m_confirmed ? u"1"_s : u"0"_s, QString::number(m_weight, 'g', 17)};
    for (int i = 0; i < N; ++i)
        for (int j = i; j < N; ++j) parts << QString::number(m_normal[i][j], 'g', 17);
    for (double v : m_moment) parts << QString::number(v, 'g', 17);
    return parts.join(u' ');
}

std::optional<TimeModel> TimeModel::fromText(const QString &text)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 3 + 10 + N || parts[0] != u"v1"_s) return std::nullopt;
    if (parts[1] != u"0"_s && parts[1] != u"1"_s) return std::nullopt;
    std::array<double, 1 + 10 + N> values{};
    for (std::size_t k = 0; k < values.size(); ++k) {
        bool ok = false;
        values[k] = parts[qsizetype(k) + 2].toDouble(&ok);
        if (!ok || !std::isfinite(values[k]) || std::abs(values[k]) > 1e300) return std::nullopt;
    }
    TimeModel model;
    model.m_confirmed = parts[1] == u"1"_s;
    model.m_weight = values[0];
    if (model.m_weight < 0) return std::nullopt;
    std::size_t k = 1;
    for (int i = 0; i < N; ++i)
        for (int j = i; j < N; ++j) model.m_normal[i][j] = model.m_normal[j][i] = values[k++];
    for (int i = 0; i < N; ++i) model.m_moment[i] = values[k++];
    // Sums of squares are never negative, nor is any product larger than its squares allow.
    for (int i = 0; i < N; ++i) {
        if (model.m_normal[i][i] < 0) return std::nullopt;
        for (int j = 0; j < N; ++j) {
            const double bound = std::sqrt(model.m_normal[i][i] * model.m_normal[j][j]);
            if (std::abs(model.m_normal[i][j]) > bound * (1 + 1e-9) + 1e-9) return std::nullopt;
        }
    }
    model.solve();
    return model;
}

}  // namespace tavro::run
