// A setting declared once: its default for what cannot be used, and its bounds.
#include "settings/setting.h"

#include <gtest/gtest.h>

#include <optional>

using namespace tavro::settings;
using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr ValueRange<int> OneToTen{1, 10};
constexpr Setting<int> Plain{
    .section = u"Card", .key = u"Plain", .defaultValue = 7, .bounds = OneToTen};
constexpr Setting<int> Clamped{.section = u"Card",
                               .key = u"Clamped",
                               .defaultValue = 7,
                               .bounds = OneToTen,
                               .outOfBounds = OutOfBounds::Clamped};
constexpr Setting<double> Width{
    .section = u"Card", .key = u"Width", .defaultValue = 1.5, .bounds = {{0.5, 3.0}}};

TEST(Setting, UnusableTextReadsAsTheDefaultAndBoundsClampOnlyWhenAsked)
{
    const struct {
        std::optional<QString> stored;
        int plain;
        int clamped;
    } cases[] = {
        {std::nullopt, 7, 7}, {u""_s, 7, 7},     {u"abc"_s, 7, 7}, {u"2.5"_s, 7, 7},
        {u" 3 "_s, 3, 3},     {u"10"_s, 10, 10}, {u"11"_s, 7, 10}, {u"-5"_s, 7, 1},
    };
    for (const auto &c : cases) {
        const QString shown = c.stored.value_or(u"(missing)"_s);
        EXPECT_EQ(Plain.fromText(c.stored), c.plain) << qPrintable(shown);
        EXPECT_EQ(Clamped.fromText(c.stored), c.clamped) << qPrintable(shown);
    }
    EXPECT_EQ(Width.fromText(u"nan"_s), 1.5);
    EXPECT_EQ(Width.fromText(u"2.25"_s), 2.25);
}

}  // namespace
