#pragma once
// What one column finds in a scope: the bindings a binding column makes, the cell a showing
// column shows, and which objects its qualifier lets pass.
#include <string>
#include <vector>

#include "report/Plan.h"
#include "report/Scope.h"
#include "report/Values.h"

namespace mirel::report {

struct Binding {
  std::string text;  // the cell it shows
  Scope scope;       // the scope it leaves for what depends on it
  bool nothing = false;  // the column found nothing to bind (before its qualifier)
};

class ColumnEvaluator {
 public:
  ColumnEvaluator(const Plan& plan, const design::Design& design, const RunOptions& options, const Scope& root)
      : m_plan(plan), m_design(design), m_options(options), m_root(root) {}

  // One binding per object or distinct value, in natural order of their cells.
  std::vector<Binding> Bind(const PlanColumn& column, const Scope& scope) const;
  // A showing column's cell: its values over the scope joined, or its count.
  std::string Show(const PlanColumn& column, const Scope& scope) const;
  // An operator's cell from the row's other cells.
  std::string Compute(const PlanColumn& column, const std::vector<std::string>& cells) const;

 private:
  ValueContext Context(const PlanColumn& column, const Scope& scope) const;
  ObjectKind KindOf(const PlanColumn& column) const;  // of the objects its values come from
  void Values(const PlanColumn& column, const ValueContext& context, ObjectKind kind, Index object,
              std::vector<std::string>& out) const;
  bool Passes(const PlanColumn& column, const ValueContext& context, ObjectKind kind, Index object) const;
  std::string Count(const PlanColumn& column, const Scope& scope) const;
  std::vector<Binding> BindBlocks(const PlanColumn& column, const Scope& scope) const;
  std::string Join(std::vector<std::pair<std::string, Index>> values, ObjectKind kind) const;

  const Plan& m_plan;
  const design::Design& m_design;
  const RunOptions& m_options;
  const Scope& m_root;
};

}  // namespace mirel::report
