// Windows filter strings parsed into label and patterns.
#include <gtest/gtest.h>

#include "platform/mfc/interaction.h"

namespace {

using mirel::FileFilter;

struct FilterCase {
  const char* filter;
  std::vector<FileFilter> expected;
};

class FilterParsing : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterParsing, GivesLabelAndPatternPairs) { EXPECT_EQ(mirel::ParseFileFilter(GetParam().filter), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterParsing,
    ::testing::Values(
        FilterCase{"Text|*.txt|All|*.*||", {{"Text", {"*.txt"}}, {"All", {"*.*"}}}},
        FilterCase{"Template File (*.tpt)|*.tpt|All Files (*.*)|*.*||",
                   {{"Template File (*.tpt)", {"*.tpt"}}, {"All Files (*.*)", {"*.*"}}}},
        FilterCase{"Title Page File (*.txt;*.zrr)|*.txt;*.zrr||", {{"Title Page File (*.txt;*.zrr)", {"*.txt", "*.zrr"}}}},
        FilterCase{"Custom Column File (*.txt)|*.txt|All Files (*.*)|*.*||",
                   {{"Custom Column File (*.txt)", {"*.txt"}}, {"All Files (*.*)", {"*.*"}}}},
        FilterCase{"Text|*.txt", {{"Text", {"*.txt"}}}},                  // no closing bars
        FilterCase{"A| *.a ; ;*.b |B||C|*.c||", {{"A", {"*.a", "*.b"}}}},  // "||" ends the list
        FilterCase{"Empty||Text|*.txt||", {}},
        FilterCase{"Blank| ; |Text|*.txt||", {{"Text", {"*.txt"}}}},  // a pair without patterns is dropped
        FilterCase{"Dangling|", {}}, FilterCase{"", {}}, FilterCase{"|||", {}}));

}  // namespace
