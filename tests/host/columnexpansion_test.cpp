// Expanding user-defined columns in a template's query list, as the validation grid does.
#include <gtest/gtest.h>

#include "host/columnexpansion.h"

namespace {

CTmpltQuery* Query(const char* keyword, const char* dependency, int view, int sort) {
  auto* query = new CTmpltQuery;
  query->m_keyword = keyword;
  query->m_dependency = dependency;
  query->m_viewOrder = view;
  query->m_sortOrder = sort;
  return query;
}

TEST(ColumnExpansionTest, SubColumnsTakeTheirPlaceAndTheOrdersMakeRoomForThem) {
  CCustomColData info;
  info.m_name = "INFO";
  info.m_queries = {Query("VALUE", "", 1, 1), Query("PIN_NAME", "PIN_NUMBER", 2, 0), Query("TOLERANCE", "", 3, 2)};
  CTemplateData data;
  // View: A 1, INFO 3, B 2; sort: A 2, INFO 1, B 0 (unsorted).
  data.m_queries = {Query("A", "", 1, 2), Query("INFO", "A", 3, 1), Query("B", "A", 2, 0), Query("", "", 0, 0)};
  const auto expanded = mirel::ExpandUserDefinedColumns(
      data.m_queries, [&](std::string_view name) { return name == "INFO" ? &info : nullptr; });
  struct Expected {
    const char* keyword;
    const char* dependency;
    int view, sort;
    const char* custom;
  };
  const Expected expected[] = {{"A", "", 1, 4, ""},
                               {"VALUE", "A", 3, 1, "INFO"},
                               {"PIN_NAME", "PIN_NUMBER", 4, 0, "INFO"},
                               {"TOLERANCE", "A", 5, 2, "INFO"},
                               {"B", "A", 2, 0, ""}};
  ASSERT_EQ(expanded.size(), std::size(expected)) << "the unused column is left out";
  for (size_t i = 0; i < expanded.size(); ++i) {
    EXPECT_EQ(expanded[i].query.m_keyword, expected[i].keyword) << i;
    EXPECT_EQ(expanded[i].query.m_dependency, expected[i].dependency) << i;
    EXPECT_EQ(expanded[i].query.m_viewOrder, expected[i].view) << i;
    EXPECT_EQ(expanded[i].query.m_sortOrder, expected[i].sort) << i;
    EXPECT_EQ(expanded[i].customName, expected[i].custom) << i;
  }
}

}  // namespace
