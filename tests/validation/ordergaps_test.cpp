// Closing the order gaps that empty columns leave, before a query grid is validated.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "validation/OrderGaps.h"

namespace {

using mirel::validation::CloseOrderGaps;
using mirel::validation::OrderCells;

struct GapCase {
  const char* name;
  std::vector<OrderCells> columns;
  std::map<unsigned long, int> views;
  std::map<unsigned long, int> sorts;
};
std::ostream& operator<<(std::ostream& os, const GapCase& c) { return os << c.name; }

OrderCells Used(unsigned long col, std::string view, std::string sort) { return {col, true, view, sort}; }
OrderCells Empty(unsigned long col, std::string view = "", std::string sort = "") { return {col, false, view, sort}; }

class OrderGaps : public testing::TestWithParam<GapCase> {};

TEST_P(OrderGaps, PendingNumbers) {
  const auto renumbering = CloseOrderGaps(GetParam().columns);
  EXPECT_EQ(renumbering.viewOrders, GetParam().views);
  EXPECT_EQ(renumbering.sortOrders, GetParam().sorts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderGaps,
    testing::Values(
        GapCase{"GapBelowIsClosed", {Used(2, "1", "1"), Empty(3), Used(4, "4", "4")}, {{4, 3}}, {{4, 3}}},
        GapCase{"TakenNumberIsNoGap", {Used(2, "1", "1"), Empty(3), Used(4, "3", "3")}, {}, {}},
        GapCase{"ViewAndSortApart", {Used(2, "1", "2"), Empty(3), Used(4, "4", "3")}, {{4, 3}}, {}},
        GapCase{"EachGapLowersOnceMore",
                {Used(2, "1", "1"), Empty(3), Empty(4), Used(5, "5", "5"), Empty(6), Used(7, "9", "7")},
                {{5, 3}, {7, 6}},
                {{5, 3}, {7, 4}}},
        GapCase{"EmptyColumnsAfterTheLastUsedAreNotLookedAt",
                {Used(2, "1", "1"), Used(3, "5", "5"), Empty(4), Empty(5)},
                {},
                {}},
        GapCase{"OrdersAtOrBelowTheGapStay",
                {Used(2, "1", "1"), Empty(3), Used(4, "2", "2"), Used(5, "4", "4")},
                {{5, 3}},
                {{5, 3}}},
        GapCase{"TextIsComparedAsWritten", {Used(2, "1", "03"), Empty(3), Used(4, "4", "4")}, {{4, 3}}, {{4, 3}}},
        GapCase{"NonNumbersCountAsZero", {Used(2, "x", ""), Empty(3), Used(4, "4", "4")}, {{4, 3}}, {{4, 3}}},
        GapCase{"NoUsedColumn", {Empty(2), Empty(3)}, {}, {}},
        GapCase{"EmptyColumnOwnTextsDoNotCount", {Used(2, "1", "1"), Empty(3, "3", "3"), Used(4, "4", "4")},
                {{4, 3}}, {{4, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OrderGapsScale, ManyInterleavedGaps) {
  std::vector<OrderCells> columns;
  constexpr unsigned long kPairs = 20000;
  for (unsigned long i = 0; i < kPairs; ++i) {
    const unsigned long used = 2 + 2 * i;
    columns.push_back(Used(used, std::to_string(used), std::to_string(used)));
    columns.push_back(Empty(used + 1));
  }
  const auto renumbering = CloseOrderGaps(columns);
  // Column 2 + 2i had the number 2 + 2i and i gaps below it (columns 3, 5, ...): it gets 2 + i.
  ASSERT_EQ(renumbering.viewOrders.size(), kPairs - 1);
  EXPECT_EQ(renumbering.viewOrders.at(2 + 2 * (kPairs - 1)), int(kPairs + 1));
  EXPECT_EQ(renumbering.sortOrders.at(4), 3);
}

}  // namespace
