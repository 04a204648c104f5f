// The relation search: reaches a keyword through chains, ends on cycles, treats letter case as
// the rest of the validation does, and keeps keywords with underscores apart.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "validation/RelationSearch.h"

namespace {

using mirel::validation::IsRelationDefined;
using mirel::validation::RelationMap;

bool Reaches(const RelationMap& relations, const std::string& from, const std::string& to) {
  std::set<std::string> visited;
  return IsRelationDefined(relations, from, to, visited);
}

TEST(RelationSearch, FollowsChainsAndOnlyForward) {
  const RelationMap relations{{"PIN", "REFDES"}, {"REFDES", "PART"}, {"PART", ""}, {"NET", "PIN"}};
  EXPECT_TRUE(Reaches(relations, "NET", "PART"));
  EXPECT_TRUE(Reaches(relations, "PIN", "REFDES"));
  EXPECT_FALSE(Reaches(relations, "PART", "NET"));
  EXPECT_FALSE(Reaches(relations, "PIN", "PIN"));
  EXPECT_FALSE(Reaches(relations, "UNKNOWN", "PART"));
}

TEST(RelationSearch, EveryColumnOfAKeywordCounts) {
  const RelationMap relations{{"PIN", "NET"}, {"PIN", "REFDES"}, {"REFDES", "PART"}};
  EXPECT_TRUE(Reaches(relations, "PIN", "PART"));
}

TEST(RelationSearch, CyclesEnd) {
  const RelationMap relations{{"A", "B"}, {"B", "C"}, {"C", "A"}, {"C", "B"}, {"X", "Y"}};
  EXPECT_FALSE(Reaches(relations, "A", "X"));
  EXPECT_TRUE(Reaches(relations, "A", "A"));
  std::set<std::string> visited;
  EXPECT_FALSE(IsRelationDefined(relations, "A", "X", visited));
  EXPECT_EQ(visited, (std::set<std::string>{"A", "B", "C"}));
}

TEST(RelationSearch, LetterCaseDoesNotMatter) {
  const RelationMap relations{{"refdes", "Part"}, {"REFDES_X", "Q"}, {"Refdes", "NET"}, {"net", "block"}};
  EXPECT_TRUE(Reaches(relations, "REFDES", "PART"));
  EXPECT_TRUE(Reaches(relations, "REFDES", "BLOCK"));
}

TEST(RelationSearch, UnderscoresDoNotMergeDifferentSteps) {
  // X on A, A on B_C, X on A_B, A_B on C, C on T: A then B_C and A_B then C are different steps.
  const RelationMap relations{{"X", "A"}, {"A", "B_C"}, {"X", "A_B"}, {"A_B", "C"}, {"C", "T"}};
  EXPECT_TRUE(Reaches(relations, "X", "T"));
}

TEST(RelationSearch, LongChainNeedsNoDeepStack) {
  RelationMap relations;
  constexpr int kLength = 200000;
  for (int i = 0; i < kLength; ++i) relations.emplace("K" + std::to_string(i), "K" + std::to_string(i + 1));
  EXPECT_TRUE(Reaches(relations, "K0", "K" + std::to_string(kLength)));
  EXPECT_FALSE(Reaches(relations, "K0", "NOWHERE"));
}

}  // namespace
