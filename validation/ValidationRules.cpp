#include "validation/ValidationRules.h"

#include <list>
#include <set>

#include "platform/mfc/nocase.h"
#include "querygrid/QueryGridIds.h"
#include "validation/CellText.h"
#include "validation/RelationSearch.h"

namespace mirel::validation {
namespace {

constexpr const char* kDesign = "DESIGN";

// Stands in for a missing query server: it knows no keyword and accepts no dependency.
class NoVocabulary final : public IZRQueryServer {
 public:
  void GetKeywords(std::list<std::string>*) override {}
  bool IsKeyword(std::string) override { return false; }
  bool IsKeywordHighlighted(std::string, bool) override { return false; }
  bool IsValidDependency(std::string, std::string, bool) override { return false; }
  void GetQualifiers(std::string, std::list<std::string>*) override {}
  const char* GetPropertyMarker(int) override { return ""; }
  void GetDependencyKeywords(std::string, std::list<std::string>*) override {}
  void GetKeywordTitle(std::string, std::string& title) override { title.clear(); }
  void GetKeywordWidth(std::string, std::string& width) override { width.clear(); }
};

IZRQueryServer* ServerOrNone(IZRQueryServer* server) {
  static NoVocabulary none;
  return server ? server : &none;
}

ValidationProblem Problem(const char* code, FormatArgs args = {}) { return {code, std::move(args)}; }

}  // namespace

std::string ValidationColumn::EffectiveKeyword() const {
  if (property && !keyword.empty()) return qg::kPropMarker;
  return keyword;
}

QueryValidationRules::QueryValidationRules(IZRQueryServer* server, int customizeMode, bool blockBased,
                                           SubjectOf subjectOf)
    : m_pServer(ServerOrNone(server)),
      m_nCustomizeMode(customizeMode),
      m_bBlockBased(blockBased),
      m_subjectOf(std::move(subjectOf)) {}

std::optional<ValidationProblem> QueryValidationRules::Check(const std::vector<ValidationColumn>& columns) const {
  Used used;
  for (const ValidationColumn& column : columns)
    if (column.IsUsed()) used.push_back(&column);

  const bool report = m_nCustomizeMode != 1;
  if (report) {
    if (auto problem = CheckRoot(used)) return problem;
    if (auto problem = CheckAcceptedDependencies(used)) return problem;
    if (auto problem = CheckDependenciesPresent(columns)) return problem;
  }
  std::optional<TitleVariable> variable;
  if (auto problem = CheckTitleVariables(used, variable)) return problem;
  if (report && variable)
    if (auto problem = CheckTitleRelation(used, *variable)) return problem;
  if (auto problem = CheckOrders(used)) return problem;
  if (!report)
    if (auto problem = CheckCommonRootDependency(used)) return problem;
  return std::nullopt;
}

// Exactly one column without a dependency: the column the report starts from.
std::optional<ValidationProblem> QueryValidationRules::CheckRoot(const Used& used) const {
  int roots = 0;
  for (const ValidationColumn* column : used) {
    if (!column->dependency.empty()) continue;
    if (++roots == 2) return Problem("ZRREPS-227");
  }
  if (!used.empty() && roots == 0) return Problem("ZRREPS-226");
  return std::nullopt;
}

std::optional<ValidationProblem> QueryValidationRules::CheckAcceptedDependencies(const Used& used) const {
  for (const ValidationColumn* column : used) {
    if (IsOperatorKeyword(column->keyword)) continue;  // its Dependency holds an expression
    const std::string keyword = column->EffectiveKeyword();
    const std::string dependency = column->dependency.empty() ? kDesign : column->dependency;
    if (!m_pServer->IsValidDependency(dependency, keyword, m_bBlockBased))
      return Problem("ZRREPS-228", {keyword, dependency});
  }
  return std::nullopt;
}

// Every dependency names the keyword of some column; an unused column with a dependency counts.
std::optional<ValidationProblem> QueryValidationRules::CheckDependenciesPresent(
    const std::vector<ValidationColumn>& columns) const {
  std::set<std::string, LessNoCase> keywords;
  for (const ValidationColumn& column : columns)
    if (column.IsUsed()) keywords.insert(column.EffectiveKeyword());
  for (const ValidationColumn& column : columns) {
    if (column.dependency.empty() || IsOperatorKeyword(column.keyword)) continue;
    if (!keywords.contains(column.dependency))
      return Problem("ZRREPS-229", {column.keyword, column.dependency, column.dependency});
  }
  return std::nullopt;
}

// The keyword between the first two % signs of the column's title (upper case), when it is one.
std::optional<std::string> QueryValidationRules::TitleVariableOf(const ValidationColumn& column) const {
  const std::string title = Folded(column.customTitle.empty() ? column.title : column.customTitle);
  const size_t open = title.find('%');
  if (open == std::string::npos) return std::nullopt;
  const size_t close = title.find('%', open + 1);
  if (close == std::string::npos || close == open + 1) return std::nullopt;
  std::string name = title.substr(open + 1, close - open - 1);
  if (!IsOperatorKeyword(name) && !m_pServer->IsKeyword(name)) return std::nullopt;
  return name;
}

// At most one title variable in a report query, none in a user-defined column. The sub-columns
// of one user-defined column share its title and count once.
std::optional<ValidationProblem> QueryValidationRules::CheckTitleVariables(const Used& used,
                                                                          std::optional<TitleVariable>& found) const {
  const int limit = m_nCustomizeMode == 1 ? 0 : 1;
  int count = 0;
  std::string lastCustom;
  for (const ValidationColumn* column : used) {
    std::optional<std::string> name = TitleVariableOf(*column);
    if (!name) continue;
    if (column->customName.empty() || !EqualsNoCase(column->customName, lastCustom)) {
      ++count;
      found = TitleVariable{std::move(*name), column->keyword, column->dependency};
    }
    lastCustom = column->customName;
    if (count > limit) return Problem(m_nCustomizeMode == 1 ? "ZRREPS-247" : "ZRREPS-246");
  }
  return std::nullopt;
}

// The title variable S names a keyword related to its column's keyword R.
std::optional<ValidationProblem> QueryValidationRules::CheckTitleRelation(const Used& used,
                                                                         const TitleVariable& variable) const {
  const std::string& s = variable.name;
  const std::string& r = variable.keyword;
  bool related = false;
  if (!IsOperatorKeyword(s)) {
    bool present = false;
    bool columnDependsOnVariable = false;
    for (const ValidationColumn* column : used) {
      if (EqualsNoCase(column->keyword, s)) {
        present = true;
        if (EqualsNoCase(column->dependency, r)) {
          related = true;
          break;
        }
      }
      if (EqualsNoCase(column->dependency, s) && EqualsNoCase(column->keyword, r)) {
        columnDependsOnVariable = true;
        if (present) {
          related = true;
          break;
        }
      }
    }
    if (!related && !present) return Problem("ZRREPS-257", {s});
    related = related || columnDependsOnVariable;
  }
  if (!related) {
    RelationMap relations;
    for (const ValidationColumn* column : used) relations.emplace(column->keyword, column->dependency);
    std::set<std::string> visited;
    related = IsRelationDefined(relations, s, r, visited);
  }
  if (!related) {
    const std::string w = variable.dependency.empty() ? kDesign : variable.dependency;
    return Problem("ZRREPS-248", {s, r, w, s, r});
  }
  if (EqualsNoCase(r, s)) return Problem("ZRREPS-251", {s});
  return std::nullopt;
}

ValidationProblem QueryValidationRules::OrderProblem(const char* code, const char* format,
                                                     const ValidationColumn& column) const {
  OrderMessageSubject subject = m_subjectOf
                                    ? m_subjectOf(column)
                                    : OrderMessageSubject{column.keyword, column.dependency, int(column.column)};
  std::string text = SafeFormat(format, {subject.keyword, subject.dependency, subject.column - 1});
  return Problem(code, {std::move(text)});
}

// View orders number the columns 1..n, each once; sort orders are 0 (unsorted) or 1..n, and the
// numbers 1..n are each some column's sort order.
std::optional<ValidationProblem> QueryValidationRules::CheckOrders(const Used& used) const {
  const int n = int(used.size());
  std::set<int> views;  // by number: 1 and 01 are the same place in the report
  std::set<std::string> sortTexts;
  std::set<int> sorts;
  for (const ValidationColumn* column : used) {
    const int view = CellInt(column->viewOrder);
    if (view < 1 || view > n) {
      ValidationProblem problem = OrderProblem(
          "ZRREPS-238", "Incorrect view order for keyword %s dependent on %s (column %d). View Order", *column);
      problem.args.insert(problem.args.end(), {1, n});
      return problem;
    }
    if (!views.insert(view).second)
      return OrderProblem("ZRREPS-239",
                          "View order given for keyword %s dependent on %s (column %d) already exists. View Order",
                          *column);
    const int sort = CellInt(column->sortOrder);
    if (sort < 0 || sort > n) {
      ValidationProblem problem = OrderProblem(
          "ZRREPS-238", "Incorrect sort order for keyword %s dependent on %s (column %d). Sort Order", *column);
      problem.args.insert(problem.args.end(), {1, n});
      return problem;
    }
    if (sort == 0) continue;
    sorts.insert(sort);
    if (!sortTexts.insert(column->sortOrder).second)
      return OrderProblem("ZRREPS-239",
                          "Sort order given for keyword %s dependent on %s (column %d) already exists. Sort Order",
                          *column);
  }
  for (int j = 1; j <= n; ++j)
    if (!sorts.contains(j)) return Problem("ZRREPS-241", {j});
  return std::nullopt;
}

// The root sub-columns of a user-defined column need a keyword they can all depend on.
std::optional<ValidationProblem> QueryValidationRules::CheckCommonRootDependency(const Used& used) const {
  std::list<std::string> candidates;
  m_pServer->GetKeywords(&candidates);
  for (const ValidationColumn* column : used) {
    if (!column->dependency.empty()) continue;
    const std::string keyword = column->EffectiveKeyword();
    if (IsOperatorKeyword(keyword)) return Problem("ZRREPS-242", {keyword});
    std::list<std::string> dependencies;
    m_pServer->GetDependencyKeywords(keyword, &dependencies);
    std::list<std::string> common;
    for (const std::string& d : dependencies)
      for (const std::string& b : candidates)
        if (EqualsNoCase(b, d)) common.push_back(b);
    candidates = std::move(common);
  }
  if (candidates.empty()) return Problem("ZRREPS-243");
  return std::nullopt;
}

}  // namespace mirel::validation
