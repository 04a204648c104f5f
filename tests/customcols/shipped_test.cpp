// The shipped examples and user-defined columns: each loads into a query grid as the layout page
// loads it (every shipped column registered first) and passes the grid's validation.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>

#include "customcols/UserDefColAPI.h"
#include "host/scratch.h"
#include "host/vocabularyserver.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"

namespace {

std::vector<std::string> Files(const std::string& pattern) {
  CStringList list;
  CUserDefColAPI::FillCustomColFiles(CString(mirel::test::SourceShare() + pattern), list);
  std::vector<std::string> files;
  for (const CString& s : list) files.push_back(s.str());
  return files;
}

std::string Questions(const mirel::ScriptedInteraction& script) {
  std::string text;
  for (const mirel::AskedQuestion& q : script.Asked()) text += q.Describe() + "\n";
  return text;
}

class Shipped : public ::testing::TestWithParam<std::string> {
 protected:
  Shipped() : m_scope(script) {
    mirel::AddResourceModule(mirel::LibraryResources());
    std::string error;
    vocabulary = mirel::VocabularyQueryServer::LoadFromFile(
        mirel::test::SourceShare() + "/vynsetup/tdd/vocabulary.json", error);
    EXPECT_TRUE(vocabulary) << error;
  }

  // A grid with every shipped user-defined column registered, as the layout page prepares it.
  std::unique_ptr<CQueryGrid> Grid(CTmpltQueryList* queries, int customizeMode, bool blockBased) {
    auto grid = std::make_unique<CQueryGrid>(nullptr, vocabulary.get());
    grid->InitGrid();
    for (const std::string& file : Files("/vynsetup/tdd/custom_columns/*.txt"))
      grid->AddCustomColToList(CUserDefColAPI::GetCustomColData(CString(file)));
    grid->SetTemplateData(queries);
    grid->SetCustomizeMode(customizeMode);
    grid->SetBlockBased(blockBased);
    return grid;
  }

  mirel::ScriptedInteraction script;
  std::unique_ptr<mirel::VocabularyQueryServer> vocabulary;

 private:
  mirel::ScopedInteraction m_scope;
};

class ShippedTemplate : public Shipped {};

TEST_P(ShippedTemplate, LoadsAndValidates) {
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(GetParam().c_str())) << file.getLastError();
  CTemplateData& data = *file.getTemplateData();
  auto grid = Grid(&data.m_queries, 0, mirel::EqualsNoCase(data.m_structure, "BlockBased"));
  ASSERT_EQ(grid->InitQueryFields(1), 1) << Questions(script);
  EXPECT_EQ(grid->ValidateData(), 1) << Questions(script);
  EXPECT_TRUE(script.Asked().empty()) << Questions(script);
}

INSTANTIATE_TEST_SUITE_P(Examples, ShippedTemplate, ::testing::ValuesIn(Files("/examples/*.tpt")),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = std::filesystem::path(info.param).stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

class ShippedColumn : public Shipped {};

TEST_P(ShippedColumn, ValidatesInCustomizeMode) {
  std::unique_ptr<CCustomColData> data(CUserDefColAPI::GetCustomColData(CString(GetParam())));
  ASSERT_TRUE(data);
  auto grid = Grid(&data->m_queries, 1, false);
  ASSERT_EQ(grid->InitQueryFields(1), 1) << Questions(script);
  EXPECT_EQ(grid->ValidateData(), 1) << Questions(script);
  EXPECT_TRUE(script.Asked().empty()) << Questions(script);
}

INSTANTIATE_TEST_SUITE_P(Columns, ShippedColumn,
                         ::testing::ValuesIn(Files("/vynsetup/tdd/custom_columns/*.txt")),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return std::filesystem::path(info.param).stem().string();
                         });

TEST(ShippedExamples, ThereAreDesignAndBlockBasedOnes) {
  int block = 0;
  int design = 0;
  for (const std::string& path : Files("/examples/*.tpt")) {
    CTemplateFile file;
    ASSERT_TRUE(file.loadTemplate(path.c_str())) << file.getLastError();
    (file.getTemplateData()->m_structure == "BlockBased" ? block : design)++;
  }
  EXPECT_GE(block, 1);
  EXPECT_GE(design, 1);
}

}  // namespace
