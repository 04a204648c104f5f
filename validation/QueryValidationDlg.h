#pragma once
// The query validation dialog: the validation grid of a query grid (user-defined columns
// expanded, orders renumbered), filled once when the dialog opens, and a Validate button that
// shows the query's first problem. Edits in its grid are never copied back to the query grid;
// the host may read the columns through GetValidationGrid()->GetGridObjects().
#include <memory>

#include "platform/mfc/afxwin.h"
#include "validation/ValidationGrid.h"

class CQueryGrid;

class CQueryValidationDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1063;
  static constexpr int kValidateButtonId = 1074;

  CQueryValidationDlg(CQueryGrid* queryGrid, CWnd* parent = nullptr);
  ~CQueryValidationDlg() override;

  CValidationGrid* GetValidationGrid() const { return m_pGrid.get(); }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnButtonValidate();

 private:
  std::unique_ptr<CValidationGrid> m_pGrid;
};
