// Bad input at the edges of every reader: paths that are no file, huge files and texts, broken
// text in every field, repeated keys. Each is a clear error that names the file, and nothing
// held before is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/vocabularyserver.h"
#include "hostapi/errorhandler.h"
#include "hostapi/propertyserver.h"
#include "hostapi/templatefile.h"
#include "tests/host/scratch.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;
using mirel::test::ReadFile;
using mirel::test::ScratchDir;
using mirel::test::WriteFile;

// "" when the file loaded, else the reason given.
using Reader = std::function<std::string(const std::string& path)>;

std::string ReadTemplate(const std::string& path) {
  CTemplateFile file;
  return file.loadTemplate(path.c_str()) ? "" : file.getLastError();
}
std::string ReadColumn(const std::string& path) {
  CCustomColFile file;
  return file.loadCustomCol(path.c_str()) ? "" : file.getLastError();
}
std::string ReadVocabulary(const std::string& path) {
  std::string error;
  return mirel::VocabularyQueryServer::LoadFromFile(path, error) ? "" : error;
}
std::string ReadProperties(const std::string& path) {
  std::string error;
  std::unique_ptr<CPQPropertyServer> server(CPQPropertyServer::LoadFromFile(path, &error));
  return server ? "" : error;
}
std::string ReadMessages(const std::string& path) {
  return CZRErrorHandler::LoadMessageFile(path.c_str()) ? "" : CZRErrorHandler::GetLastLoadError();
}

struct NamedReader {
  const char* name;
  Reader read;
};

class EveryReader : public testing::TestWithParam<NamedReader> {
 protected:
  void ExpectRefused(const std::string& path, const std::string& reason) {
    const std::string error = GetParam().read(path);
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
  ScratchDir dir;
};

TEST_P(EveryReader, RefusesAFolder) {
  fs::create_directory(dir / "folder");
  ExpectRefused(dir / "folder", "is not a file");
}

TEST_P(EveryReader, RefusesAPipeWithoutWaitingForAWriter) {
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  ExpectRefused(dir / "pipe", "is not a file");
}

TEST_P(EveryReader, RefusesAFileItMayNotRead) {
  WriteFile(dir / "secret", "{}");
  fs::permissions(dir.path(), fs::perms::others_exec, fs::perm_options::add);
  fs::permissions(dir / "secret", fs::perms::none);
  // Root reads anything: the test takes another user's rights for the moment of the read.
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::seteuid(65534), 0);
  }
  const std::string error = GetParam().read(dir / "secret");
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }
  EXPECT_NE(error.find(dir / "secret"), std::string::npos) << error;
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
}

TEST_P(EveryReader, RefusesAFileOfAHundredMegabytes) {
  const std::string path = dir / "huge";
  WriteFile(path, "");
  fs::resize_file(path, 100u << 20);  // sparse: nothing is written
  ExpectRefused(path, "is too large");
}

INSTANTIATE_TEST_SUITE_P(Readers, EveryReader,
                         testing::Values(NamedReader{"Template", ReadTemplate}, NamedReader{"Column", ReadColumn},
                                         NamedReader{"Vocabulary", ReadVocabulary},
                                         NamedReader{"Properties", ReadProperties},
                                         NamedReader{"Messages", ReadMessages}),
                         [](const testing::TestParamInfo<NamedReader>& info) { return info.param.name; });

Json Template(const std::string& text) {
  Json query = {{"keyword", text},  {"dependency", text}, {"qualifier", text}, {"qualifierText", text},
                {"qualifierValues", {text, text}}, {"title", text}, {"viewOrder", 1}, {"sortOrder", 1},
                {"width", 20}, {"alignment", text}, {"visible", true}, {"total", false}};
  return {{"format", "mirel-template"}, {"formatVersion", 1}, {"version", text}, {"reportName", text},
          {"structure", text}, {"titlePage", text},
          {"options", {{"refDesAsRange", false}, {"pinNumberAsRange", false}, {"removeRowIfAnyEmpty", false},
                       {"removeRowIfAllEmpty", false}, {"duplicateCellValues", false}}},
          {"queries", {query, query}}};
}

// Every string of a JSON value, as a path of keys and indexes.
void StringPaths(const Json& value, const Json::json_pointer& at, std::vector<Json::json_pointer>& out) {
  if (value.is_string()) out.push_back(at);
  if (value.is_object())
    for (auto it = value.begin(); it != value.end(); ++it) StringPaths(it.value(), at / it.key(), out);
  if (value.is_array())
    for (size_t i = 0; i < value.size(); ++i) StringPaths(value[i], at / i, out);
}

TEST(Edges, TextsOfAHundredThousandCharactersInEveryFieldLoadAndSaveWhole) {
  ScratchDir dir;
  std::string text;
  for (int i = 0; i < 25000; ++i) text += "aé\x01\"";  // 100,000 characters, escapes among them
  WriteFile(dir / "long.tpt", Template(text).dump());
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate((dir / "long.tpt").c_str())) << file.getLastError();
  const CTemplateData& data = *file.getTemplateData();
  EXPECT_EQ(data.m_reportName, text);
  ASSERT_EQ(data.m_queries.size(), 2u);
  EXPECT_EQ(data.m_queries.back()->m_qualifierValues.back(), text);
  ASSERT_TRUE(file.saveTemplate((dir / "again.tpt").c_str())) << file.getLastError();
  EXPECT_EQ(Json::parse(ReadFile(dir / "again.tpt")), Template(text));
}

TEST(Edges, ControlCharactersInEveryFieldAreKeptAsTyped) {
  ScratchDir dir;
  const std::string text("\x01\x07\b\t\n\r\x1b\x1f\x7f\0end", 12);
  WriteFile(dir / "c.tpt", Template(text).dump());
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate((dir / "c.tpt").c_str())) << file.getLastError();
  EXPECT_EQ(file.getTemplateData()->m_titlePage, text);
  ASSERT_TRUE(file.saveTemplate(nullptr)) << file.getLastError();
  EXPECT_EQ(Json::parse(ReadFile(dir / "c.tpt")), Template(text));
}

TEST(Edges, InvalidUtf8InAnyFieldIsRefusedWithItsPlace) {
  ScratchDir dir;
  const std::string path = dir / "t.tpt";
  CTemplateFile file;
  WriteFile(path, Template("kept").dump(1));
  ASSERT_TRUE(file.loadTemplate(path.c_str())) << file.getLastError();
  std::vector<Json::json_pointer> fields;
  StringPaths(Template("x"), Json::json_pointer(), fields);
  ASSERT_EQ(fields.size(), 21u);
  for (const auto& field : fields) {
    Json j = Template("x");
    j[field] = "MARK";
    std::string text = j.dump(1);
    text.replace(text.find("MARK"), 4, "a\xC3(b");  // a lead byte without its continuation
    WriteFile(path, text);
    EXPECT_FALSE(file.loadTemplate(path.c_str())) << field.to_string();
    EXPECT_NE(file.getLastError().find("is not UTF-8 text"), std::string::npos) << file.getLastError();
    EXPECT_NE(file.getLastError().find(", column "), std::string::npos) << file.getLastError();
    EXPECT_EQ(file.getTemplateData()->m_reportName, "kept");
  }
}

// A key given twice is refused: either value could be the one meant, so neither is taken.
TEST(Edges, TheSameKeyTwiceIsRefusedAtEveryLevelOfEveryFile) {
  ScratchDir dir;
  const std::string path = dir / "twice";
  struct Case {
    Reader read;
    std::string text;
    std::string key;
  };
  const std::string query = R"({"keyword": "A", "keyword": "B"})";
  const std::vector<Case> cases = {
      {ReadTemplate, R"({"format": "mirel-template", "reportName": "a", "reportName": "b"})", "reportName"},
      {ReadTemplate, R"({"format": "mirel-template", "options": {"visible": true, "visible": false}})", "visible"},
      {ReadTemplate, R"({"format": "mirel-template", "queries": [{}, )" + query + "]}", "keyword"},
      {ReadColumn, R"({"format": "mirel-custom-column", "queries": [)" + query + "]}", "keyword"},
      {ReadColumn, R"({"name": "A", "format": "mirel-custom-column", "name": "B"})", "name"},
      {ReadVocabulary, R"({"format": "mirel-vocabulary", "keywords": [{"name": "A", "title": "x", "title": "y"}]})",
       "title"},
      {ReadProperties, R"({"format": "mirel-properties", "kinds": {"8": ["A"], "8": ["B"]}})", "8"},
  };
  for (const Case& c : cases) {
    WriteFile(path, c.text);
    const std::string error = c.read(path);
    EXPECT_NE(error.find("the field \"" + c.key + "\" is given twice"), std::string::npos) << c.text << "\n" << error;
  }
}

TEST(Edges, AVocabularyOfAHundredThousandKeywordsLoadsWhole) {
  ScratchDir dir;
  Json keywords = Json::array();
  for (int i = 0; i < 100000; ++i)
    keywords.push_back({{"name", "KEYWORD_" + std::to_string(i)}, {"dependsOn", {"DESIGN"}}});
  const Json vocabulary = {{"format", "mirel-vocabulary"}, {"formatVersion", 1},
                           {"propertyMarkers", {{"qualifier", "<P>"}, {"keyword", "P"}}},
                           {"specialWidths", {{"PROP", "1"}, {"MATH-OP", "1"}, {"RELOP", "1"}, {"STRINGOP", "1"}}},
                           {"keywords", keywords}};
  WriteFile(dir / "v.json", vocabulary.dump());
  std::string error;
  auto server = mirel::VocabularyQueryServer::LoadFromFile(dir / "v.json", error);
  ASSERT_TRUE(server) << error;
  EXPECT_EQ(server->Keywords().size(), 100000u);
  EXPECT_TRUE(server->IsKeyword("keyword_99999"));
  EXPECT_TRUE(server->IsValidDependency("DESIGN", "KEYWORD_50000", false));
}

}  // namespace
