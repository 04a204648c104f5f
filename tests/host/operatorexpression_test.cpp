// Splitting an operator expression: the split that leaves two sound operands.
#include <gtest/gtest.h>

#include <set>

#include "host/operatorexpression.h"
#include "platform/mfc/nocase.h"

namespace {

using mirel::OperatorKind;

struct SplitCase {
  const char* expression;
  const char* left;
  const char* op;
  const char* right;
  OperatorKind kind = OperatorKind::kAny;
  friend void PrintTo(const SplitCase& c, std::ostream* out) { *out << '"' << c.expression << '"'; }
};

// The vocabulary these cases know, plus one column named by a hyphenated property.
bool Known(std::string_view text) {
  static const std::set<std::string, mirel::LessNoCase> names = {"QUANTITY", "COST", "X-POS", "NODE_COUNT",
                                                                  "REFDES", "A", "B", "X"};
  return names.count(std::string(text)) > 0;
}

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, LeavesTwoSoundOperands) {
  const SplitCase& c = GetParam();
  const mirel::OperatorExpression split = mirel::SplitOperatorExpression(c.expression, Known, c.kind);
  EXPECT_EQ(split.left, c.left);
  EXPECT_EQ(split.op, c.op);
  EXPECT_EQ(split.right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, SplitTest,
    ::testing::Values(
        // Every operator on plain operands.
        SplitCase{"A+B", "A", "+", "B"}, SplitCase{"A-B", "A", "-", "B"}, SplitCase{"A*B", "A", "*", "B"},
        SplitCase{"A/B", "A", "/", "B"}, SplitCase{"A<=B", "A", "<=", "B"}, SplitCase{"A!=B", "A", "!=", "B"},
        SplitCase{"A>=B", "A", ">=", "B"}, SplitCase{"A=B", "A", "=", "B"}, SplitCase{"A>B", "A", ">", "B"},
        SplitCase{"A<B", "A", "<", "B"}, SplitCase{"A.B", "A", ".", "B"},
        // The faults: an operand holding an operator character.
        SplitCase{"MATH-OP<=QUANTITY", "MATH-OP", "<=", "QUANTITY"},
        SplitCase{"MATH-OP>=QUANTITY", "MATH-OP", ">=", "QUANTITY"}, SplitCase{"COST*-1", "COST", "*", "-1"},
        SplitCase{"COST+-1", "COST", "+", "-1"}, SplitCase{"X-POS*QUANTITY", "X-POS", "*", "QUANTITY"},
        SplitCase{"QUANTITY*X-POS", "QUANTITY", "*", "X-POS"}, SplitCase{"X-POS-X", "X-POS", "-", "X"},
        // The marker is a name wherever it stands, in any case.
        SplitCase{"MATH-OP-B", "MATH-OP", "-", "B"}, SplitCase{"math-op*B", "math-op", "*", "B"},
        SplitCase{"X*MATH-OP", "X", "*", "MATH-OP"}, SplitCase{"A-MATH-OP", "A", "-", "MATH-OP"},
        // Numbers keep their sign, point, prefix and unit.
        SplitCase{"0.5*COST", "0.5", "*", "COST"}, SplitCase{"COST/4k7", "COST", "/", "4k7"},
        SplitCase{"NODE_COUNT<2", "NODE_COUNT", "<", "2"}, SplitCase{"-1<=A", "-1", "<=", "A"},
        SplitCase{"A--1", "A", "-", "-1"}, SplitCase{"100nF>=.1u", "100nF", ">=", ".1u"},
        // Texts that are neither names nor numbers: a hyphen inside a word gives way.
        SplitCase{"A-B<=X", "A-B", "<=", "X"}, SplitCase{"UNKNOWN-NAME*A", "UNKNOWN-NAME", "*", "A"},
        // The column's kind limits the operators looked for.
        SplitCase{"REFDES.X-POS", "REFDES", ".", "X-POS", OperatorKind::kString},
        SplitCase{"A.B-X", "A.B", "-", "X", OperatorKind::kMath},
        SplitCase{"A<=B", "", "", "", OperatorKind::kMath},
        // Nothing to split, or an operator at an end only.
        SplitCase{"AB", "", "", ""}, SplitCase{"", "", "", ""}, SplitCase{"-", "", "-", ""},
        SplitCase{"A<=", "A", "<=", ""}));

TEST(OperatorKindTest, FollowsTheMarkerInAnyCase) {
  EXPECT_EQ(mirel::OperatorKindOf("math-op"), OperatorKind::kMath);
  EXPECT_EQ(mirel::OperatorKindOf("RELOP"), OperatorKind::kRelational);
  EXPECT_EQ(mirel::OperatorKindOf("StringOp"), OperatorKind::kString);
  EXPECT_EQ(mirel::OperatorKindOf("QUANTITY"), OperatorKind::kAny);
}

}  // namespace
