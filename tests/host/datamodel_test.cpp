// Data-model objects: independent copies, owned queries, the name chain, dialog units.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "hostapi/templatedata.h"
#include "hostapi/zrcontrols.h"

namespace {

TEST(CustomColData, CopyIsIndependentOfItsSource) {
  auto source = std::make_unique<CCustomColData>();
  source->m_name = "PINLIST";
  source->m_version = "15.5-D031";
  auto* q = new CTmpltQuery;
  q->m_keyword = "PIN_NUMBER";
  q->m_qualifierValues = {"1", "2,3"};
  source->m_queries.push_back(q);

  CCustomColData copy(source.get());
  EXPECT_EQ(copy.m_name, "PINLIST");
  EXPECT_EQ(copy.m_version, "15.5-D031");
  ASSERT_EQ(copy.m_queries.size(), 1u);
  EXPECT_NE(copy.m_queries.front(), q);
  EXPECT_TRUE(EqualTmpltQueries(copy.m_queries, source->m_queries));

  q->m_keyword = "CHANGED";
  source.reset();  // the copy's queries survive the source
  EXPECT_EQ(copy.m_queries.front()->m_keyword, "PIN_NUMBER");
  EXPECT_EQ(copy.m_queries.front()->m_qualifierValues, (std::list<std::string>{"1", "2,3"}));

  CCustomColData empty(static_cast<const CCustomColData*>(nullptr));
  EXPECT_TRUE(empty.m_queries.empty());
}

TEST(TmpltQuery, ListHelpers) {
  CTmpltQueryList a{new CTmpltQuery, new CTmpltQuery};
  a.back()->m_title = "T";
  CTmpltQueryList b = CopyTmpltQueries(a);
  EXPECT_TRUE(EqualTmpltQueries(a, b));
  b.back()->m_total = true;
  EXPECT_FALSE(EqualTmpltQueries(a, b));
  delete b.back();
  b.pop_back();
  EXPECT_FALSE(EqualTmpltQueries(a, b));
  DeleteTmpltQueries(a);
  DeleteTmpltQueries(b);
  EXPECT_TRUE(a.empty());
}

TEST(StrList, NodesHoldCopiesAndALongChainIsFreedWithoutRecursion) {
  char name[] = "VALUE";
  auto* head = new CStrList(name);
  name[0] = 'X';
  EXPECT_STREQ(head->m_str, "VALUE");
  CStrList* tail = head;
  for (int i = 0; i < 1000000; ++i) {
    tail->m_next = new CStrList("N");
    tail = tail->m_next;
  }
  delete head;  // a recursive destructor would run out of stack here
  CStrList empty;
  EXPECT_EQ(empty.m_str, nullptr);
  CStrList none(nullptr);
  EXPECT_EQ(none.m_str, nullptr);
}

struct Dlu {
  int value;
  int horizontal;
  int pixels;
};

class DialogUnits : public testing::TestWithParam<Dlu> {
 protected:
  void SetUp() override { CZRWinAPI::SetDialogBaseUnits(9, 20); }  // a font half as large again
  void TearDown() override { CZRWinAPI::SetDialogBaseUnits(6, 13); }
};

TEST_P(DialogUnits, ScaleFromTheClassicFontToTheFontInUse) {
  EXPECT_EQ(CZRWinAPI::ConvertToCorrectDLU(GetParam().value, GetParam().horizontal), GetParam().pixels);
}

// 9 x 20 against 6 x 13: 1.5 pixels a horizontal one, 20/13 a vertical one, halves away from zero.
INSTANTIATE_TEST_SUITE_P(Values, DialogUnits,
                         testing::Values(Dlu{525, 1, 788}, Dlu{525, 0, 808}, Dlu{475, 0, 731}, Dlu{6, 1, 9},
                                         Dlu{6, 0, 9}, Dlu{5, 1, 8}, Dlu{0, 1, 0}, Dlu{-5, 1, -8},
                                         Dlu{4, 7, 6}));

TEST(DialogUnitsBase, TheClassicFontKeepsThePixelsAndNonsenseIsIgnored) {
  EXPECT_EQ(CZRWinAPI::ConvertToCorrectDLU(525, 1), 525);
  EXPECT_EQ(CZRWinAPI::ConvertToCorrectDLU(475, 0), 475);
  CZRWinAPI::SetDialogBaseUnits(0, -1);
  EXPECT_EQ(CZRWinAPI::GetDialogBaseUnitX(), 6);
  EXPECT_EQ(CZRWinAPI::GetDialogBaseUnitY(), 13);
}

TEST(ControlsLibrary, InitialisesOnce) {
  EXPECT_EQ(InitZRControlsDll(), 1);
  EXPECT_EQ(InitZRControlsDll(), 1);
  EXPECT_TRUE(IsZRControlsDllInitialised());
}

}  // namespace
