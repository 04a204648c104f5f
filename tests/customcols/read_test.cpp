// Reading one user-defined column file: its name, and an independent copy of its definition.
#include <gtest/gtest.h>

#include <memory>

#include "column_files.h"
#include "customcols/UserDefColAPI.h"

namespace cctest {
namespace {

class ReadColumn : public ColumnFolders {};

TEST_F(ReadColumn, NameOfAColumnFile) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "PINLIST");
}

TEST_F(ReadColumn, NothingFromFilesThatAreNoColumns) {
  const std::string notJson = Put(otherDir, "a.txt", "{ not json");
  const std::string aTemplate = Put(otherDir, "b.txt", R"({ "format": "mirel-template", "formatVersion": 1 })");
  for (const std::string& path : {notJson, aTemplate, otherDir + "/missing.txt", otherDir, std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "");
    EXPECT_EQ(CUserDefColAPI::GetCustomColData(CString(path)), nullptr);
  }
}

TEST_F(ReadColumn, DefinitionIsTheCallersOwnCopy) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  std::unique_ptr<CCustomColData> first(CUserDefColAPI::GetCustomColData(CString(path)));
  std::unique_ptr<CCustomColData> second(CUserDefColAPI::GetCustomColData(CString(path)));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->m_name, "PINLIST");
  EXPECT_EQ(first->m_version, "15.5-D031");
  ASSERT_EQ(first->m_queries.size(), 1u);
  EXPECT_NE(first->m_queries.front(), second->m_queries.front());
  EXPECT_TRUE(EqualTmpltQueries(first->m_queries, second->m_queries));
}

TEST(ShippedColumns, EveryShippedColumnFileReadsWithItsFileName) {
  const std::string dir = mirel::test::SourceShare() + "/vynsetup/tdd/custom_columns";
  CStringList files;
  CUserDefColAPI::FillCustomColFiles(CString(dir + "/*.txt"), files);
  ASSERT_GE(files.size(), 3u);
  for (const CString& path : files) {
    SCOPED_TRACE(path.str());
    std::unique_ptr<CCustomColData> data(CUserDefColAPI::GetCustomColData(path));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->m_name + ".txt", std::filesystem::path(path.str()).filename().string());
    EXPECT_FALSE(data->m_queries.empty());
  }
}

}  // namespace
}  // namespace cctest
