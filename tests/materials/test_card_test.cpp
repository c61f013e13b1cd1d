// The material test card's layout and boards: columns of patches that fit the board, each
// column's job holding its own patches and labels only.
#include "materials/test_card.h"

#include "outcome_assert.h"
#include "render/upload_raster.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::materials {
namespace {

qint64 blackIn(const QImage &board, QRect area)
{
    qint64 black = 0;
    area &= board.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            black += board.pixel(x, y) == qRgb(0, 0, 0);
    return black;
}

TestCardPlan dated()
{
    return TestCardPlan{.date = QDate(2024, 5, 12)};
}

TEST(TestCard, DefaultBurnTimesGrowByAConstantFactor)
{
    EXPECT_EQ(spreadBurnTimes(10, 80, 5), (QList<int>{10, 17, 28, 48, 80}));
    EXPECT_EQ(TestCardPlan{}.burnTimes, spreadBurnTimes(10, 80, 5));
    EXPECT_EQ(spreadBurnTimes(1, 2, 4), (QList<int>{1, 2})) << "rounded alike, said once";
    EXPECT_TRUE(spreadBurnTimes(10, 80, 1).isEmpty());
}

TEST(TestCard, ColumnsTogetherAreTheCardAndShareNoDot)
{
    const TestCard card(dated());
    ASSERT_TRUE(isDone(card.check()));
    const QImage whole = card.board();
    QImage together = card.column(0);
    for (int c = 1; c < card.columns(); ++c) {
        const QImage column = card.column(c);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) {
                if (column.pixel(x, y) != qRgb(0, 0, 0)) continue;
                ASSERT_NE(together.pixel(x, y), qRgb(0, 0, 0))
                    << "two columns burn " << x << "," << y;
                together.setPixel(x, y, qRgb(0, 0, 0));
            }
    }
    EXPECT_EQ(together, whole);
    EXPECT_TRUE(QRect(8, 8, 496, 496).contains(card.layout().card));
}

TEST(TestCard, EachColumnHoldsItsPatchesAndItsLabelsOnly)
{
    const TestCard card(dated());
    const TestCardLayout &layout = card.layout();
    const int rowsBottom = layout.patchRect(0, 4).bottom();
    const QRect labelsAtLeft(0, 0, layout.columnLeft[0], rowsBottom + 1);
    for (int c = 0; c < card.columns(); ++c) {
        SCOPED_TRACE(c);
        const QImage column = card.column(c);
        qint64 inPatches = 0;
        for (int r = 0; r < card.plan().levels.size(); ++r)
            inPatches += blackIn(column, layout.patchRect(c, r));
        const QRect patches = layout.patchRect(c, 0).united(layout.patchRect(c, 4));
        ASSERT_EQ(patches.bottom(), rowsBottom);
        const QRect under(patches.left(), patches.bottom() + 1, patches.width(), 20);
        EXPECT_GT(blackIn(column, under), 0) << "its burn time below it";
        EXPECT_EQ(blackIn(column, labelsAtLeft) > 0, c == 0) << "the levels at the first's left";
        const qint64 dateRow = blackIn(column, QRect(0, under.bottom() + 1, 512, 30));
        EXPECT_EQ(dateRow > 0, c == card.columns() - 1) << "the date with the last";
        EXPECT_EQ(inPatches + blackIn(column, under) + blackIn(column, labelsAtLeft) + dateRow,
                  blackIn(column, column.rect()));
    }
}

TEST(TestCard, PatchesAreTheGreyLevelsThroughTheMethod)
{
    for (const render::Effect method :
         {render::Effect::Dither, render::Effect::FloydSteinberg, render::Effect::Bayer}) {
        SCOPED_TRACE(int(method));
        TestCardPlan plan;
        plan.tuning.method = method;
        const TestCard card(plan);
        const QImage board = card.board();
        const int area = card.layout().patch * card.layout().patch;
        for (int r = 0; r < plan.levels.size(); ++r) {
            const double share = double(blackIn(board, card.layout().patchRect(2, r))) / area;
            EXPECT_NEAR(share, plan.levels[r] / 100.0, 0.06) << plan.levels[r];
        }
    }
}

TEST(TestCard, SaysWhyAPlanCannotBeBurnt)
{
    struct Case {
        TestCardPlan plan;
        QString says;
    };
    const auto with = [](auto change) {
        TestCardPlan plan;
        change(plan);
        return plan;
    };
    const Case cases[] = {
        {with([](auto &p) { p.burnTimes = {40}; }), u"2 to 8 burn times"_s},
        {with([](auto &p) { p.burnTimes = {1, 2, 3, 4, 5, 6, 7, 8, 9}; }), u"2 to 8 burn times"_s},
        {with([](auto &p) {
             p.burnTimes = {0, 50};
         }),
         u"from 1 to 100"_s},
        {with([](auto &p) {
             p.burnTimes = {50, 101};
         }),
         u"from 1 to 100"_s},
        {with([](auto &p) {
             p.burnTimes = {50, 50};
         }),
         u"tried once"_s},
        {with([](auto &p) { p.levels = {}; }), u"1 to 8 grey levels"_s},
        {with([](auto &p) {
             p.levels = {-1, 50};
         }),
         u"0 to 100 %"_s},
        {with([](auto &p) {
             p.levels = {50, 50};
         }),
         u"tried once"_s},
        {with([](auto &p) { p.patchMm = 0.5; }), u"1 to 10 mm"_s},
        {with([](auto &p) { p.tuning.gamma = 9; }), u"tuning"_s},
        {with([](auto &p) {
             p.burnTimes = {10, 15, 20, 30, 40, 55, 70, 90};
             p.patchMm = 6;
         }),
         u"board holds"_s},
    };
    for (const Case &c : cases) {
        const platform::Outcome check = TestCard(c.plan).check();
        EXPECT_FALSE(check.ok());
        EXPECT_TRUE(check.why().contains(c.says)) << qPrintable(check.why());
    }
    // Eight burn times and eight levels fit with smaller patches; order does not matter.
    const TestCard eight(with([](auto &p) {
        p.burnTimes = {90, 10, 15, 20, 30, 40, 55, 70};
        p.levels = {0, 15, 30, 45, 60, 75, 90, 100};
        p.patchMm = 3.5;
    }));
    EXPECT_TRUE(isDone(eight.check()));
    EXPECT_EQ(eight.plan().burnTimes.first(), 10);
}

TEST(TestCard, PlanReadsBackFromItsLines)
{
    TestCardPlan plan = dated();
    plan.levels = {100};
    plan.patchMm = 5.5;
    plan.tuning = {.gamma = 1.2, .method = render::Effect::Stucki, .compensateDotGain = true};
    EXPECT_EQ(TestCard::planFromLines(TestCard(plan).toLines()), plan);
    EXPECT_EQ(TestCard::planFromLines({u"BurnTimes=10,x"_s, u"Levels=0"_s, u"PatchMm=4"_s}),
              std::nullopt);
    EXPECT_EQ(TestCard::planFromLines({}), std::nullopt);
}

TEST(TestCard, TellsWhichPatchAPointIsOn)
{
    const TestCard card(TestCardPlan{});
    const TestCardLayout &layout = card.layout();
    EXPECT_EQ(layout.patchAt(layout.patchRect(3, 1).center()), QPoint(3, 1));
    EXPECT_EQ(layout.patchAt(layout.patchRect(0, 0).topLeft()), QPoint(0, 0));
    EXPECT_EQ(layout.patchAt(layout.patchRect(0, 0).topLeft() - QPoint(1, 1)), std::nullopt);
    EXPECT_EQ(layout.patch, 54) << "4 mm at 13.4 dots a millimetre";
}

}  // namespace
}  // namespace tavro::materials
