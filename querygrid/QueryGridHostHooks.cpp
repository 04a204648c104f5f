// CQueryGrid for a host beside the dialog (the live preview): the query as a save would store
// it, the validation's verdict without a message box and without the order renumbering that
// ValidateData writes into the grid it checks, and property names the host knows of.
#include <set>

#include "platform/mfc/nocase.h"
#include "querygrid/QueryGrid.h"

using namespace qg;

namespace {

// Takes the first message instead of showing it; a question is answered No, a dialog cancelled.
class FirstMessage : public mirel::IInteraction {
 public:
  int MessageBox(const mirel::MessageRequest& request) override {
    if (!m_first) m_first = request;
    return request.buttons == mirel::MessageButtons::Ok ? IDOK : IDNO;
  }
  const std::optional<mirel::MessageRequest>& First() const { return m_first; }

 private:
  std::optional<mirel::MessageRequest> m_first;
};

}  // namespace

CTmpltQueryList CQueryGrid::StoredQueries() {
  CTmpltQueryList queries;
  for (ROWCOL col = kFirstReportCol; col <= GetColCount(); ++col) {
    if (GetValueRowCol(kRowKeyword, col).IsEmpty()) continue;
    queries.push_back(StoreQuery(col));
  }
  return queries;
}

// The cells as they are stored, written past the rules, with what validation asks of the grid
// besides them. The copy never has a window, so the validation grid made on it has none either.
std::unique_ptr<CQueryGrid> CQueryGrid::CopyCells() {
  auto copy = std::make_unique<CQueryGrid>(m_pServer, m_pQueryServer);
  copy->m_bLoading = 1;
  CGXGridParam& param = *copy->GetParam();
  param.EnableUndo(FALSE);
  param.SetLockReadOnly(FALSE);
  copy->StandardStyle() = StandardStyle();
  copy->RowHeaderStyle() = RowHeaderStyle();
  copy->ColHeaderStyle() = ColHeaderStyle();
  copy->SetRowCount(GetRowCount());
  copy->SetColCount(GetColCount());
  for (ROWCOL col = 0; col <= GetColCount(); ++col) {
    for (ROWCOL row = 0; row <= GetRowCount(); ++row) {
      CGXStyle style;
      if (CGXGridCore::GetStyleRowCol(row, col, style, gxCopy, gxCellStyle))
        copy->CGXGridCore::StoreStyleRowCol(row, col, &style, gxCopy, gxCellStyle);
    }
  }
  for (const auto& [name, definition] : m_customCols) copy->m_customCols[name] = new CCustomColData(definition);
  copy->m_nCustomizeMode = m_nCustomizeMode;
  copy->m_bBlockBased = m_bBlockBased;
  return copy;
}

std::optional<mirel::MessageRequest> CQueryGrid::StoreQuietly(CTmpltQueryList& queries) {
  const std::unique_ptr<CQueryGrid> copy = CopyCells();
  FirstMessage caught;
  const int valid = [&] {
    mirel::ScopedInteraction quiet(caught);
    return copy->ValidateData();
  }();
  DeleteTmpltQueries(queries);
  queries = copy->StoredQueries();
  if (valid) return std::nullopt;
  // A refusal always says why; should one ever not, the query still is not passed as valid.
  if (caught.First()) return caught.First();
  mirel::MessageRequest unexplained;
  unexplained.text = "the query does not validate";
  return unexplained;
}

std::unique_ptr<CStrList> CQueryGrid::PropertyNamesWithHost() {
  if (!m_propertyNames) return nullptr;
  // The keyword whose objects the property is asked of, from the cell being edited.
  ROWCOL row = 0, col = 0;
  CString keyword;
  if (GetCurrentCell(row, col) && col >= kFirstReportCol) {
    if (row == kRowQualifier) keyword = GetValueRowCol(kRowKeyword, col);
    else if (row == kRowKeyword) keyword = GetValueRowCol(kRowDependency, col);
  }
  const std::vector<std::string> added = m_propertyNames(keyword.str());
  if (added.empty()) return nullptr;

  // The dictionary's list as it is; a host's name only when no listed one has it in any case
  // (the dialog shows every name in upper case).
  std::set<std::string, mirel::LessNoCase> listed;
  std::unique_ptr<CStrList> head;
  CStrList* tail = nullptr;
  auto append = [&](const char* text) {
    auto* node = new CStrList(text);
    if (tail) tail->m_next = node;
    else head.reset(node);
    tail = node;
  };
  for (const CStrList* node = m_pPropList; node; node = node->m_next) {
    if (!node->m_str) continue;
    append(node->m_str);
    listed.insert(node->m_str);
  }
  for (const std::string& name : added) {
    if (listed.insert(name).second) append(name.c_str());
  }
  return head;
}
