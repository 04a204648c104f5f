// File-name wildcards as the column search reads them.
#include <gtest/gtest.h>

#include "customcols/Wildcard.h"

namespace {

struct WildcardCase {
  const char* name;
  const char* pattern;
  bool matches;
};

class Wildcard : public ::testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcard, Matches) {
  const WildcardCase& c = GetParam();
  EXPECT_EQ(mirel::customcols::MatchesWildcard(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Patterns, Wildcard,
                         ::testing::Values(WildcardCase{"pins.txt", "*.txt", true},
                                           WildcardCase{"PINS.TXT", "*.txt", true},
                                           WildcardCase{".txt", "*.txt", true},
                                           WildcardCase{"pins.txt.bak", "*.txt", false},
                                           WildcardCase{"pins.tx", "*.txt", false},
                                           WildcardCase{"a.txt.txt", "*.txt", true},
                                           WildcardCase{"pins.txt", "pins.txt", true},
                                           WildcardCase{"pins.txt", "p?ns.*", true},
                                           WildcardCase{"pns.txt", "p?ns.*", false},
                                           WildcardCase{"anything", "*", true},
                                           WildcardCase{"", "*", true},
                                           WildcardCase{"", "?", false},
                                           WildcardCase{"abcabd", "*ab?", true},
                                           WildcardCase{"aXbXc", "a*b*c", true},
                                           WildcardCase{"aXbX", "a*b*c", false}));

}  // namespace
