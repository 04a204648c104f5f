#pragma once
// Splitting an operator column's expression ("QUANTITY*COST", "NODE_COUNT<2") into its two
// operands and its operator. The query grid (to fill the operator dialog) and the report engine
// (to compute the column) both split with this one function, so that they never disagree.
#include <functional>
#include <string>
#include <string_view>

namespace mirel {

struct OperatorExpression {
  std::string left, op, right;  // all empty when the text holds no operator
};

// True for a text that names something an operand may name: a keyword of the vocabulary, the
// keyword or property name of a column. Compared as the caller likes (the vocabulary: any case).
using IsOperandName = std::function<bool(std::string_view)>;

// Which operators a column computes with: MATH-OP "+ - * /", RELOP "< <= = >= > !=", STRINGOP ".".
enum class OperatorKind { kAny, kMath, kRelational, kString };
// The kind of an operator column's keyword (any case); kAny for other keywords.
OperatorKind OperatorKindOf(std::string_view keyword);

// Splits at the operator that leaves two sound operands: a known name (the operator markers
// "MATH-OP", "RELOP" and "STRINGOP" always count), a number with its sign ("-1", "0.5", "4k7"),
// or a text without operator characters. A two-character operator is never read as two one-
// character ones, and a known name is never cut. Among equally sound splits, a hyphen inside a
// word ("X-POS") is the last choice, then the leftmost wins. When no operator of the kind is
// found the result is empty; an operator at an end is taken only when there is no other (a lone
// "-" gives that operator and no operands).
OperatorExpression SplitOperatorExpression(std::string_view expression, const IsOperandName& isName = {},
                                           OperatorKind kind = OperatorKind::kAny);

}  // namespace mirel
