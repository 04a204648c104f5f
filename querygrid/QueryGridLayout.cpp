// CQueryGrid: construction and set-up, the cells of a report column, the headers and labels,
// widths, and what composing the current cell brings with it.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "celldialogs/PropFieldCtrl.h"
#include "celldialogs/PropNameDlg.h"
#include "hostapi/propertyserver.h"
#include "platform/grid/gxaccombo.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"
#include "querygrid/QueryGridOptions.h"
#include "startup/startup.h"

using namespace qg;

namespace {

// Composing the current cell fills the shared list, which composes cells again; one flag for
// every query grid keeps that from running inside itself.
bool g_composingCurrentCell = false;

class CurrentCellGuard {
 public:
  CurrentCellGuard() { g_composingCurrentCell = true; }
  ~CurrentCellGuard() { g_composingCurrentCell = false; }
  CurrentCellGuard(const CurrentCellGuard&) = delete;
  CurrentCellGuard& operator=(const CurrentCellGuard&) = delete;
};

constexpr int kRowHeight = 18;
constexpr int kGroupColWidth = 20;
constexpr int kOutOfViewWidth = 20;  // the last column's width while it is scrolled out of view
constexpr UINT kScrollBarMode = 12;
constexpr DWORD kDropTargetFlags = 0xD8;
constexpr UINT kSelectionFlags = GX_SELROW | GX_SELCOL | GX_SELCELL | GX_SELMULTIPLE | GX_SELSHIFT | GX_SELKEYBOARD;
static_assert(kSelectionFlags == 0x7B, "no whole-table selection");
constexpr int kBackgroundColorIndex = 4;
constexpr COLORREF kSystemWindowColor = RGB(255, 255, 255);
constexpr COLORREF kBackgroundColor = (kSystemWindowColor & 0x00FFFFFF) | 0xF9000000;
constexpr DWORD kListBoxStyle = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT;
static_assert(kListBoxStyle == 0x00A00003);
constexpr const char* kPropertyServerName = "PSSystem";

// The group captions of column 0: "Query" over the query rows, "Format" over the others.
constexpr ROWCOL kLastQueryRow = kRowTotal;

// What each attribute row holds in a new column. nullptr stands for the report column number.
struct ColumnCell {
  ROWCOL row;
  UINT control;
  const char* withDefaults;
  const char* empty;
};
constexpr const char* kColumnNumber = nullptr;
constexpr std::array<ColumnCell, kRowCount> kColumnCells{{
    {kRowKeyword, kComboControl, "", ""},
    {kRowDependency, kComboControl, "", ""},
    {kRowQualifier, kComboControl, "", ""},
    {kRowQualifierValue, kHotSpotControl, "", ""},
    {kRowTotal, kCheckBoxControl, "0", "0"},
    {kRowTitle, kEditControl, "", ""},
    {kRowViewOrder, kEditControl, kColumnNumber, ""},
    {kRowSortOrder, kEditControl, kColumnNumber, ""},
    {kRowWidth, kEditControl, "20", ""},
    {kRowAlignment, kComboControl, "LEFT", ""},
    {kRowVisible, kCheckBoxControl, "1", "0"},
}};

CGXStyle ColumnCellStyle(const ColumnCell& cell, ROWCOL col, bool withDefaults) {
  CGXStyle style;
  style.SetControl(cell.control);
  const char* value = withDefaults ? cell.withDefaults : cell.empty;
  if (value == kColumnNumber) style.SetValue(static_cast<unsigned long>(col - 1));
  else style.SetValue(value);
  if (cell.row == kRowKeyword) style.SetFont(CGXFont().SetBold(TRUE)).SetUserAttribute(kCustomColAttr, 0L);
  if (cell.row == kRowQualifierValue) style.SetEnabled(FALSE);  // until a qualifier is chosen
  return style;
}

// The core has no font metrics, so the label column is fitted from the text: a generous
// average width of the grid's 9-point face, the cell margins and a little air.
int FittedLabelWidth() {
  constexpr int kAverageCharWidth = 7;
  constexpr int kMargins = 10;
  size_t longest = 0;
  for (const char* label : mirel::kRowLabels) longest = std::max(longest, std::strlen(label));
  return int(longest) * kAverageCharWidth + kMargins;
}

// Report columns open wide enough for a typical keyword in the Keyword row's bold face beside
// the cell's drop-down button: the same generous average width, the button and the margins.
int ReportColumnWidth() {
  constexpr size_t kTypicalKeywordLength = 11;  // PART_NUMBER
  constexpr int kAverageBoldCharWidth = 9;
  constexpr int kButtonAndMargins = CZRGridACCombo::kButtonWidth + 12;
  return int(kTypicalKeywordLength) * kAverageBoldCharWidth + kButtonAndMargins;
}

}  // namespace

CQueryGrid::CQueryGrid(IServer* server, IZRQueryServer* queryServer)
    : m_pListBox(new CZRGridACListBox(this)), m_pServer(server), m_pQueryServer(queryServer) {}

CQueryGrid::~CQueryGrid() {
  // The combo cells refer to the shared list box: retire them before it goes.
  RegisterControl(kComboControl, nullptr);
  delete m_pListBox;
  m_pListBox = nullptr;
  delete m_pPropList;  // the head takes its successors with it
  m_pPropList = nullptr;
  for (auto& entry : m_customCols) delete entry.second;
  m_customCols.clear();
  m_titleCounts.clear();
}

// ---- set-up ------------------------------------------------------------------------------------

void CQueryGrid::InitGrid() {
  CGXGridParam& param = *GetParam();

  m_bLoading = 1;
  Initialize();
  m_dropTarget.Register(this, kDropTargetFlags);
  param.EnableUndo(FALSE);

  SetDefaultColWidth(ReportColumnWidth());
  SetRowCount(kRowCount);
  SetColCount(kInitialColCount);
  SetRowHeight(0, kRowCount, kRowHeight);
  SetScrollBarMode(GX_SB_HORZ, kScrollBarMode);
  SetScrollBarMode(GX_SB_VERT, kScrollBarMode);

  param.SetSortRowsOnDblClk(FALSE);
  param.SetSortColsOnDblClk(FALSE);
  param.EnableMoveRows(FALSE);
  param.EnableMoveCols(FALSE);
  param.EnableSelection(kSelectionFlags);

  RegisterAllControls();

  ApplyQueryGridOptions(param);

  SetAppearance();
  SetStyleRange(CGXRange(kRowKeyword, kGroupCol, kRowKeyword, kInitialColCount),
                CGXStyle().SetUserAttribute(kCustomColAttr, 0L));

  SetFrozenRows(0);
  SetFrozenCols(1);

  SetRowColHeaders();
  InitializeColumns(kFirstReportCol, GetColCount(), 0);

  // Nothing of the set-up is the user's to take back.
  EmptyUndoRedo();
  param.EnableUndo(TRUE);
  m_bLoading = 0;
  CreatePQPropList();
}

void CQueryGrid::RegisterAllControls() {
  m_pListBox->Create(kListBoxStyle, RECT{0, 0, 1, 1}, this, kListBoxId, 1);
  RegisterControl(kComboControl, new CZRGridACCombo(this, 1, kListBoxId, 0, m_pListBox, 1, 0, 0, 1));
  RegisterControl(kPropFieldControl, new CPropFieldCtrl(this, kPropFieldControl, kPropFieldBitmap));
}

void CQueryGrid::SetAppearance() {
  CGXGridParam& param = *GetParam();
  param.GetProperties()->SetColor(kBackgroundColorIndex, kBackgroundColor);
  param.SetNewGridLineMode(TRUE);
  param.SetGridLineStyle(GX_PS_DOT);

  CGXStyle text;
  text.SetEllipsisType(GX_ELLIPSIS_DOTS).SetWrapText(FALSE).SetAllowEnter(FALSE);
  ChangeStandardStyle(text);
  ChangeColHeaderStyle(CGXStyle(text).SetBorders(gxBorderAll, CGXPen(GX_PS_NULL)));
  ChangeRowHeaderStyle(
      CGXStyle(text).SetControl(kHeaderControl).SetBorders(gxBorderAll, CGXPen(GX_PS_SOLID)));
}

void CQueryGrid::SetRowColHeaders() {
  // Captions and labels are read-only; unlocked so that a second call can rewrite them.
  CGXReadOnlyUnlocked unlocked(*GetParam());

  CGXStyle caption;
  caption.SetFont(CGXFont().SetBold(TRUE).SetOrientation(900))
      .SetHorizontalAlignment(GX_DT_CENTER)
      .SetVerticalAlignment(GX_DT_VCENTER)
      .SetReadOnly(TRUE)
      .SetEnabled(FALSE);
  SetCoveredCellsRowCol(kRowKeyword, kGroupCol, kLastQueryRow, kGroupCol);
  SetCoveredCellsRowCol(kLastQueryRow + 1, kGroupCol, kRowCount, kGroupCol);
  SetStyleRange(CGXRange(kRowKeyword, kGroupCol), CGXStyle(caption).SetValue("Query"));
  SetStyleRange(CGXRange(kLastQueryRow + 1, kGroupCol), CGXStyle(caption).SetValue("Format"));

  CGXStyle label;
  label.SetControl(kLabelControl).SetReadOnly(TRUE).SetEnabled(FALSE).SetBorders(gxBorderAll, CGXPen(GX_PS_SOLID));
  for (ROWCOL row = kRowKeyword; row <= kRowCount; ++row)
    SetStyleRange(CGXRange(row, kLabelCol), CGXStyle(label).SetValue(mirel::kRowLabels[row - 1]));

  SetRowHeight(0, 0, 0);
  SetColWidth(kGroupCol, kGroupCol, kGroupColWidth);
  SetColWidth(kLabelCol, kLabelCol, FittedLabelWidth());
}

void CQueryGrid::InitializeColumns(ROWCOL first, ROWCOL last, int withDefaults) {
  if (first > last) return;
  CGXTransaction trans(*this, "Initialize Columns");
  // The Keyword cell goes first: emptying it lets the keyword rules clear the column, and the
  // cells after it then get their own values.
  for (ROWCOL col = first; col <= last; ++col)
    for (const ColumnCell& cell : kColumnCells)
      SetStyleRange(CGXRange(cell.row, col), ColumnCellStyle(cell, col, withDefaults != 0), gxCopy);
  trans.Commit();
}

void CQueryGrid::CreatePQPropList() {
  CPQPropertyServer* server = nullptr;
  bool created = false;
  if (m_pServer) {
    server = m_pServer->GetPropertyServer();
  } else {
    const char* temp = std::getenv("TEMP");
    server = CPQPropertyServer::CreatePropertyServer(temp && *temp ? temp : ".", kPropertyServerName, true);
    created = true;
  }
  delete m_pPropList;  // a grid set up twice builds its list afresh
  m_pPropList = nullptr;
  CPropNameDlg::CreatePQPropList(server, &m_pPropList);
  if (created) delete server;
}

// ---- widths ------------------------------------------------------------------------------------

int CQueryGrid::GetColWidth(ROWCOL nCol) {
  if (nCol == kGroupCol) return kGroupColWidth;
  const int stored = CGXGridWnd::GetColWidth(nCol);
  if (nCol != GetColCount() || IsPrinting()) return stored;
  // The last column fills the window (never narrower than it is stored).
  const int left = GetColLeft(nCol);
  if (left < 0) return kOutOfViewWidth;
  const RECT& rect = GetGridRect();
  const int filling = int(rect.right - rect.left) - (left - int(rect.left)) - 1;
  return std::max(stored, filling);
}

// ---- composing the current cell ----------------------------------------------------------------

BOOL CQueryGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  const BOOL found = CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mt, nType);
  if (!found || nType != gxCellStyle || IsPrinting() || nRow < kRowKeyword || nCol < kFirstReportCol ||
      !IsCurrentCell(nRow, nCol) || g_composingCurrentCell)
    return found;
  CurrentCellGuard guard;
  // Composing changes no cell: what a change brings with it was settled when it was stored
  // (SettleCell), inside the change's own undo step.
  FillComboBox(nRow, nCol);
  return found;
}
