// The query grid's property name list: from the host's property server, or from one it makes.
#include <gtest/gtest.h>

#include <set>

#include "querygrid_fixture.h"
#include "tests/host/scratch.h"

using qgtest::FakeServer;
using qgtest::Names;
using qgtest::ScriptedTest;
using qgtest::WatchedPropertyServer;

namespace {

class GridPropListTest : public ScriptedTest {
 protected:
  std::unique_ptr<mirel::VocabularyQueryServer> queries = qgtest::MakeQueryServer();
};

TEST_F(GridPropListTest, TheHostsServerIsAskedAndKept) {
  bool destroyed = false;
  {
    WatchedPropertyServer properties({{10, {"VALUE", "ROOM"}}, {28, {"ROOM", "VARIANT"}}}, &destroyed);
    FakeServer server(&properties);
    {
      CQueryGrid grid(&server, queries.get());
      grid.InitGrid();
      EXPECT_EQ(Names(grid.GetPropList()), (std::vector<std::string>{"VALUE", "ROOM", "VARIANT"}));
      EXPECT_EQ(properties.calls.size(), 6u);
    }
    EXPECT_FALSE(destroyed) << "a borrowed server outlives the grid";
  }
  EXPECT_TRUE(destroyed);
}

TEST_F(GridPropListTest, AHostWithoutPropertyServerGivesAnEmptyList) {
  FakeServer server(nullptr);
  CQueryGrid grid(&server, queries.get());
  grid.InitGrid();
  EXPECT_EQ(grid.GetPropList(), nullptr);
}

// Without a host server the grid makes its own over the shipped dictionary, wherever TEMP points.
class OwnPropertyServerTest : public GridPropListTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(OwnPropertyServerTest, BuildsTheShippedNamesOnce) {
  const char* temp = GetParam();
  mirel::test::ScopedEnv env("TEMP", temp ? std::optional<std::string>(temp) : std::nullopt);
  CQueryGrid grid(nullptr, queries.get());
  grid.InitGrid();

  std::string error;
  std::unique_ptr<CPQPropertyServer> shipped(
      CPQPropertyServer::LoadFromFile(mirel::test::SourceShare() + "/vynsetup/tdd/properties.json", &error));
  ASSERT_TRUE(shipped) << error;
  std::vector<std::string> expected;
  std::set<std::string> seen;
  for (int kind : {10, 19, 9, 8, 6, 28})
    for (const std::string& name : shipped->GetKinds().at(kind))
      if (seen.insert(name).second) expected.push_back(name);
  EXPECT_EQ(Names(grid.GetPropList()), expected);
}

INSTANTIATE_TEST_SUITE_P(Temp, OwnPropertyServerTest, ::testing::Values(static_cast<const char*>(nullptr), "/tmp", ""));

}  // namespace
