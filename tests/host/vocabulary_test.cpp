// The query server over the shipped vocabulary: every operation, the letter-case rules, the
// block-based variants, and realistic report templates that must validate against it.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/vocabularyserver.h"
#include "tests/host/scratch.h"

namespace {

using mirel::VocabularyQueryServer;
using mirel::test::ScratchDir;

VocabularyQueryServer& Shipped() {
  static std::unique_ptr<VocabularyQueryServer> server = [] {
    std::string error;
    auto s = VocabularyQueryServer::LoadFromFile(mirel::test::SourceShare() + "/vynsetup/tdd/vocabulary.json", error);
    EXPECT_TRUE(s) << error;
    return s;
  }();
  return *server;
}

std::list<std::string> Keywords() {
  std::list<std::string> k;
  Shipped().GetKeywords(&k);
  return k;
}

TEST(ShippedVocabulary, HasARealisticKeywordSetInFileOrder) {
  const std::list<std::string> k = Keywords();
  EXPECT_GE(k.size(), 40u);
  EXPECT_EQ(k.front(), "DESIGN");
  for (const char* expected : {"DESIGN", "BLOCK", "SHEET", "REFDES", "PART_NAME", "PART_NUMBER", "VALUE",
                               "FOOTPRINT", "PIN_NUMBER", "PIN_NAME", "PIN_TYPE", "NET_NAME", "NET_CLASS",
                               "QUANTITY", "PIN_COUNT", "PROP"})
    EXPECT_NE(std::find(k.begin(), k.end(), expected), k.end()) << expected;
  // The page adds the operator markers itself; the vocabulary must not list them again.
  for (const char* op : {"MATH-OP", "RELOP", "STRINGOP"}) EXPECT_FALSE(Shipped().IsKeyword(op)) << op;
}

TEST(ShippedVocabulary, EveryKeywordHasATitleAndANumericWidth) {
  for (const auto& k : Shipped().Keywords()) {
    EXPECT_FALSE(k.title.empty()) << k.name;
    EXPECT_FALSE(k.width.empty()) << k.name;
    EXPECT_TRUE(std::all_of(k.width.begin(), k.width.end(), [](char c) { return c >= '0' && c <= '9'; })) << k.name;
  }
}

TEST(ShippedVocabulary, DependenciesNameKnownKeywords) {
  for (const auto& k : Shipped().Keywords()) {
    for (const std::string& d : k.dependsOn) EXPECT_TRUE(Shipped().IsKeyword(d)) << k.name << " -> " << d;
    if (!k.blockDependsOn) continue;
    for (const std::string& d : *k.blockDependsOn) EXPECT_TRUE(Shipped().IsKeyword(d)) << k.name << " -> " << d;
  }
}

struct CaseRule {
  std::string asked;
  bool known;
};

class IsKeywordCase : public testing::TestWithParam<CaseRule> {};

TEST_P(IsKeywordCase, IgnoresLetterCaseOnly) {
  EXPECT_EQ(Shipped().IsKeyword(GetParam().asked), GetParam().known) << GetParam().asked;
}

INSTANTIATE_TEST_SUITE_P(Names, IsKeywordCase,
                         testing::Values(CaseRule{"REFDES", true}, CaseRule{"refdes", true}, CaseRule{"RefDes", true},
                                         CaseRule{"net_name", true}, CaseRule{"prop", true},
                                         CaseRule{" REFDES", false}, CaseRule{"REFDES ", false},
                                         CaseRule{"REF DES", false}, CaseRule{"", false}, CaseRule{"REFDESX", false}));

struct Dependency {
  std::string dependency;
  std::string keyword;
  bool blockBased;
  bool valid;
};

class ValidDependency : public testing::TestWithParam<Dependency> {};

TEST_P(ValidDependency, FollowsTheListOfTheStructure) {
  const Dependency& p = GetParam();
  EXPECT_EQ(Shipped().IsValidDependency(p.dependency, p.keyword, p.blockBased), p.valid)
      << p.dependency << " <- " << p.keyword << (p.blockBased ? " (block based)" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValidDependency,
    testing::Values(
        Dependency{"DESIGN", "REFDES", false, true}, Dependency{"design", "refdes", false, true},
        Dependency{"DESIGN", "REFDES", true, false},  // block based: a component hangs under a block
        Dependency{"BLOCK", "REFDES", true, true}, Dependency{"BLOCK", "REFDES", false, true},
        Dependency{"PART_NUMBER", "REFDES", true, true},
        Dependency{"DESIGN", "PIN_NUMBER", false, false},  // DESIGN only where listed
        Dependency{"REFDES", "PIN_NUMBER", false, true}, Dependency{"REFDES", "PIN_NUMBER", true, true},
        Dependency{"PIN_NUMBER", "PIN_NAME", false, true}, Dependency{"NET_NAME", "NET_CLASS", false, true},
        Dependency{"DESIGN", "NET_CLASS", true, false}, Dependency{"BLOCK", "NET_CLASS", true, true},
        Dependency{"DESIGN", "BLOCK", true, true}, Dependency{"REFDES", "PROP", false, true},
        Dependency{"DESIGN", "PROP", true, false}, Dependency{"", "REFDES", false, false},
        Dependency{"REFDES", "REFDES", false, false}, Dependency{"REFDES", "UNKNOWN", false, false},
        Dependency{"NOSUCH", "REFDES", false, false}, Dependency{"PIN_NUMBER ", "PIN_NAME", false, false}));

TEST(ShippedVocabulary, HighlightsFollowTheStructure) {
  EXPECT_TRUE(Shipped().IsKeywordHighlighted("DESIGN", false));
  EXPECT_FALSE(Shipped().IsKeywordHighlighted("DESIGN", true));
  EXPECT_FALSE(Shipped().IsKeywordHighlighted("BLOCK", false));
  EXPECT_TRUE(Shipped().IsKeywordHighlighted("block", true));
  EXPECT_TRUE(Shipped().IsKeywordHighlighted("REFDES", false));
  EXPECT_TRUE(Shipped().IsKeywordHighlighted("RefDes", true));
  EXPECT_FALSE(Shipped().IsKeywordHighlighted("PIN_TYPE", false));
  EXPECT_FALSE(Shipped().IsKeywordHighlighted("NOSUCH", false));
}

TEST(ShippedVocabulary, ListsComeInFileOrderAndAreAppended) {
  std::list<std::string> deps{"already there"};
  Shipped().GetDependencyKeywords("pin_name", &deps);
  EXPECT_EQ(deps, (std::list<std::string>{"already there", "PIN_NUMBER", "REFDES", "NET_NAME"}));
  std::list<std::string> quals;
  Shipped().GetQualifiers("PIN_TYPE", &quals);
  EXPECT_EQ(quals.front(), "INPUT");
  EXPECT_EQ(quals.size(), 7u);
  std::list<std::string> none;
  Shipped().GetQualifiers("NOSUCH", &none);
  Shipped().GetDependencyKeywords("NOSUCH", &none);
  Shipped().GetQualifiers("REFDES", nullptr);  // no list, no crash
  EXPECT_TRUE(none.empty());
}

TEST(ShippedVocabulary, PropertyMarkersAndThePropEntryAgree) {
  EXPECT_STREQ(Shipped().GetPropertyMarker(0), "<PROPERTY>");
  EXPECT_STREQ(Shipped().GetPropertyMarker(1), "PROPERTY");
  EXPECT_STREQ(Shipped().GetPropertyMarker(2), "");
  EXPECT_STREQ(Shipped().GetPropertyMarker(-1), "");
  std::list<std::string> quals;
  Shipped().GetQualifiers("PROP", &quals);
  EXPECT_EQ(quals, std::list<std::string>{Shipped().GetPropertyMarker(1)});
  // Keywords that take a property qualifier offer the qualifier marker among their choices.
  std::list<std::string> refdes;
  Shipped().GetQualifiers("REFDES", &refdes);
  EXPECT_NE(std::find(refdes.begin(), refdes.end(), "<PROPERTY>"), refdes.end());
}

TEST(ShippedVocabulary, TitlesAndWidths) {
  std::string title = "stale", width = "stale";
  Shipped().GetKeywordTitle("refdes", title);
  Shipped().GetKeywordWidth("refdes", width);
  EXPECT_EQ(title, "Reference");
  EXPECT_EQ(width, "10");
  Shipped().GetKeywordTitle("NOSUCH", title);
  Shipped().GetKeywordWidth("NOSUCH", width);
  EXPECT_EQ(title, "");
  EXPECT_EQ(width, "");
  for (auto [marker, expected] : {std::pair{"PROP", "20"}, {"math-op", "12"}, {"RELOP", "12"}, {"StringOp", "20"}}) {
    Shipped().GetKeywordWidth(marker, width);
    EXPECT_EQ(width, expected) << marker;
  }
}

// ---- Realistic templates validate ------------------------------------------------------------

struct Column {
  std::string keyword;
  std::string dependency;
};
struct ReportTemplate {
  const char* name;
  bool blockBased;
  std::vector<Column> columns;
};

class ShippedTemplate : public testing::TestWithParam<ReportTemplate> {};

// The structural checks of query validation: one root, each dependency accepted by the server
// ("DESIGN" for the root) and present as another column's keyword.
TEST_P(ShippedTemplate, Validates) {
  const ReportTemplate& t = GetParam();
  int roots = 0;
  for (const Column& c : t.columns) {
    EXPECT_TRUE(Shipped().IsKeyword(c.keyword)) << c.keyword;
    if (c.dependency.empty()) ++roots;
    const std::string d = c.dependency.empty() ? "DESIGN" : c.dependency;
    EXPECT_TRUE(Shipped().IsValidDependency(d, c.keyword, t.blockBased)) << c.keyword << " on " << d;
    const bool present = std::any_of(t.columns.begin(), t.columns.end(),
                                     [&](const Column& o) { return mirel::EqualsNoCase(o.keyword, c.dependency); });
    EXPECT_TRUE(c.dependency.empty() || present) << c.dependency;
  }
  EXPECT_EQ(roots, 1);
}

TEST_P(ShippedTemplate, AutomaticDependencyIsTheOneChosen) {
  // The first dependency keyword that the query holds is the one the grid would pick.
  const ReportTemplate& t = GetParam();
  for (const Column& c : t.columns) {
    if (c.dependency.empty()) continue;
    std::list<std::string> deps;
    Shipped().GetDependencyKeywords(c.keyword, &deps);
    const auto held = std::find_if(deps.begin(), deps.end(), [&](const std::string& d) {
      return std::any_of(t.columns.begin(), t.columns.end(), [&](const Column& o) { return o.keyword == d; });
    });
    ASSERT_NE(held, deps.end()) << c.keyword;
    if (t.blockBased) continue;
    EXPECT_EQ(*held, c.dependency) << c.keyword;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ShippedTemplate,
    testing::Values(
        ReportTemplate{"BillOfMaterials", false,
                       {{"PART_NUMBER", ""}, {"PART_NAME", "PART_NUMBER"}, {"DESCRIPTION", "PART_NUMBER"},
                        {"VALUE", "PART_NUMBER"}, {"FOOTPRINT", "PART_NUMBER"}, {"MANUFACTURER", "PART_NUMBER"},
                        {"QUANTITY", "PART_NUMBER"}, {"REFDES", "PART_NUMBER"}}},
        ReportTemplate{"BlockBillOfMaterials", true,
                       {{"BLOCK", ""}, {"PART_NUMBER", "BLOCK"}, {"VALUE", "PART_NUMBER"},
                        {"QUANTITY", "PART_NUMBER"}, {"REFDES", "PART_NUMBER"}}},
        ReportTemplate{"NetList", false,
                       {{"NET_NAME", ""}, {"NET_CLASS", "NET_NAME"}, {"NODE_COUNT", "NET_NAME"},
                        {"REFDES", "NET_NAME"}, {"PIN_NUMBER", "REFDES"}, {"PIN_NAME", "PIN_NUMBER"}}},
        ReportTemplate{"BlockNetList", true,
                       {{"BLOCK", ""}, {"NET_NAME", "BLOCK"}, {"NET_CLASS", "NET_NAME"}, {"REFDES", "NET_NAME"},
                        {"PIN_NUMBER", "REFDES"}}},
        ReportTemplate{"PinList", false,
                       {{"REFDES", ""}, {"PART_NAME", "REFDES"}, {"PIN_NUMBER", "REFDES"},
                        {"PIN_NAME", "PIN_NUMBER"}, {"PIN_TYPE", "PIN_NUMBER"}, {"NET_NAME", "PIN_NUMBER"},
                        {"PROP", "REFDES"}}}),
    [](const testing::TestParamInfo<ReportTemplate>& info) { return std::string(info.param.name); });

// ---- Reading vocabularies ----------------------------------------------------------------------

const char* kSmall = R"({ "format": "mirel-vocabulary", "formatVersion": 1,
  "propertyMarkers": { "qualifier": "<Q>", "keyword": "K" },
  "specialWidths": { "PROP": "21", "MATH-OP": "13", "RELOP": "14", "STRINGOP": "15" },
  "keywords": [ { "name": "A", "title": "", "width": "5", "dependsOn": ["DESIGN"] },
                { "name": "prop", "title": "Property", "width": "99" },
                { "name": "B", "dependsOn": ["A"], "blockDependsOn": [] } ] })";

TEST(Vocabulary, OptionalFieldsAndSpecialWidths) {
  std::string error;
  auto s = VocabularyQueryServer::LoadFromText(kSmall, "small.json", error);
  ASSERT_TRUE(s) << error;
  std::string width;
  s->GetKeywordWidth("PROP", width);
  EXPECT_EQ(width, "21");  // the special width wins over the entry's own
  std::string title = "x";
  s->GetKeywordTitle("A", title);
  EXPECT_EQ(title, "");
  s->GetKeywordTitle("B", title);
  EXPECT_EQ(title, "");
  EXPECT_TRUE(s->IsValidDependency("a", "b", false));
  EXPECT_FALSE(s->IsValidDependency("A", "B", true));  // an empty block list is a list
  EXPECT_FALSE(s->IsKeywordHighlighted("A", false));
}

struct BadVocabulary {
  const char* name;
  std::string from;
  std::string to;
  std::string reason;
};

class RefusedVocabulary : public testing::TestWithParam<BadVocabulary> {};

TEST_P(RefusedVocabulary, NamesTheProblem) {
  std::string text = kSmall;
  const size_t at = text.find(GetParam().from);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, GetParam().from.size(), GetParam().to);
  std::string error;
  EXPECT_EQ(VocabularyQueryServer::LoadFromText(text, "v.json", error), nullptr);
  EXPECT_EQ(error.rfind("v.json: ", 0), 0u) << error;
  EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, RefusedVocabulary,
    testing::Values(BadVocabulary{"WrongFormat", "mirel-vocabulary", "mirel-template", "expected \"mirel-vocabulary\""},
                    BadVocabulary{"Newer", "\"formatVersion\": 1", "\"formatVersion\": 7", "newer"},
                    BadVocabulary{"NoMarkers", "\"propertyMarkers\"", "\"markers\"", "\"propertyMarkers\" is missing"},
                    BadVocabulary{"MissingSpecialWidth", "\"RELOP\": \"14\", ", "", "specialWidths.RELOP is missing"},
                    BadVocabulary{"WidthNumber", "\"width\": \"5\"", "\"width\": 5", "keywords[0].width must be a string"},
                    BadVocabulary{"Twice", "\"name\": \"B\"", "\"name\": \"a\"", "\"a\" is listed twice"},
                    BadVocabulary{"NoName", "\"name\": \"B\", ", "", "keywords[2].name is missing"},
                    BadVocabulary{"EmptyName", "\"name\": \"B\"", "\"name\": \"\"", "keywords[2].name is empty"},
                    BadVocabulary{"DependsOnText", "\"dependsOn\": [\"A\"]", "\"dependsOn\": \"A\"",
                                  "keywords[2].dependsOn must be an array"},
                    BadVocabulary{"NotJson", "\"keywords\": [", "\"keywords\" [", "not valid JSON"}),
    [](const testing::TestParamInfo<BadVocabulary>& info) { return std::string(info.param.name); });

TEST(Vocabulary, InitQueryServerReadsTheSetupPath) {
  // The root the tests run under is the staged install tree, with the shipped vocabulary.
  IZRQueryServer* server = IZRQueryServer::InitQueryServer();
  ASSERT_NE(server, nullptr);
  EXPECT_TRUE(server->IsKeyword("refdes"));
  EXPECT_EQ(IZRQueryServer::InitQueryServer(), server);  // one server for the process
}

TEST(Vocabulary, LoadFromAMissingFileSaysSo) {
  ScratchDir dir;
  std::string error;
  EXPECT_EQ(VocabularyQueryServer::LoadFromFile(dir / "none.json", error), nullptr);
  EXPECT_NE(error.find("none.json: cannot be opened"), std::string::npos) << error;
}

}  // namespace
