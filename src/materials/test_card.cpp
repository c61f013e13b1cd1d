#include "materials/test_card.h"

#include "document/burn_time.h"
#include "materials/card_font.h"
#include "platform/key_value_lines.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <set>

using namespace Qt::Literals::StringLiterals;

namespace tavro::materials {
namespace {

constexpr int LabelScale = 2;  // 10 x 14 dots a digit: about 0.75 x 1 mm
constexpr int Gap = 8;         // between patches
constexpr int LabelGap = 6;    // between a patch and its label
constexpr int BoardMargin = 8;

QString levelText(int level)
{
    return QString::number(level) + u'%';
}

QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

int patchSide(const TestCardPlan &plan)
{
    return document::dotsOf(plan.patchMm, plan.dotsPerMillimetre);
}

// A flat grey through the tuning's method, as a dropped picture of that grey would render.
QImage renderPatch(int side, int level, const render::PictureTuning &tuning)
{
    QImage snapshot(side + 2, side + 2, QImage::Format_ARGB32);
    snapshot.fill(render::Margin);
    const int grey = int(std::lround(255 * (100 - level) / 100.0));
    for (int y = 1; y <= side; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(snapshot.scanLine(y)) + 1, side,
                    qRgb(grey, grey, grey));
    return render::renderEffectBoard(snapshot, tuning.method, tuning, side + 2)
        .copy(1, 1, side, side);
}

void copyInto(QImage &board, const QImage &patch, QPoint at)
{
    const QRect target = QRect(at, patch.size()) & board.rect();
    for (int y = target.top(); y <= target.bottom(); ++y)
        for (int x = target.left(); x <= target.right(); ++x)
            board.setPixel(x, y, patch.pixel(x - at.x(), y - at.y()));
}

bool distinct(const QList<int> &values)
{
    return std::set<int>(values.begin(), values.end()).size() == std::size_t(values.size());
}

QList<int> numbersIn(const QString &text)
{
    QList<int> numbers;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        numbers << part.trimmed().toInt(&ok);
        if (!ok) return {};
    }
    return numbers;
}

QString numbersText(const QList<int> &numbers)
{
    QStringList parts;
    for (const int n : numbers) parts << QString::number(n);
    return parts.join(u',');
}

TestCardLayout layOut(const TestCardPlan &plan)
{
    TestCardLayout layout;
    const CardFont font(LabelScale);
    layout.patch = patchSide(plan);
    int levelWidth = 0, burnWidth = 0;
    if (plan.labels) {
        for (const int level : plan.levels)
            levelWidth = std::max(levelWidth, font.width(levelText(level)));
        for (const int time : plan.burnTimes)
            burnWidth = std::max(burnWidth, font.width(QString::number(time)));
        levelWidth += LabelGap;
    }
    const int pitchX = std::max(layout.patch, burnWidth) + Gap;
    const int pitchY = layout.patch + Gap;
    const auto columns = int(plan.burnTimes.size());
    const auto rows = int(plan.levels.size());
    const bool dated = plan.labels && plan.date.isValid();
    int width = levelWidth + columns * pitchX - Gap;
    if (dated) width = std::max(width, font.width(dateText(plan.date)));
    int height = rows * pitchY - Gap;
    if (plan.labels) height += LabelGap + font.height();
    if (dated) height += LabelGap + font.height();
    const QPoint origin((render::BoardSize - width) / 2, (render::BoardSize - height) / 2);
    layout.card = QRect(origin, QSize(width, height));
    for (int c = 0; c < columns; ++c)
        layout.columnLeft << origin.x() + levelWidth + c * pitchX +
                                 (pitchX - Gap - layout.patch) / 2;
    for (int r = 0; r < rows; ++r) layout.rowTop << origin.y() + r * pitchY;
    return layout;
}

}  // namespace

QList<int> spreadBurnTimes(int from, int to, int count)
{
    QList<int> times;
    if (count < 2 || from < 1 || to < 1) return times;
    const double factor = std::pow(double(to) / from, 1.0 / (count - 1));
    for (int i = 0; i < count; ++i) {
        const int time = int(std::lround(from * std::pow(factor, i)));
        if (!times.contains(time)) times << time;
    }
    return times;
}

QRect TestCardLayout::patchRect(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columnLeft.size() || row >= rowTop.size()) return {};
    return QRect(columnLeft[column], rowTop[row], patch, patch);
}

std::optional<QPoint> TestCardLayout::patchAt(QPoint board) const
{
    for (int c = 0; c < columnLeft.size(); ++c)
        for (int r = 0; r < rowTop.size(); ++r)
            if (patchRect(c, r).contains(board)) return QPoint(c, r);
    return std::nullopt;
}

TestCard::TestCard(TestCardPlan plan) : m_plan(std::move(plan))
{
    std::ranges::sort(m_plan.burnTimes);
    std::ranges::sort(m_plan.levels);
    m_layout = layOut(m_plan);
    if (!check()) return;
    for (const int level : m_plan.levels)
        m_patches << renderPatch(m_layout.patch, level, m_plan.tuning);
}

platform::Outcome TestCard::check() const
{
    const auto refused = [](const QString &why) { return platform::Outcome::failed(why); };
    const TestCardPlan &p = m_plan;
    if (!TestCardPlan::BurnTimeCount.contains(int(p.burnTimes.size())))
        return refused(tr("Choose 2 to 8 burn times."));
    if (std::ranges::any_of(p.burnTimes,
                            [](int t) { return !document::BurnTimeRange.contains(t); }))
        return refused(tr("Burn times go from 1 to 100."));
    if (!distinct(p.burnTimes)) return refused(tr("Each burn time can be tried once."));
    if (!TestCardPlan::LevelCount.contains(int(p.levels.size())))
        return refused(tr("Choose 1 to 8 grey levels."));
    if (std::ranges::any_of(p.levels, [](int l) { return l < 0 || l > 100; }))
        return refused(tr("Grey levels go from 0 to 100 %."));
    if (!distinct(p.levels)) return refused(tr("Each grey level can be tried once."));
    if (!TestCardPlan::PatchRange.contains(p.patchMm))
        return refused(tr("Patches can be 1 to 10 mm wide."));
    if (!p.tuning.isValid()) return refused(tr("The tuning is out of range."));
    const QRect room = QRect(0, 0, render::BoardSize, render::BoardSize)
                           .adjusted(BoardMargin, BoardMargin, -BoardMargin, -BoardMargin);
    if (!room.contains(m_layout.card)) {
        const QLocale locale;
        const auto mm = [&locale, this](int dots) {
            return locale.toString(document::millimetres(dots, m_plan.dotsPerMillimetre), 'f', 1);
        };
        return refused(
            tr("The card would be %1 x %2 mm; the board holds %3 x %3 mm. Choose "
               "smaller patches, or fewer burn times or grey levels.")
                .arg(mm(m_layout.card.width()), mm(m_layout.card.height()), mm(room.width())));
    }
    return platform::Outcome::done();
}

QImage TestCard::board() const
{
    QImage board = render::blankBoard();
    for (int c = 0; c < columns(); ++c) drawColumn(board, c);
    return board;
}

QImage TestCard::column(int index) const
{
    QImage board = render::blankBoard();
    drawColumn(board, index);
    return board;
}

void TestCard::drawColumn(QImage &board, int index) const
{
    if (index < 0 || index >= columns() || m_patches.isEmpty()) return;
    const CardFont font(LabelScale);
    const int left = m_layout.columnLeft[index];
    for (int r = 0; r < m_patches.size(); ++r)
        copyInto(board, m_patches[r], {left, m_layout.rowTop[r]});
    if (!m_plan.labels) return;
    const int labelTop = m_layout.rowTop.last() + m_layout.patch + LabelGap;
    const QString time = QString::number(m_plan.burnTimes[index]);
    font.draw(board, {left + (m_layout.patch - font.width(time)) / 2, labelTop}, time);
    if (index == 0) {
        for (int r = 0; r < m_plan.levels.size(); ++r) {
            const QString level = levelText(m_plan.levels[r]);
            font.draw(board,
                      {left - LabelGap - font.width(level),
                       m_layout.rowTop[r] + (m_layout.patch - font.height()) / 2},
                      level);
        }
    }
    // The date goes with the hottest column, whose label burns the clearest.
    if (index == columns() - 1 && m_plan.date.isValid())
        font.draw(board, {m_layout.card.left(), labelTop + font.height() + LabelGap},
                  dateText(m_plan.date));
}

QStringList TestCard::toLines() const
{
    QStringList lines = platform::keyValueLines({
        {u"BurnTimes"_s, numbersText(m_plan.burnTimes)},
        {u"Levels"_s, numbersText(m_plan.levels)},
        {u"PatchMm"_s, QString::number(m_plan.patchMm, 'g', QLocale::FloatingPointShortest)},
        {u"DotsPerMm"_s,
         QString::number(m_plan.dotsPerMillimetre, 'g', QLocale::FloatingPointShortest)},
        {u"Labels"_s, m_plan.labels ? u"1"_s : u"0"_s},
        {u"Date"_s, dateText(m_plan.date)},
    });
    return lines + render::pictureTuningToLines(m_plan.tuning);
}

std::optional<TestCardPlan> TestCard::planFromLines(const QStringList &lines)
{
    TestCardPlan plan;
    const auto value = [&lines](QStringView key) {
        return platform::valueInLines(lines, key).value_or(QString());
    };
    plan.burnTimes = numbersIn(value(u"BurnTimes"));
    plan.levels = numbersIn(value(u"Levels"));
    bool ok = false;
    plan.patchMm = value(u"PatchMm").toDouble(&ok);
    if (!ok) return std::nullopt;
    // Cards kept before the scale was a setting were laid out at the default.
    if (const QString scale = value(u"DotsPerMm"); !scale.isEmpty()) {
        plan.dotsPerMillimetre = scale.toDouble(&ok);
        if (!ok || !document::DotsPerMillimetreRange.contains(plan.dotsPerMillimetre))
            return std::nullopt;
    }
    plan.labels = value(u"Labels") != u"0"_s;
    plan.date = QDate::fromString(value(u"Date"), Qt::ISODate);
    plan.tuning = render::pictureTuningFromLines(lines);
    const TestCard card(plan);
    if (!card.check()) return std::nullopt;
    return card.plan();
}

}  // namespace tavro::materials
