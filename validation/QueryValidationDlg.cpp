#include "validation/QueryValidationDlg.h"

namespace {
constexpr DWORD kGridStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr RECT kGridRect{0, 0, 400, 300};  // client pixels
}  // namespace

CQueryValidationDlg::CQueryValidationDlg(CQueryGrid* queryGrid, CWnd* parent)
    : CDialog(IDD, parent), m_pGrid(std::make_unique<CValidationGrid>(queryGrid)) {
  MapNotify(kValidateButtonId, BN_CLICKED, [this] { OnButtonValidate(); });
}

CQueryValidationDlg::~CQueryValidationDlg() {
  // The grid window is a child of this dialog's: it goes first.
  m_pGrid.reset();
}

BOOL CQueryValidationDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pGrid->Create(kGridStyle, kGridRect, this, CValidationGrid::kWindowId);
  m_pGrid->InitializeGrid(0);
  return TRUE;
}

void CQueryValidationDlg::DoDataExchange(CDataExchange* dx) { CDialog::DoDataExchange(dx); }

void CQueryValidationDlg::OnButtonValidate() { m_pGrid->ValidateQueryData(); }
