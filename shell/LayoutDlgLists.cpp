// CLayoutDlg: the standard field list (the query server's keywords, blue where highlighted for
// the structure, and the operator keywords) and the user-defined field list (the columns found
// for the project, each with its sub-column keywords as item data).
#include <memory>
#include <string>

#include "customcols/UserDefColAPI.h"
#include "hostapi/errorhandler.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"
#include "shell/LayoutDlg.h"

namespace {

// The sub-columns' keywords joined by ","; the column's own name when it has none.
std::string UserFieldDataText(const CCustomColData& column) {
  if (column.m_queries.empty()) return column.m_name;
  std::string text;
  for (const CTmpltQuery* query : column.m_queries) {
    if (!text.empty()) text += ',';
    text += query->m_keyword;
  }
  return text;
}

// Holds the owned data texts of a list's items while the window is up.
std::string* DataTextOf(const CListBox& list, int index) {
  return static_cast<std::string*>(list.GetItemDataPtr(index));
}

}  // namespace

void CLayoutDlg::FillLists() {
  m_customColFiles.clear();

  std::list<std::string> keywords;
  if (m_pQueryServer) m_pQueryServer->GetKeywords(&keywords);
  std::vector<ListItem> fields;  // one batch, so that a vocabulary of many thousands opens quickly
  for (const std::string& keyword : keywords) {
    const bool blue = m_nCustomizeMode != 1 && m_pQueryServer->IsKeywordHighlighted(keyword, m_bBlockBased != FALSE);
    fields.push_back({keyword, 0, blue ? kHighlightColor : CLR_DEFAULT});
  }
  for (const char* op : {qg::kMathOp, qg::kRelOp, qg::kStringOp}) fields.push_back({op});
  m_lstStdFields.ReplaceItems(std::move(fields));

  CStringList files;
  CUserDefColAPI::GetCustomColFiles(m_strProjectFile, files);
  for (const CString& path : files) AddCustomColFile(path);
}

void CLayoutDlg::AddCustomColFile(CString path) {
  if (path.IsEmpty()) return;
  std::unique_ptr<CCustomColData> column(CUserDefColAPI::GetCustomColData(path));
  if (!column) return;
  const CString name(column->m_name);
  if (m_lstUserFields.FindStringExact(-1, name) != LB_ERR) {
    CZRErrorHandler::MessageBoxOk("ZRREPS-245", name, name, path);
    return;
  }
  const std::string data = UserFieldDataText(*column);
  // The grid keeps the definition unless it knows the name already; then the copy is ours.
  CCustomColData* offered = column.release();
  if (m_pGrid) m_pGrid->AddCustomColToList(offered);
  if (!m_pGrid || m_pGrid->GetCustomColData(name) != offered) delete offered;

  const int index = m_lstUserFields.AddString(name);
  if (index >= 0) m_lstUserFields.SetItemDataPtr(index, new std::string(data));
  m_customColFiles[name] = path;
}

CString CLayoutDlg::GetCustomColFile(const CString& name) const {
  const auto found = m_customColFiles.find(name);
  return found == m_customColFiles.end() ? CString() : found->second;
}

void CLayoutDlg::SetBlockBased(bool blockBased) {
  m_bBlockBased = blockBased ? TRUE : FALSE;
  if (m_pGrid) m_pGrid->SetBlockBased(blockBased);
  if (!m_pQueryServer || m_nCustomizeMode == 1) return;

  // Recoloured in place: no flicker, and the list stays scrolled where it was.
  const int top = m_lstStdFields.GetTopIndex();
  m_lstStdFields.SetRedraw(FALSE);
  for (int index = 0; index < m_lstStdFields.GetCount(); ++index) {
    const CString text = m_lstStdFields.GetItemText(index);
    const bool blue = m_pQueryServer->IsKeywordHighlighted(text.str(), blockBased);
    // A plain entry, as if removed and inserted again, but without moving every entry after it
    // (quadratic for a large vocabulary) or losing the person's selection.
    m_lstStdFields.SetItemTextColor(index, blue ? kHighlightColor : CLR_DEFAULT);
    if (!blue) m_lstStdFields.SetItemData(index, 0);
  }
  m_lstStdFields.SetTopIndex(top);
  m_lstStdFields.SetRedraw(TRUE);
  m_lstStdFields.Invalidate();
}

void CLayoutDlg::ReleaseUserFieldData(int index) {
  delete DataTextOf(m_lstUserFields, index);
  m_lstUserFields.SetItemDataPtr(index, nullptr);
}

void CLayoutDlg::ReleaseAllUserFieldData() {
  for (int index = 0; index < m_lstUserFields.GetCount(); ++index) ReleaseUserFieldData(index);
}
