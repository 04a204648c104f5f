// CCreateTmpltDlg for a listener that must change nothing (the live preview): it hears of every
// change, and reads the template as Save would write it without saving or changing anything.
#include "querygrid/QueryGrid.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"
#include "startup/startup.h"
#include "startup/tddversion.h"

namespace {

constexpr const char* kBlanks = " \t\r\n";  // as ValidateData trims the name

CQueryGrid* GridOf(const CLayoutDlg* page) { return page && page->m_hWnd ? page->GetGrid() : nullptr; }

}  // namespace

void CCreateTmpltDlg::SetChangeListener(std::function<void()> listener) {
  m_changed = std::move(listener);
  if (CQueryGrid* grid = GridOf(m_pLayoutDlg)) grid->SetQueryChangedListener(m_changed);
}

void CCreateTmpltDlg::AfterInitForListener() {
  m_bListened = true;
  if (CQueryGrid* grid = GridOf(m_pLayoutDlg)) grid->SetQueryChangedListener(m_changed);
  NotifyChanged();
}

std::optional<mirel::MessageRequest> CCreateTmpltDlg::GetTemplateAsSaved(CTemplateData& data) {
  CString name;
  GetDlgItemText(kReportNameId, name);
  name.Trim(kBlanks);
  CString titlePage;
  GetDlgItemText(kTitlePageId, titlePage);
  data.m_reportName = name.str();
  data.m_version = GetTddVersion().str();
  data.m_structure = mirel::kStructureNames[IsDlgButtonChecked(kBlockBasedId) ? 1 : 0];
  data.m_titlePage = titlePage.str();
  data.m_duplicateCellValues = IsDlgButtonChecked(kDuplicateCellValuesId) != 0;
  data.m_refDesAsRange = IsDlgButtonChecked(kRefDesAsRangeId) != 0;
  data.m_pinNumberAsRange = IsDlgButtonChecked(kPinNumberAsRangeId) != 0;
  data.m_removeRowIfAllEmpty = IsDlgButtonChecked(kRemoveIfAllEmptyId) != 0;
  data.m_removeRowIfAnyEmpty = IsDlgButtonChecked(kRemoveIfAnyEmptyId) != 0;
  DeleteTmpltQueries(data.m_queries);
  CQueryGrid* grid = GridOf(m_pLayoutDlg);
  return grid ? grid->StoreQuietly(data.m_queries) : std::nullopt;
}
