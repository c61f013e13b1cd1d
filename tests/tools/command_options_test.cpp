// What the command-line tools share in reading their arguments.
#include "common/whole_option.h"

#include <QCommandLineParser>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {
namespace {

// --row read from `given` (nothing: the option is absent) into a value that starts at 7.
std::pair<QString, int> readRow(const QStringList &given)
{
    QCommandLineParser parser;
    parser.addOption({u"row"_s, u"A row."_s, u"N"_s});
    EXPECT_TRUE(parser.parse(QStringList{u"tool"_s} + given));
    int value = 7;
    const QString error = readWholeOption(parser, u"row"_s, -5, 511, value).why();
    return {error, value};
}

TEST(WholeOption, ReadsAWholeNumberInItsRangeAndNamesAnythingElse)
{
    EXPECT_EQ(readRow({}), std::pair(QString(), 7)) << "absent: the value stays";
    EXPECT_EQ(readRow({u"--row"_s, u" 511 "_s}), std::pair(QString(), 511));
    EXPECT_EQ(readRow({u"--row=-5"_s}), std::pair(QString(), -5));
    for (const QString &given : {u"512"_s, u"-6"_s, u"1.5"_s, u"ten"_s, u""_s, u"99999999999"_s}) {
        const auto [error, value] = readRow({u"--row"_s, given});
        EXPECT_EQ(error, u"--row must be a whole number from -5 to 511, not '%1'"_s.arg(given));
        EXPECT_EQ(value, 7) << "a bad value changes nothing";
    }
}

}  // namespace
}  // namespace tavro::cli
