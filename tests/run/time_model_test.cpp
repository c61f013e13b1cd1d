// The time model's fit: known coefficients back from exact timings, its bounds, its stored form.
#include "run/time_model.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

using namespace std::chrono_literals;
using tavro::run::CarveWork;
using tavro::run::TimeModel;

namespace {

struct Truth {
    double a, b, c, d;
    std::chrono::microseconds time(const CarveWork &w, int burnTime) const
    {
        const double ms =
            a * double(w.dots) * burnTime + b * w.rows + c * w.blankRows + d * double(w.dots);
        return std::chrono::microseconds(std::llround(ms * 1000));
    }
};

// Rows as a picture gives them: varying dots, now and then a few blank rows before.
void feed(TimeModel &model, const Truth &truth, const std::vector<int> &burnTimes, int rows = 400)
{
    for (int i = 0; i < rows; ++i) {
        const CarveWork work{(i * 37) % 180, 1, (i % 7 == 0) ? i % 5 : 0};
        const int burn = burnTimes[std::size_t(i) % burnTimes.size()];
        model.addObservation(work, burn, truth.time(work, burn));
    }
}

void expectNear(double value, double wanted, double relative)
{
    EXPECT_NEAR(value, wanted, std::abs(wanted) * relative + 1e-9) << "wanted " << wanted;
}

TEST(TimeModel, RecoversKnownCoefficientsFromRowsAtSeveralBurnTimes)
{
    const Truth truth{0.02, 7, 0.8, 0.05};
    TimeModel model;
    feed(model, truth, {20, 60});
    const auto &k = model.coefficients();
    expectNear(k[0], truth.a, 0.01);
    expectNear(k[1], truth.b, 0.01);
    expectNear(k[2], truth.c, 0.02);
    expectNear(k[3], truth.d, 0.02);
    EXPECT_EQ(model.weight(), 400);
}

TEST(TimeModel, OneBurnTimeChargesTheDotsToTheBurnAndExtrapolates)
{
    const Truth truth{0.01, 5, 0.5, 0};
    TimeModel model;
    feed(model, truth, {30});
    const CarveWork job{20000, 300, 212};
    const double wanted = double(truth.time(job, 80).count());
    expectNear(double(model.predict(job, 80).count()), wanted, 0.01);
    EXPECT_LT(model.coefficients()[3], 1e-3);
}

TEST(TimeModel, StaysDefinedAndNeverNegative)
{
    TimeModel fresh;
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(fresh.coefficients()[i], TimeModel::Conservative[i]);
    EXPECT_FALSE(fresh.hasData());
    EXPECT_FALSE(fresh.isConfirmed());

    // Rows after more blank rows took less time: the fit would like c below 0.
    TimeModel model;
    for (int i = 0; i < 200; ++i) {
        const int blanks = i % 6;
        model.addObservation({0, 1, blanks}, 40, std::chrono::microseconds(20000 - 2000 * blanks));
    }
    for (double k : model.coefficients()) EXPECT_GE(k, 0);
    EXPECT_GE(model.predict({0, 0, 500}, 40).count(), 0);
    EXPECT_EQ(model.predict({-5, -1, -1}, -3), 0us);

    model.addObservation({10, 1, 0}, 40, -5ms);  // a clock that went back: ignored
    EXPECT_EQ(model.weight(), 200);
}

TEST(TimeModel, AgesSoNewRowsKeepTheirSay)
{
    TimeModel model;
    feed(model, {0.02, 7, 0.8, 0}, {40}, 6000);
    model.age();
    EXPECT_DOUBLE_EQ(model.weight(), TimeModel::MaxWeight);
    // The machine became twice as slow: a few jobs move the model there.
    for (int job = 0; job < 5; ++job) {
        model.age();
        feed(model, {0.04, 14, 1.6, 0}, {40}, 4000);
    }
    expectNear(model.coefficients()[1], 14, 0.05);
}

TEST(TimeModel, StoredAsOneLineAndCorruptLinesRefused)
{
    TimeModel model;
    feed(model, {0.02, 7, 0.8, 0.05}, {20, 60}, 50);
    model.confirm();
    const QString text = model.toText();
    const std::optional<TimeModel> back = TimeModel::fromText(text);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isConfirmed());
    EXPECT_EQ(back->weight(), model.weight());
    EXPECT_EQ(back->predict({1234, 56, 7}, 33), model.predict({1234, 56, 7}, 33));

    QStringList parts = text.split(u' ');
    const auto with = [&](int index, const QString &value) {
        QStringList changed = parts;
        changed[index] = value;
        return changed.join(u' ');
    };
    for (const QString &bad : {QString(), QStringLiteral("garbage"), with(0, QStringLiteral("v2")),
                               with(1, QStringLiteral("yes")), with(2, QStringLiteral("-1")),
                               with(3, QStringLiteral("nan")), with(3, QStringLiteral("-4")),
                               with(4, QStringLiteral("1e200")), with(13, QStringLiteral("inf")),
                               QString(text + QStringLiteral(" 1")), parts.mid(0, 10).join(u' ')})
        EXPECT_FALSE(TimeModel::fromText(bad)) << bad.toStdString();
}

}  // namespace
