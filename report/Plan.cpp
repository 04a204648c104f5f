#include "report/Plan.h"

#include <algorithm>
#include <functional>
#include <set>

#include "design/Text.h"
#include "host/columnexpansion.h"

namespace mirel::report {

namespace {

using design::EqualNoCase;

std::string ColumnName(const PlanColumn& column, int index) {
  return "column " + std::to_string(index + 1) + " (" + column.query.m_keyword +
         (column.query.m_title.empty() ? "" : ", \"" + column.query.m_title + "\"") + ")";
}

bool IsVocabularyKeyword(const RunOptions& options, std::string_view text) {
  if (FindKeyword(text)) return true;
  return options.vocabulary && options.vocabulary->IsKeyword(std::string(text));
}

bool Names(const PlanColumn& column, std::string_view text) {
  return EqualNoCase(column.name, text) || (!column.isOperator && EqualNoCase(column.query.m_keyword, text));
}

// The column a dependency names: a sub-column of the same user-defined column first, else the
// first in View Order; never the column itself.
int ResolveDependency(const Plan& plan, int self) {
  const PlanColumn& column = plan.columns[size_t(self)];
  const std::string& dependency = column.query.m_dependency;
  auto find = [&](bool sameCustom) {
    for (int c : plan.viewOrder) {
      const PlanColumn& other = plan.columns[size_t(c)];
      if (c == self || other.isOperator || !Names(other, dependency)) continue;
      if (sameCustom && other.customName != column.customName) continue;
      return c;
    }
    return -1;
  };
  const int sibling = column.customName.empty() ? -1 : find(true);
  return sibling >= 0 ? sibling : find(false);
}

Operand ResolveOperand(const Plan& plan, int self, const std::string& text, const RunOptions& options,
                       std::vector<std::string>& warnings) {
  for (int c : plan.viewOrder)
    if (c != self && Names(plan.columns[size_t(c)], text)) return {c, ""};
  if (IsVocabularyKeyword(options, text)) {
    warnings.push_back(ColumnName(plan.columns[size_t(self)], self) + ": the operand " + text +
                       " names no column of the template; its cells are empty");
    return {-1, ""};
  }
  return {-1, text};
}

void ResolveOperators(Plan& plan, const RunOptions& options, std::vector<std::string>& warnings) {
  const IsOperandName isName = [&](std::string_view text) {
    if (IsVocabularyKeyword(options, text)) return true;
    for (const PlanColumn& column : plan.columns)
      if (Names(column, text)) return true;
    return false;
  };
  for (size_t c = 0; c < plan.columns.size(); ++c) {
    PlanColumn& column = plan.columns[c];
    if (!column.isOperator) continue;
    const OperatorExpression split = SplitOperatorExpression(column.query.m_dependency, isName, column.operatorKind);
    column.op = split.op;
    if (split.op.empty() || split.left.empty() || split.right.empty()) continue;
    column.left = ResolveOperand(plan, int(c), split.left, options, warnings);
    column.right = ResolveOperand(plan, int(c), split.right, options, warnings);
  }
  // In View Order, each after the operators it names; one that needs itself stays empty.
  std::vector<int> state(plan.columns.size(), 0);  // 0 new, 1 visiting, 2 done
  std::function<void(int)> visit = [&](int c) {
    PlanColumn& column = plan.columns[size_t(c)];
    if (state[size_t(c)] == 2) return;
    if (state[size_t(c)] == 1) {
      column.cyclic = true;
      return;
    }
    state[size_t(c)] = 1;
    for (const Operand* operand : {&column.left, &column.right}) {
      if (operand->column < 0 || !plan.columns[size_t(operand->column)].isOperator) continue;
      visit(operand->column);
      if (plan.columns[size_t(operand->column)].cyclic) column.cyclic = true;
    }
    state[size_t(c)] = 2;
    plan.operatorOrder.push_back(c);
  };
  for (int c : plan.viewOrder)
    if (plan.columns[size_t(c)].isOperator) visit(c);
}

bool ResolveDependencies(Plan& plan, std::string& error) {
  for (size_t c = 0; c < plan.columns.size(); ++c) {
    PlanColumn& column = plan.columns[c];
    if (column.isOperator || column.query.m_dependency.empty()) continue;
    column.dependency = ResolveDependency(plan, int(c));
    if (column.dependency < 0) {
      error = ColumnName(column, int(c)) + ": its dependency " + column.query.m_dependency + " names no column";
      return false;
    }
  }
  for (size_t c = 0; c < plan.columns.size(); ++c) {
    size_t steps = 0;
    for (int d = plan.columns[c].dependency; d >= 0; d = plan.columns[size_t(d)].dependency) {
      if (++steps > plan.columns.size()) {
        error = ColumnName(plan.columns[c], int(c)) + ": its dependencies do not lead to the root";
        return false;
      }
    }
  }
  return true;
}

// Which columns bind, their order of work, and the bindings each cell depends on.
void ResolveBindings(Plan& plan) {
  for (PlanColumn& column : plan.columns) {
    const bool count = column.info && column.info->role == KeywordRole::kCount;
    if (!column.isOperator && !count && column.dependency < 0) column.binds = true;
  }
  for (const PlanColumn& column : plan.columns) {
    if (column.isOperator || column.dependency < 0) continue;
    PlanColumn& named = plan.columns[size_t(column.dependency)];
    if (!(named.info && named.info->role == KeywordRole::kCount)) named.binds = true;
  }
  auto depth = [&](int c) {
    int d = 0;
    for (int p = plan.columns[size_t(c)].dependency; p >= 0; p = plan.columns[size_t(p)].dependency) ++d;
    return d;
  };
  std::vector<int> binding;
  for (int c : plan.viewOrder)
    if (plan.columns[size_t(c)].binds) binding.push_back(c);
  std::stable_sort(binding.begin(), binding.end(), [&](int a, int b) { return depth(a) < depth(b); });
  plan.bindingOrder = binding;
  for (size_t s = 0; s < binding.size(); ++s) plan.columns[size_t(binding[s])].slot = int(s);

  for (PlanColumn& column : plan.columns) {
    if (column.isOperator) continue;
    if (column.binds) column.chain.push_back(column.slot);
    for (int p = column.dependency; p >= 0; p = plan.columns[size_t(p)].dependency) {
      const PlanColumn& up = plan.columns[size_t(p)];
      if (up.binds) {
        if (column.parentSlot < 0) column.parentSlot = up.slot;
        column.chain.push_back(up.slot);
      }
      if (up.info && up.info->keyword == Keyword::kRefdes) column.refdesOnChain = true;
    }
  }
  // An operator's cell depends on the bindings of the cells it names.
  for (int c : plan.operatorOrder) {
    PlanColumn& column = plan.columns[size_t(c)];
    std::set<int> slots;
    for (const Operand* operand : {&column.left, &column.right})
      if (operand->column >= 0)
        for (int s : plan.columns[size_t(operand->column)].chain) slots.insert(s);
    column.chain.assign(slots.begin(), slots.end());
  }
}

// The first title (in View Order) holding %KEYWORD% for a keyword some column has.
void FindTitleVariable(Plan& plan) {
  for (int c : plan.viewOrder) {
    const PlanColumn& column = plan.columns[size_t(c)];
    for (const std::string* title : {&column.customTitle, &column.query.m_title}) {
      size_t open = title->find('%');
      while (open != std::string::npos) {
        const size_t close = title->find('%', open + 1);
        if (close == std::string::npos) break;
        const std::string name = title->substr(open + 1, close - open - 1);
        for (int k : plan.viewOrder) {
          if (name.empty() || plan.columns[size_t(k)].isOperator || !Names(plan.columns[size_t(k)], name)) continue;
          plan.titleVariableColumn = k;
          plan.titleVariable = name;
          return;
        }
        open = close;
      }
    }
  }
}

}  // namespace

std::optional<Plan> BuildPlan(const CTemplateData& data, const RunOptions& options, std::string& error,
                              std::vector<std::string>& warnings) {
  Plan plan;
  plan.blockBased = EqualNoCase(data.m_structure, "BlockBased");
  const UserColumnLookup lookup = [&](std::string_view name) -> const CCustomColData* {
    if (!options.userColumn || IsVocabularyKeyword(options, name) || OperatorKindOf(name) != OperatorKind::kAny)
      return nullptr;
    return options.userColumn(name);
  };
  const std::string marker =
      options.vocabulary && options.vocabulary->GetPropertyMarker(0) ? options.vocabulary->GetPropertyMarker(0)
                                                                      : "<PROPERTY>";
  std::set<std::string, std::less<>> unknown;
  for (ExpandedColumn& expanded : ExpandUserDefinedColumns(data.m_queries, lookup)) {
    PlanColumn column;
    column.query = std::move(expanded.query);
    column.customName = std::move(expanded.customName);
    column.customTitle = std::move(expanded.customTitle);
    column.operatorKind = OperatorKindOf(column.query.m_keyword);
    column.isOperator = column.operatorKind != OperatorKind::kAny;
    column.info = FindKeyword(column.query.m_keyword);
    const bool property = column.info && column.info->keyword == Keyword::kProp;
    column.name = property ? column.query.m_qualifierText : column.query.m_keyword;
    if (!column.isOperator && !column.info && unknown.insert(design::Trim(column.query.m_keyword)).second)
      warnings.push_back("the keyword " + column.query.m_keyword + " is not known to the report engine; its cells are empty");
    std::string why;
    std::optional<Qualifier> qualifier = CompileQualifier(column.query, marker, why);
    if (!qualifier) {
      error = ColumnName(column, int(plan.columns.size())) + ": " + why;
      return std::nullopt;
    }
    column.qualifier = std::move(*qualifier);
    plan.columns.push_back(std::move(column));
  }
  for (size_t c = 0; c < plan.columns.size(); ++c) plan.viewOrder.push_back(int(c));
  std::stable_sort(plan.viewOrder.begin(), plan.viewOrder.end(), [&](int a, int b) {
    return plan.columns[size_t(a)].query.m_viewOrder < plan.columns[size_t(b)].query.m_viewOrder;
  });
  if (!ResolveDependencies(plan, error)) return std::nullopt;
  ResolveOperators(plan, options, warnings);
  ResolveBindings(plan);
  FindTitleVariable(plan);
  return plan;
}

}  // namespace mirel::report
