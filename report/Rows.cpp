#include "report/Rows.h"

#include "report/Cells.h"

namespace mirel::report {

namespace {

class RowMaker {
 public:
  RowMaker(const Plan& plan, const design::Design& design, const RunOptions& options)
      : m_plan(plan),
        m_root(RootScope(design, options.variant, options.fittedOnly)),
        m_evaluator(plan, design, options, m_root),
        m_scopes(plan.bindingOrder.size(), nullptr),
        m_ids(plan.bindingOrder.size(), 0),
        m_texts(plan.bindingOrder.size()) {}

  std::vector<Row> Make() {
    Walk(0);
    return std::move(m_rows);
  }

 private:
  const Scope& ScopeOf(int slot) const { return slot < 0 ? m_root : *m_scopes[size_t(slot)]; }

  // Binding columns in order: each binding of slot k, then everything after it.
  void Walk(size_t k) {
    if (k == m_plan.bindingOrder.size()) return Emit();
    const PlanColumn& column = m_plan.columns[size_t(m_plan.bindingOrder[k])];
    const std::vector<Binding> bindings = m_evaluator.Bind(column, ScopeOf(column.parentSlot));
    // What depends on a binding that found nothing sees an empty scope; a root makes no row then.
    if (column.dependency < 0 && bindings.size() == 1 && bindings[0].nothing) return;
    for (const Binding& binding : bindings) {
      m_scopes[k] = &binding.scope;
      m_ids[k] = ++m_lastId;
      m_texts[k] = binding.text;
      Walk(k + 1);
    }
  }

  void Emit() {
    Row row;
    row.cells.resize(m_plan.columns.size());
    for (size_t c = 0; c < m_plan.columns.size(); ++c) {
      const PlanColumn& column = m_plan.columns[c];
      if (column.isOperator) continue;
      row.cells[c] = column.binds ? m_texts[size_t(column.slot)] : m_evaluator.Show(column, ScopeOf(column.parentSlot));
    }
    for (int c : m_plan.operatorOrder) row.cells[size_t(c)] = m_evaluator.Compute(m_plan.columns[size_t(c)], row.cells);
    row.bindings = m_ids;
    m_rows.push_back(std::move(row));
  }

  const Plan& m_plan;
  Scope m_root;
  ColumnEvaluator m_evaluator;
  std::vector<const Scope*> m_scopes;
  std::vector<std::uint32_t> m_ids;
  std::vector<std::string> m_texts;
  std::uint32_t m_lastId = 0;
  std::vector<Row> m_rows;
};

}  // namespace

std::vector<Row> EvaluateRows(const Plan& plan, const design::Design& design, const RunOptions& options) {
  return RowMaker(plan, design, options).Make();
}

}  // namespace mirel::report
