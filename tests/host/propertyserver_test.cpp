// The property dictionary: the names of each kind in dictionary order, the three flags, and
// what the shipped dictionary holds.
#include <gtest/gtest.h>

#include <memory>

#include "hostapi/propertyserver.h"
#include "hostapi/templatedata.h"
#include "tests/host/scratch.h"

namespace {

using mirel::test::ScratchDir;
using mirel::test::WriteFile;

std::vector<std::string> Names(CStrList* list) {
  std::vector<std::string> names;
  for (const CStrList* n = list; n; n = n->m_next) names.emplace_back(n->m_str ? n->m_str : "<null>");
  delete list;
  return names;
}

const int kKinds[] = {10, 19, 9, 8, 6, 28};

TEST(ShippedProperties, EveryKindTheLibraryAsksHasNames) {
  std::unique_ptr<CPQPropertyServer> server(CPQPropertyServer::CreatePropertyServer("/tmp", "PSSystem", true));
  ASSERT_NE(server, nullptr);
  for (int kind : kKinds) EXPECT_GE(Names(server->GetPQDictProps(kind, false, true, false)).size(), 5u) << kind;
  EXPECT_EQ(server->GetPQDictProps(7, false, true, false), nullptr);
  EXPECT_EQ(server->GetPQDictProps(-1, false, true, false), nullptr);
}

TEST(ShippedProperties, SomeNamesBelongToSeveralKinds) {
  std::unique_ptr<CPQPropertyServer> server(CPQPropertyServer::CreatePropertyServer(".", "PSSystem", false));
  ASSERT_NE(server, nullptr);
  std::map<std::string, int> kindsOf;
  for (int kind : kKinds)
    for (const std::string& n : Names(server->GetPQDictProps(kind, false, true, false))) ++kindsOf[n];
  EXPECT_EQ(kindsOf["VALUE"], 2);
  EXPECT_EQ(kindsOf["VOLTAGE"], 3);
}

TEST(ShippedProperties, ItIsNotThereWithoutAnInstallation) {
  mirel::test::ScopedEnv root("MIREL_ROOT", "/nonexistent");
  mirel::test::ScopedEnv path("MIREL_SETUP_PATH", std::nullopt);
  EXPECT_EQ(CPQPropertyServer::CreatePropertyServer(".", "PSSystem", true), nullptr);
}

TEST(PropertyServer, FlagsSortFoldAndDropRepeats) {
  CPQPropertyServer server({{10, {"b", "A", "b", "c", "B"}}, {8, {}}});
  EXPECT_EQ(Names(server.GetPQDictProps(10, false, false, false)), (std::vector<std::string>{"b", "A", "b", "c", "B"}));
  EXPECT_EQ(Names(server.GetPQDictProps(10, false, true, false)), (std::vector<std::string>{"b", "A", "c", "B"}));
  EXPECT_EQ(Names(server.GetPQDictProps(10, false, true, true)), (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(Names(server.GetPQDictProps(10, true, true, false)), (std::vector<std::string>{"A", "b", "B", "c"}));
  EXPECT_EQ(server.GetPQDictProps(8, false, true, false), nullptr);  // a kind without names
}

TEST(PropertyServer, WorksThroughTheDictionaryBase) {
  std::unique_ptr<CPQRedsDictionary> dictionary = std::make_unique<CPQPropertyServer>(
      CPQPropertyServer::KindMap{{19, {"PART_NUMBER"}}});
  EXPECT_EQ(Names(dictionary->GetPQDictProps(19, false, true, false)), std::vector<std::string>{"PART_NUMBER"});
}

struct BadDictionary {
  const char* name;
  std::string text;
  std::string reason;
};

class RefusedDictionary : public testing::TestWithParam<BadDictionary> {};

TEST_P(RefusedDictionary, SaysWhy) {
  ScratchDir dir;
  WriteFile(dir / "p.json", GetParam().text);
  std::string error;
  EXPECT_EQ(CPQPropertyServer::LoadFromFile(dir / "p.json", &error), nullptr);
  EXPECT_EQ(error.rfind(dir / "p.json: ", 0), 0u) << error;
  EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
}

#define HEAD "{\"format\": \"mirel-properties\", \"formatVersion\": 1, "
INSTANTIATE_TEST_SUITE_P(
    Reasons, RefusedDictionary,
    testing::Values(BadDictionary{"NoKinds", HEAD "\"names\": {}}", "\"kinds\" is missing"},
                    BadDictionary{"KindNotNumber", HEAD "\"kinds\": {\"pins\": [\"A\"]}}", "\"pins\" is not a property kind"},
                    BadDictionary{"NegativeKind", HEAD "\"kinds\": {\"-1\": [\"A\"]}}", "not a property kind"},
                    BadDictionary{"SameKindTwice", HEAD "\"kinds\": {\"8\": [\"A\"], \"08\": [\"B\"]}}", "given twice"},
                    BadDictionary{"NameNotText", HEAD "\"kinds\": {\"8\": [\"A\", 1]}}", "kinds.8[1] must be a string"},
                    BadDictionary{"EmptyName", HEAD "\"kinds\": {\"8\": [\"\"]}}", "empty name"},
                    BadDictionary{"WrongFormat", "{\"format\": \"mirel-vocabulary\", \"formatVersion\": 1}",
                                  "expected \"mirel-properties\""}),
    [](const testing::TestParamInfo<BadDictionary>& info) { return std::string(info.param.name); });
#undef HEAD

}  // namespace
