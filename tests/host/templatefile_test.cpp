// Template and user-defined column files: exact round trips, every refusal with its reason,
// and saves that fail without touching the old file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <set>
#include <vector>
#include <nlohmann/json.hpp>

#include "tests/host/scratch.h"
#include "hostapi/templatefile.h"

namespace {

using mirel::test::ReadFile;
using mirel::test::ScratchDir;
using mirel::test::WriteFile;
using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

CTmpltQuery* MakeQuery(const std::string& text, std::list<std::string> values, int number) {
  auto* q = new CTmpltQuery;
  q->m_keyword = "K" + text;
  q->m_dependency = text + "D";
  q->m_qualifier = text;
  q->m_qualifierText = "<" + text + ">";
  q->m_qualifierValues = std::move(values);
  q->m_title = text + text;
  q->m_viewOrder = number;
  q->m_sortOrder = number == INT_MIN ? INT_MAX : -number;
  q->m_width = number / 2;
  q->m_alignment = text;
  q->m_visible = number % 2 == 0;
  q->m_total = number % 3 == 0;
  return q;
}

void Fill(CTemplateData& d, const std::string& text) {
  d.m_version = text;
  d.m_titlePage = "/path/" + text + ".zrr";
  d.m_structure = text;
  d.m_reportName = "Report " + text;
  d.m_refDesAsRange = true;
  d.m_removeRowIfAllEmpty = true;
  d.m_queries.push_back(MakeQuery(text, {}, 0));
  d.m_queries.push_back(MakeQuery(text, {""}, INT_MAX));
  d.m_queries.push_back(MakeQuery(text, {"", ""}, INT_MIN));
  d.m_queries.push_back(MakeQuery(text, {text, "a,b", "\"q\"", text + "," + text}, -7));
}

void ExpectSame(const CTemplateData& a, const CTemplateData& b) {
  EXPECT_EQ(a.m_version, b.m_version);
  EXPECT_EQ(a.m_titlePage, b.m_titlePage);
  EXPECT_EQ(a.m_structure, b.m_structure);
  EXPECT_EQ(a.m_reportName, b.m_reportName);
  EXPECT_EQ(a.m_duplicateCellValues, b.m_duplicateCellValues);
  EXPECT_EQ(a.m_refDesAsRange, b.m_refDesAsRange);
  EXPECT_EQ(a.m_pinNumberAsRange, b.m_pinNumberAsRange);
  EXPECT_EQ(a.m_removeRowIfAllEmpty, b.m_removeRowIfAllEmpty);
  EXPECT_EQ(a.m_removeRowIfAnyEmpty, b.m_removeRowIfAnyEmpty);
  EXPECT_TRUE(EqualTmpltQueries(a.m_queries, b.m_queries));
}

// Everything in the folder except the given names (leftover temporary files).
std::vector<std::string> Others(const std::string& dir, const std::set<std::string>& expected) {
  std::vector<std::string> extra;
  for (const auto& e : fs::directory_iterator(dir))
    if (!expected.count(e.path().filename().string())) extra.push_back(e.path().filename().string());
  return extra;
}

class AwkwardText : public testing::TestWithParam<std::string> {};

TEST_P(AwkwardText, TemplateRoundTripsEveryField) {
  ScratchDir dir;
  CTemplateFile out;
  Fill(*out.getTemplateData(), GetParam());
  const std::string path = dir / "t.tpt";
  ASSERT_TRUE(out.saveTemplate(path.c_str())) << out.getLastError();
  EXPECT_EQ(out.getTemplateFile(), path);

  CTemplateFile in;
  ASSERT_TRUE(in.loadTemplate(path.c_str())) << in.getLastError();
  ExpectSame(*out.getTemplateData(), *in.getTemplateData());
  EXPECT_EQ(in.getTemplateFile(), path);

  // Saving what was read gives the same bytes: nothing drifts from save to save.
  const std::string first = ReadFile(path);
  ASSERT_TRUE(in.saveTemplate(nullptr)) << in.getLastError();
  EXPECT_EQ(ReadFile(path), first);
}

TEST_P(AwkwardText, CustomColumnRoundTripsEveryField) {
  ScratchDir dir;
  CCustomColFile out;
  CCustomColData* data = out.getCustomColData();
  data->m_name = GetParam();
  data->m_version = "v" + GetParam();
  data->m_queries.push_back(MakeQuery(GetParam(), {""}, 3));
  data->m_queries.push_back(MakeQuery(GetParam(), {GetParam(), ","}, 4));
  const std::string path = dir / "c.txt";
  ASSERT_TRUE(out.saveCustomCol(path.c_str())) << out.getLastError();

  CCustomColFile in;
  ASSERT_TRUE(in.loadCustomCol(path.c_str())) << in.getLastError();
  EXPECT_EQ(in.getCustomColData()->m_name, data->m_name);
  EXPECT_EQ(in.getCustomColData()->m_version, data->m_version);
  EXPECT_TRUE(EqualTmpltQueries(in.getCustomColData()->m_queries, data->m_queries));
  EXPECT_EQ(in.getCustomColFile(), path);
}

INSTANTIATE_TEST_SUITE_P(Texts, AwkwardText,
                         testing::Values("", "plain", "a,b,c", "\"quoted\"", "say \"hi\", then go",
                                         "line 1\nline 2", "tab\there", "\r\n", " blanks around ",
                                         "ünïcödé Ω 漢字 🙂", "%s%n%d%%", "back\\slash\\", "\x01\x1f",
                                         "{\"json\": [1, 2]}", "null"));

TEST(TemplateFile, FreshObjectsHoldAnEmptyDefinitionAndNoPath) {
  CTemplateFile t;
  ASSERT_NE(t.getTemplateData(), nullptr);
  EXPECT_TRUE(t.getTemplateData()->m_queries.empty());
  EXPECT_EQ(t.getTemplateFile(), "");
  CCustomColFile c;
  ASSERT_NE(c.getCustomColData(), nullptr);
  EXPECT_EQ(c.getCustomColData()->m_name, "");
  EXPECT_EQ(c.getCustomColFile(), "");
}

TEST(TemplateFile, WritesTheDocumentedLayout) {
  ScratchDir dir;
  CTemplateFile t;
  CTemplateData& d = *t.getTemplateData();
  d.m_version = "15.5-D031";
  d.m_reportName = "Bill of Materials";
  d.m_refDesAsRange = true;
  auto* q = new CTmpltQuery;
  q->m_keyword = "REFDES";
  q->m_qualifierValues = {""};
  q->m_title = "Reference";
  q->m_viewOrder = q->m_sortOrder = 1;
  q->m_width = 20;
  q->m_alignment = "LEFT";
  d.m_queries.push_back(q);
  ASSERT_TRUE(t.saveTemplate((dir / "bom.tpt").c_str()));
  const Json j = Json::parse(ReadFile(dir / "bom.tpt"));
  const Json expected = Json::parse(R"({ "format": "mirel-template", "formatVersion": 1, "version": "15.5-D031",
    "reportName": "Bill of Materials", "structure": "DesignBased", "titlePage": "",
    "options": { "refDesAsRange": true, "pinNumberAsRange": false, "removeRowIfAnyEmpty": false,
                 "removeRowIfAllEmpty": false, "duplicateCellValues": false },
    "queries": [ { "keyword": "REFDES", "dependency": "", "qualifier": "", "qualifierText": "",
                   "qualifierValues": [""], "title": "Reference", "viewOrder": 1, "sortOrder": 1,
                   "width": 20, "alignment": "LEFT", "visible": true, "total": false } ] })");
  EXPECT_EQ(j, expected);
  EXPECT_EQ(j.begin().key(), "format");  // the header comes first, for people reading the file
}

// Files written by newer versions or other tools lose nothing through a load and a save: the
// fields this version does not know come back after the known ones, which they never replace.
TEST(TemplateFile, KeepsFieldsItDoesNotKnowThroughLoadAndSave) {
  ScratchDir dir;
  const std::string query = R"("keyword": "REFDES", "dependency": "", "qualifier": "", "qualifierText": "",
      "qualifierValues": [""], "title": "Ref", "viewOrder": 1, "sortOrder": 1, "width": 20,
      "alignment": "LEFT", "visible": true, "total": false)";
  WriteFile(dir / "t.tpt", R"({ "format": "mirel-template", "formatVersion": 1, "comment": "by hand",
    "version": "1", "reportName": "R", "structure": "DesignBased", "titlePage": "",
    "options": { "refDesAsRange": false, "pinNumberAsRange": false, "removeRowIfAnyEmpty": false,
                 "removeRowIfAllEmpty": false, "duplicateCellValues": false, "groupBy": ["a"] },
    "queries": [ {)" + query + R"(, "note": {"n": 1} } ] })");
  WriteFile(dir / "c.txt", R"({ "format": "mirel-custom-column", "formatVersion": 1, "name": "C",
    "version": "1", "owner": "lib", "queries": [ {)" + query + R"(, "note": "x" } ] })");

  CTemplateFile t;
  ASSERT_TRUE(t.loadTemplate((dir / "t.tpt").c_str())) << t.getLastError();
  t.getTemplateData()->m_reportName = "Renamed";
  ASSERT_TRUE(t.saveTemplate(nullptr)) << t.getLastError();
  const Json saved = Json::parse(ReadFile(dir / "t.tpt"));
  EXPECT_EQ(saved["comment"], "by hand");
  EXPECT_EQ(saved["options"]["groupBy"], Json::array({"a"}));
  EXPECT_EQ(saved["queries"][0]["note"], Json::parse(R"({"n": 1})"));
  EXPECT_EQ(saved["reportName"], "Renamed");
  EXPECT_EQ(std::prev(saved.end()).key(), "comment");

  CCustomColFile c;
  ASSERT_TRUE(c.loadCustomCol((dir / "c.txt").c_str())) << c.getLastError();
  const CCustomColData copy(c.getCustomColData());
  EXPECT_EQ(copy.m_unknownFields, R"({"owner":"lib"})");
  c.getCustomColData()->m_unknownFields = R"({"name":"other","owner":"lib"})";
  ASSERT_TRUE(c.saveCustomCol(nullptr)) << c.getLastError();
  const Json column = Json::parse(ReadFile(dir / "c.txt"));
  EXPECT_EQ(column["name"], "C") << "a kept field never replaces a known one";
  EXPECT_EQ(column["owner"], "lib");
  EXPECT_EQ(column["queries"][0]["note"], "x");
}

// ---- Refusals -------------------------------------------------------------------------------

Json ValidTemplate() {
  return Json::parse(R"({ "format": "mirel-template", "formatVersion": 1, "version": "15.5-D031",
    "reportName": "Nets", "structure": "DesignBased", "titlePage": "",
    "options": { "refDesAsRange": false, "pinNumberAsRange": false, "removeRowIfAnyEmpty": false,
                 "removeRowIfAllEmpty": false, "duplicateCellValues": false },
    "queries": [ { "keyword": "NET_NAME", "dependency": "", "qualifier": "", "qualifierText": "",
                   "qualifierValues": [""], "title": "Net", "viewOrder": 1, "sortOrder": 1,
                   "width": 20, "alignment": "LEFT", "visible": true, "total": false } ] })");
}

struct Refusal {
  const char* name;
  std::string text;
  std::vector<std::string> reason;  // pieces the reason must hold, besides the file name
};

std::string Edited(void (*edit)(Json&)) {
  Json j = ValidTemplate();
  edit(j);
  return j.dump(2);
}

class RefusedTemplate : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedTemplate, IsRefusedWithItsReasonAndLeavesTheHeldTemplate) {
  ScratchDir dir;
  const std::string good = dir / "good.tpt";
  WriteFile(good, ValidTemplate().dump());
  CTemplateFile t;
  ASSERT_TRUE(t.loadTemplate(good.c_str())) << t.getLastError();

  const std::string bad = dir / "bad.tpt";
  WriteFile(bad, GetParam().text);
  EXPECT_FALSE(t.loadTemplate(bad.c_str()));
  const std::string reason = t.getLastError();
  EXPECT_EQ(reason.rfind(bad + ": ", 0), 0u) << reason;
  for (const std::string& piece : GetParam().reason) EXPECT_NE(reason.find(piece), std::string::npos) << reason;

  EXPECT_EQ(t.getTemplateFile(), good);
  EXPECT_EQ(t.getTemplateData()->m_reportName, "Nets");
  ASSERT_EQ(t.getTemplateData()->m_queries.size(), 1u);
  EXPECT_EQ(t.getTemplateData()->m_queries.front()->m_keyword, "NET_NAME");
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, RefusedTemplate,
    testing::Values(
        Refusal{"NotUtf8", "{\n  \"format\": \"mirel-template\xff\"\n}", {"line 2, column 28", "not UTF-8"}},
        Refusal{"OverlongUtf8", "{\"format\": \"\xc0\xaf\"}", {"line 1, column 13", "not UTF-8"}},
        Refusal{"Latin1", "{\"reportName\": \"Gr\xfc\xdf\"}", {"not UTF-8"}},
        Refusal{"NotJson", "{\n  \"format\": \"mirel-template\",\n  oops\n}", {"line 3, column 3", "not valid JSON"}},
        Refusal{"TrailingComma", "{\"format\": \"mirel-template\",}", {"line 1, column 29", "not valid JSON"}},
        Refusal{"Truncated", "{\"format\": \"mirel-template\"", {"line 1", "not valid JSON"}},
        Refusal{"Empty", "  \n", {"empty"}},
        Refusal{"NotAnObject", "[1, 2]", {"an array, not a JSON object"}},
        Refusal{"RepeatedKey", "{\"format\": \"mirel-template\", \"format\": \"x\"}", {"\"format\"", "twice"}},
        Refusal{"WrongFormat", Edited([](Json& j) { j["format"] = "mirel-custom-column"; }),
                {"\"format\" is \"mirel-custom-column\", expected \"mirel-template\""}},
        Refusal{"NoFormat", Edited([](Json& j) { j.erase("format"); }), {"\"format\" is missing"}},
        Refusal{"FormatNotText", Edited([](Json& j) { j["format"] = 1; }), {"\"format\" must be a string"}},
        Refusal{"NewerVersion", Edited([](Json& j) { j["formatVersion"] = 2; }), {"newer", "format version 2"}},
        Refusal{"VersionZero", Edited([](Json& j) { j["formatVersion"] = 0; }), {"not a version"}},
        Refusal{"MissingQueryField", Edited([](Json& j) { j["queries"][0].erase("width"); }),
                {"queries[0].width is missing"}},
        Refusal{"MissingOption", Edited([](Json& j) { j["options"].erase("refDesAsRange"); }),
                {"options.refDesAsRange is missing"}},
        Refusal{"MissingOptions", Edited([](Json& j) { j.erase("options"); }), {"\"options\" is missing"}},
        Refusal{"WidthAsText", Edited([](Json& j) { j["queries"][0]["width"] = "20"; }),
                {"queries[0].width must be a whole number, found a string"}},
        Refusal{"Fraction", Edited([](Json& j) { j["queries"][0]["viewOrder"] = 1.5; }),
                {"queries[0].viewOrder must be a whole number"}},
        Refusal{"VisibleAsNumber", Edited([](Json& j) { j["queries"][0]["visible"] = 1; }),
                {"queries[0].visible must be true or false, found an integer"}},
        Refusal{"ValueNotText", Edited([](Json& j) { j["queries"][0]["qualifierValues"] = Json::array({"a", 2}); }),
                {"queries[0].qualifierValues[1] must be a string"}},
        Refusal{"QueryNotObject", Edited([](Json& j) { j["queries"].push_back("REFDES"); }),
                {"queries[1] must be an object"}},
        Refusal{"NameNull", Edited([](Json& j) { j["reportName"] = nullptr; }), {"\"reportName\" must be a string, found null"}},
        Refusal{"IntTooLarge", Edited([](Json& j) { j["queries"][0]["viewOrder"] = 2147483648LL; }),
                {"queries[0].viewOrder is 2147483648, outside the range of an int"}},
        Refusal{"IntTooSmall", Edited([](Json& j) { j["queries"][0]["sortOrder"] = -2147483649LL; }),
                {"queries[0].sortOrder is -2147483649, outside the range of an int"}},
        Refusal{"UnsignedHuge", Edited([](Json& j) { j["queries"][0]["width"] = 18446744073709551615ULL; }),
                {"queries[0].width", "outside the range of an int"}},
        Refusal{"Exponent", "{\"format\":\"mirel-template\",\"formatVersion\":1e30}",
                {"\"formatVersion\"", "outside the range of an int"}}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(TemplateFile, RefusesWhatIsNoFile) {
  ScratchDir dir;
  CTemplateFile t;
  EXPECT_FALSE(t.loadTemplate((dir / "missing.tpt").c_str()));
  EXPECT_NE(t.getLastError().find("missing.tpt: cannot be opened"), std::string::npos) << t.getLastError();
  EXPECT_FALSE(t.loadTemplate(dir.path().c_str()));
  EXPECT_NE(t.getLastError().find("is not a file"), std::string::npos) << t.getLastError();
  EXPECT_FALSE(t.loadTemplate(nullptr));
  EXPECT_FALSE(t.loadTemplate(""));
}

TEST(CustomColFile, RefusesATemplateFile) {
  ScratchDir dir;
  WriteFile(dir / "t.tpt", ValidTemplate().dump());
  CCustomColFile c;
  EXPECT_FALSE(c.loadCustomCol((dir / "t.tpt").c_str()));
  EXPECT_NE(c.getLastError().find("expected \"mirel-custom-column\""), std::string::npos) << c.getLastError();
  EXPECT_NE(c.getCustomColData(), nullptr);
  EXPECT_EQ(c.getCustomColFile(), "");
}

// ---- Saves that fail ------------------------------------------------------------------------

class FailedSave : public testing::Test {
 protected:
  void SetUp() override {
    m_old = dir / "old.tpt";
    Fill(*m_file.getTemplateData(), "old");
    ASSERT_TRUE(m_file.saveTemplate(m_old.c_str()));
    m_oldBytes = ReadFile(m_old);
    m_file.getTemplateData()->m_reportName = "changed";
  }
  void ExpectOldFileUntouched() {
    EXPECT_EQ(ReadFile(m_old), m_oldBytes);
    EXPECT_EQ(Others(dir.path(), {"old.tpt"}), std::vector<std::string>{});
  }

  ScratchDir dir;
  CTemplateFile m_file;
  std::string m_old;
  std::string m_oldBytes;
};

TEST_F(FailedSave, IntoAFolderThatIsAFile) {
  const std::string target = m_old + "/inner.tpt";
  EXPECT_FALSE(m_file.saveTemplate(target.c_str()));
  EXPECT_NE(m_file.getLastError().find(target), std::string::npos) << m_file.getLastError();
  EXPECT_EQ(m_file.getTemplateFile(), m_old);  // the own file stays the one that was saved
  ExpectOldFileUntouched();
}

TEST_F(FailedSave, OverAFolder) {
  fs::create_directory(dir / "folder.tpt");
  EXPECT_FALSE(m_file.saveTemplate((dir / "folder.tpt").c_str()));
  EXPECT_TRUE(fs::is_directory(dir / "folder.tpt"));
  EXPECT_TRUE(fs::is_empty(dir / "folder.tpt"));
  EXPECT_EQ(ReadFile(m_old), m_oldBytes);
}

TEST_F(FailedSave, UnderProc) {
  EXPECT_FALSE(m_file.saveTemplate("/proc/mirel-save-test.tpt"));
  EXPECT_FALSE(m_file.getLastError().empty());
  EXPECT_FALSE(fs::exists("/proc/mirel-save-test.tpt"));
  ExpectOldFileUntouched();
}

TEST_F(FailedSave, WhenTheFolderVanished) {
  const std::string sub = dir / "sub";
  fs::create_directory(sub);
  CTemplateFile t;
  Fill(*t.getTemplateData(), "x");
  ASSERT_TRUE(t.saveTemplate((sub + "/a.tpt").c_str()));
  fs::remove_all(sub);
  EXPECT_FALSE(t.saveTemplate(nullptr));
  EXPECT_NE(t.getLastError().find("a.tpt"), std::string::npos) << t.getLastError();
  EXPECT_FALSE(fs::exists(sub));
}

TEST_F(FailedSave, WhenTheDiskFillsUpHalfWay) {
  for (int i = 0; i < 200; ++i) m_file.getTemplateData()->m_queries.push_back(MakeQuery("filler", {"a"}, i));
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;  // larger than the old file, smaller than the new one
  ASSERT_GT(small.rlim_cur, m_oldBytes.size());
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = m_file.saveTemplate(nullptr);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_NE(m_file.getLastError().find("cannot write"), std::string::npos) << m_file.getLastError();
  ExpectOldFileUntouched();
}

TEST_F(FailedSave, WithTextThatIsNotUtf8) {
  m_file.getTemplateData()->m_queries.back()->m_title = "bad \xff title";
  EXPECT_FALSE(m_file.saveTemplate(nullptr));
  EXPECT_NE(m_file.getLastError().find("queries[3].title is not valid UTF-8"), std::string::npos)
      << m_file.getLastError();
  ExpectOldFileUntouched();
}

TEST(TemplateFile, SaveWithoutAnyFileNameFails) {
  CTemplateFile t;
  EXPECT_FALSE(t.saveTemplate(nullptr));
  EXPECT_FALSE(t.getLastError().empty());
  CCustomColFile c;
  EXPECT_FALSE(c.saveCustomCol(nullptr));
}

TEST(TemplateFile, SaveKeepsPermissionsAndLinks) {
  ScratchDir dir;
  CTemplateFile t;
  const std::string real = dir / "real.tpt";
  ASSERT_TRUE(t.saveTemplate(real.c_str()));
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(real, dir / "link.tpt");
  t.getTemplateData()->m_reportName = "via link";
  ASSERT_TRUE(t.saveTemplate((dir / "link.tpt").c_str())) << t.getLastError();
  EXPECT_TRUE(fs::is_symlink(dir / "link.tpt"));
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  CTemplateFile back;
  ASSERT_TRUE(back.loadTemplate(real.c_str()));
  EXPECT_EQ(back.getTemplateData()->m_reportName, "via link");
  EXPECT_EQ(Others(dir.path(), {"real.tpt", "link.tpt"}), std::vector<std::string>{});
}

}  // namespace
