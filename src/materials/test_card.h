// A material test card: patches of grey levels (rows) burnt at several burn times (columns), with
// their labels, laid out on the board; one board for the whole card and one for each column.
#pragma once

#include "document/placement.h"
#include "platform/outcome.h"
#include "render/picture_tuning.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>

namespace tavro::materials {

struct TestCardPlan {
    static constexpr render::TuningRange<int> BurnTimeCount{2, 8};
    static constexpr render::TuningRange<int> LevelCount{1, 8};
    static constexpr render::TuningRange<double> PatchRange{1.0, 10.0};  // millimetres

    // Burnt lowest first, left to right.
    QList<int> burnTimes{10, 17, 28, 48, 80};
    // Percent black of each row's grey, top to bottom, rendered through the tuning's method;
    // {100} alone is solid patches only.
    QList<int> levels{0, 25, 50, 75, 100};
    double patchMm = 4.0;
    // The machine's scale the patches are measured in (placement.h).
    double dotsPerMillimetre = document::DefaultDotsPerMillimetre;
    render::PictureTuning tuning{};
    bool labels = true;
    QDate date{};  // under the card when labels are burnt; none when null

    friend bool operator==(const TestCardPlan &, const TestCardPlan &) = default;
};

// `count` burn times from `from` to `to` that grow by a constant factor, rounded; the
// defaults give 10, 17, 28, 48, 80. Fewer when rounding makes two the same.
QList<int> spreadBurnTimes(int from, int to, int count);

// Where everything of a card lies on the board.
struct TestCardLayout {
    int patch = 0;          // side of a patch, in dots
    QRect card;             // everything, labels included
    QList<int> columnLeft;  // of each burn time's patches
    QList<int> rowTop;      // of each level's patches
    QRect patchRect(int column, int row) const;
    // The patch under a point of the board: x = column, y = row.
    std::optional<QPoint> patchAt(QPoint board) const;
};

class TestCard {
    Q_DECLARE_TR_FUNCTIONS(tavro::materials::TestCard)

public:
    // The plan with burn times and levels in ascending order.
    explicit TestCard(TestCardPlan plan);

    const TestCardPlan &plan() const { return m_plan; }
    // Done when the card can be burnt; otherwise why not, in the operator's language.
    platform::Outcome check() const;
    const TestCardLayout &layout() const { return m_layout; }
    int columns() const { return int(m_plan.burnTimes.size()); }

    // 512 x 512, Format_RGB32, black on white: every column with its labels.
    QImage board() const;
    // What one burn time's job burns: its patches and its label; the first column also the
    // levels at the left, the last the date at the bottom.
    QImage column(int index) const;

    // The plan as "Key=Value" lines (its tuning's keys among them), and back; nothing when the
    // lines do not make a card that can be burnt.
    QStringList toLines() const;
    static std::optional<TestCardPlan> planFromLines(const QStringList &lines);

private:
    void drawColumn(QImage &board, int index) const;

    TestCardPlan m_plan;
    TestCardLayout m_layout;
    QList<QImage> m_patches;  // one rendering per level, the same in every column
};

}  // namespace tavro::materials
