#pragma once
// A template's columns made ready to run: user-defined columns expanded, each dependency resolved
// to a column, binding columns told from showing ones, qualifiers compiled and operator operands
// resolved. Building the plan is where a template that cannot run is refused.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/operatorexpression.h"
#include "hostapi/templatedata.h"
#include "report/Keywords.h"
#include "report/Qualifier.h"
#include "report/Report.h"

namespace mirel::report {

struct Operand {
  int column = -1;      // the column it names, or -1
  std::string literal;  // else this text (empty when it names a keyword no column has)
};

struct PlanColumn {
  CTmpltQuery query;  // as expanded
  std::string customName, customTitle;
  std::string name;      // what operands and dependencies call it: the keyword, a PROP column's property
  std::optional<KeywordInfo> info;  // none: an operator, or a keyword the engine does not know
  bool isOperator = false;
  OperatorKind operatorKind = OperatorKind::kAny;
  int dependency = -1;   // the column its Dependency names, -1 for a root
  bool binds = false;
  int slot = -1;         // its place among the binding columns, when it binds
  int parentSlot = -1;   // the nearest binding column up its dependency chain (-1: the design)
  std::vector<int> chain;  // the binding slots its cell depends on, its own first when it binds
  bool refdesOnChain = false;  // a REFDES column is on its dependency chain
  Qualifier qualifier;
  // Operators.
  std::string op;
  Operand left, right;
  bool cyclic = false;  // needs itself: always empty
};

struct Plan {
  std::vector<PlanColumn> columns;
  std::vector<int> viewOrder;     // column indices in View Order
  std::vector<int> bindingOrder;  // slot -> column, each after the one it depends on
  std::vector<int> operatorOrder; // operator columns, each after the operators it names
  int titleVariableColumn = -1;   // the column whose text splits the report into sections
  std::string titleVariable;      // its keyword as written between the % signs
  bool blockBased = false;
};

// The plan, or an error naming the column (and the value) that stops the run. Warnings are
// appended for what runs anyway.
std::optional<Plan> BuildPlan(const CTemplateData& data, const RunOptions& options, std::string& error,
                              std::vector<std::string>& warnings);

}  // namespace mirel::report
