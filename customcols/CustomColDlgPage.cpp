// CCustomColDlg: the embedded sub-column page. Until the query layout page is part of the
// build, the editor works on the name alone and keeps the sub-columns it was given.
#include "customcols/CustomColDlg.h"

CCustomColDlg::~CCustomColDlg() = default;

void CCustomColDlg::CreatePage() {}

bool CCustomColDlg::HasPageWindow() const { return false; }

BOOL CCustomColDlg::ValidatePage() { return TRUE; }

void CCustomColDlg::StorePage() {}

void CCustomColDlg::PlacePage() {}
