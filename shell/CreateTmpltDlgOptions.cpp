// CCreateTmpltDlg: the output options, the structure and the modified tracking. Two pairs of
// options exclude each other: ranges of reference designators or of pin numbers, and removing a
// row when any or when all of its cells are empty.
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

void CCreateTmpltDlg::OnPartnerOption(int clicked, int partner) {
  UpdateData(TRUE);
  if (IsDlgButtonChecked(clicked)) {
    switch (partner) {
      case kRefDesAsRangeId: m_bRefDesAsRange = FALSE; break;
      case kPinNumberAsRangeId: m_bPinNumberAsRange = FALSE; break;
      case kRemoveIfAnyEmptyId: m_bRemoveIfAnyEmpty = FALSE; break;
      case kRemoveIfAllEmptyId: m_bRemoveIfAllEmpty = FALSE; break;
      default: break;
    }
  }
  UpdateData(FALSE);
  m_bModified = TRUE;
  NotifyChanged();
}

void CCreateTmpltDlg::OnModifiedOption() {
  m_bModified = TRUE;
  NotifyChanged();
}

void CCreateTmpltDlg::OnStructureChanged() {
  // m_nStructure itself is read from the buttons when saving.
  if (m_pLayoutDlg) m_pLayoutDlg->SetBlockBased(IsDlgButtonChecked(kBlockBasedId) != 0);
  m_bModified = TRUE;
  NotifyChanged();
}
