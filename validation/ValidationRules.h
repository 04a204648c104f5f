#pragma once
// The rules a query must pass before it is stored, over the columns of a validation grid read
// into plain records. The checks run in a fixed order and stop at the first problem, which is
// returned (code and arguments) rather than shown, so the rules need no grid and no person.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/queryserver.h"
#include "platform/mfc/safeformat.h"

namespace mirel::validation {

// One report column (grid column 2 and up) as the rules read it.
struct ValidationColumn {
  unsigned long column = 0;  // grid column
  std::string keyword;       // Keyword text; "" for an unused column
  bool property = false;     // the Keyword cell is a property field (its text is the property name)
  std::string dependency;
  std::string title;
  std::string customName;   // the user-defined column it was expanded from, "" for none
  std::string customTitle;  // that column's title in the query grid
  std::string viewOrder;
  std::string sortOrder;

  bool IsUsed() const { return !keyword.empty(); }
  // "PROP" for a property column, else the Keyword text.
  std::string EffectiveKeyword() const;
};

struct ValidationProblem {
  std::string code;
  FormatArgs args;
};

// What a view or sort order message names: the keyword, its dependency and the grid column
// whose number (minus 1) the user is shown.
struct OrderMessageSubject {
  std::string keyword;
  std::string dependency;
  int column = 0;
};

class QueryValidationRules {
 public:
  using SubjectOf = std::function<OrderMessageSubject(const ValidationColumn&)>;

  // customizeMode 1 checks the sub-columns of a user-defined column, 0 a report query. A null
  // server knows no keyword. Without subjectOf a column names itself.
  QueryValidationRules(IZRQueryServer* server, int customizeMode, bool blockBased, SubjectOf subjectOf = {});

  // The first problem of the columns (in grid column order), or nothing when the query passes.
  std::optional<ValidationProblem> Check(const std::vector<ValidationColumn>& columns) const;

 private:
  struct TitleVariable {
    std::string name;        // S: the keyword between the % signs, upper case
    std::string keyword;     // R: the Keyword text of its column
    std::string dependency;  // W: the Dependency text of its column
  };
  using Used = std::vector<const ValidationColumn*>;

  std::optional<ValidationProblem> CheckRoot(const Used& used) const;
  std::optional<ValidationProblem> CheckAcceptedDependencies(const Used& used) const;
  std::optional<ValidationProblem> CheckDependenciesPresent(const std::vector<ValidationColumn>& columns) const;
  std::optional<ValidationProblem> CheckTitleVariables(const Used& used, std::optional<TitleVariable>& found) const;
  std::optional<ValidationProblem> CheckTitleRelation(const Used& used, const TitleVariable& variable) const;
  std::optional<ValidationProblem> CheckOrders(const Used& used) const;
  std::optional<ValidationProblem> CheckCommonRootDependency(const Used& used) const;
  std::optional<std::string> TitleVariableOf(const ValidationColumn& column) const;
  ValidationProblem OrderProblem(const char* code, const char* format, const ValidationColumn& column) const;

  IZRQueryServer* m_pServer;
  int m_nCustomizeMode;
  bool m_bBlockBased;
  SubjectOf m_subjectOf;
};

}  // namespace mirel::validation
