// Where simulators put their links: the same path each run, a path of its own for each one at once.
#include "engraver-sim/link_claim.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim::test {
namespace {

TEST(LinkClaim, EachRunningSimulatorHasAPathOfItsOwnAndTheFirstComesBack)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"run/user"_s);  // made when missing
    const auto claim = [&] { return std::make_unique<LinkClaim>(folder, u"tavro-sim"_s); };
    const auto path = [&](const QString &name) { return QDir(folder).filePath(name); };
    auto first = claim();
    EXPECT_EQ(first->path(), path(u"tavro-sim"_s)) << first->error().toStdString();
    auto second = claim();
    auto third = claim();
    EXPECT_EQ(second->path(), path(u"tavro-sim-2"_s));
    EXPECT_EQ(third->path(), path(u"tavro-sim-3"_s));
    second.reset();
    EXPECT_EQ(claim()->path(), path(u"tavro-sim-2"_s)) << "a path given up is free again";
    first.reset();
    EXPECT_EQ(claim()->path(), path(u"tavro-sim"_s)) << "the next run is the same machine";
}

TEST(LinkClaim, AFolderThatCannotBeMadeIsSaid)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"file"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const LinkClaim claim(dir.filePath(u"file/run"_s), u"tavro-sim"_s);
    EXPECT_TRUE(claim.path().isEmpty());
    EXPECT_TRUE(claim.error().contains(dir.filePath(u"file/run"_s))) << claim.error().toStdString();
}

}  // namespace
}  // namespace tavro::sim::test
