// NameIndex: names found after the table grew from empty or was sized ahead, a repeated name
// keeps its first position, and absent names are absent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/NameIndex.h"

namespace mirel::design {
namespace {

TEST(NameIndex, FindsEveryNameWhetherGrownOrSizedAhead) {
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) names.push_back("R" + std::to_string(i));
  const auto nameOf = [&](NameIndex::Index i) -> std::string_view { return names[i]; };
  for (const std::size_t expected : {std::size_t(0), names.size()}) {
    NameIndex index;
    if (expected) index.Reset(expected);
    for (NameIndex::Index i = 0; i < names.size(); ++i) ASSERT_EQ(index.Insert(names[i], i, nameOf), NameIndex::kAbsent);
    for (NameIndex::Index i = 0; i < names.size(); ++i) EXPECT_EQ(index.Find(names[i], nameOf), i) << names[i];
    EXPECT_EQ(index.Insert("R42", 7, nameOf), 42u);  // the first keeps the name
    EXPECT_EQ(index.Find("R42", nameOf), 42u);
    EXPECT_EQ(index.Find("R5000", nameOf), NameIndex::kAbsent);
    EXPECT_EQ(index.Find("", nameOf), NameIndex::kAbsent);
  }
  EXPECT_EQ(NameIndex().Find("R1", nameOf), NameIndex::kAbsent);
}

}  // namespace
}  // namespace mirel::design
