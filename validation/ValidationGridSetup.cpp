// CValidationGrid: construction, set-up and the choices of its drop-down cells.
#include "celldialogs/PropFieldCtrl.h"
#include "platform/grid/gxaccombo.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridOptions.h"
#include "validation/ValidationGrid.h"

using namespace qg;

namespace {

constexpr int kRowHeight = 18;
constexpr UINT kScrollBarMode = 12;
constexpr int kBackgroundColorIndex = 4;
constexpr COLORREF kSystemWindowColor = RGB(255, 255, 255);
constexpr COLORREF kBackgroundColor = (kSystemWindowColor & 0x00FFFFFF) | 0xF9000000;
constexpr DWORD kListBoxStyle = LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER;

}  // namespace

CValidationGrid::CValidationGrid(CQueryGrid* queryGrid)
    : m_pListBox(new CZRGridACListBox(this)), m_pQueryGrid(queryGrid) {
  if (queryGrid) {
    m_pQueryServer = queryGrid->GetQueryServer();
    m_nCustomizeMode = queryGrid->GetCustomizeCols();
    m_bBlockBased = queryGrid->GetBlockBased();
  }
}

CValidationGrid::~CValidationGrid() {
  // The combo cells refer to the list box: retire them before it goes.
  RegisterControl(kComboControl, nullptr);
  delete m_pListBox;
  m_pListBox = nullptr;
}

void CValidationGrid::InitializeGrid(int offScreen) {
  m_bOffScreen = offScreen != 0;
  CGXGridParam& param = *GetParam();
  Initialize();
  LockUpdate(TRUE);
  param.EnableUndo(FALSE);

  ApplyGridSettings();

  m_pListBox->Create(kListBoxStyle, RECT{0, 0, 1, 1}, this, kListBoxId, 1);
  RegisterControl(kComboControl, new CZRGridACCombo(this, 1, kListBoxId, 0, m_pListBox, 1, 0, 0, 1));
  RegisterControl(kPropFieldControl, new CPropFieldCtrl(this, kPropFieldControl, kPropFieldBitmap));

  // The copy is the grid's starting point, not an edit the user could take back cell by cell.
  CopyQueryData();
  EmptyUndoRedo();
  param.EnableUndo(TRUE);

  if (!offScreen) {
    LockUpdate(FALSE);
    Redraw();
  }
}

// The query grid's settings, except: no columns yet (the copy brings them with the labels),
// cell ranges as the only selection, no drop target, no merged captions and no width rules.
void CValidationGrid::ApplyGridSettings() {
  CGXGridParam& param = *GetParam();
  SetRowCount(kRowCount);
  SetColCount(0);
  SetRowHeight(0, kRowCount, kRowHeight);
  SetScrollBarMode(GX_SB_HORZ, kScrollBarMode);
  SetScrollBarMode(GX_SB_VERT, kScrollBarMode);

  param.SetSortRowsOnDblClk(FALSE);
  param.SetSortColsOnDblClk(FALSE);
  param.EnableMoveRows(FALSE);
  param.EnableMoveCols(FALSE);
  param.EnableSelection(GX_SELCELL);

  ApplyQueryGridOptions(param);

  param.GetProperties()->SetColor(kBackgroundColorIndex, kBackgroundColor);
  param.SetNewGridLineMode(TRUE);
  param.SetGridLineStyle(GX_PS_DOT);
  CGXStyle text;
  text.SetEllipsisType(GX_ELLIPSIS_DOTS).SetWrapText(FALSE).SetAllowEnter(FALSE);
  ChangeStandardStyle(text);
  ChangeColHeaderStyle(CGXStyle(text).SetBorders(gxBorderAll, CGXPen(GX_PS_NULL)));
  ChangeRowHeaderStyle(CGXStyle(text).SetControl(kHeaderControl).SetBorders(gxBorderAll, CGXPen(GX_PS_SOLID)));

  SetFrozenRows(0);
  SetFrozenCols(1);
}

BOOL CValidationGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  const BOOL found = CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mt, nType);
  if (!found || nType != gxCellStyle || m_bOffScreen || !m_pQueryGrid || m_fillingChoices || nRow < kRowKeyword ||
      nCol < kFirstReportCol || !IsCurrentCell(nRow, nCol))
    return found;
  m_fillingChoices = true;
  m_pQueryGrid->FillChoiceList(*this, nRow, nCol, *m_pListBox, m_heldChoices);
  m_fillingChoices = false;
  return found;
}
