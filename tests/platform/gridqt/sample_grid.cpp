#include "sample_grid.h"

#include <array>

namespace gridqt_test {
namespace {

constexpr std::array<const char*, kRows> kLabels = {"Keyword", "Dependency", "Qualifier", "Qualifier Value",
                                                    "Total", "Title", "View Order", "Sort Order",
                                                    "Width", "Alignment", "Visible"};

struct SampleColumn {
  const char* keyword;
  const char* dependency;
  const char* qualifier;
  const char* qualifierValue;
  const char* total;
  const char* title;
  const char* viewOrder;
  const char* sortOrder;
  const char* width;
  const char* alignment;
  const char* visible;
};

constexpr std::array<SampleColumn, 5> kColumns = {{
    {"REFDES", "", "", "", "0", "Reference", "1", "1", "20", "LEFT", "1"},
    {"VALUE", "REFDES", "", "", "0", "Value", "2", "2", "16", "LEFT", "1"},
    {"PART_NUMBER", "REFDES", "PREFIX", "R,C,\"L,X\"", "0", "Manufacturer part number", "3", "3", "30", "LEFT", "1"},
    {"MATH-OP", "QTY*PRICE", "VALUE", "", "1", "Extended price", "4", "4", "12", "RIGHT", "1"},
    {"", "", "", "", "0", "", "", "", "", "", "0"},
}};

const char* const kKeywords[] = {"PART_NUMBER", "PRICE", "QTY", "REFDES", "VALUE", "VOLTAGE"};

CGXStyle Combo(const char* value) { return CGXStyle().SetControl(kComboId).SetValue(value); }
CGXStyle Check(const char* value) { return CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue(value); }
CGXStyle Edit(const char* value) { return CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetValue(value); }

}  // namespace

SampleGrid::SampleGrid() : m_listBox(std::make_unique<CZRGridACListBox>(this)) {
  m_listBox->Create(WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT, RECT{0, 0, 1, 1}, this, kListBoxId, 1);
  for (const char* keyword : kKeywords) {
    const int index = m_listBox->AddString(keyword);
    if (CString(keyword) == "PRICE" || CString(keyword) == "REFDES") m_listBox->SetItemTextColor(index, kBlue);
  }
  RegisterControl(kComboId, new CZRGridACCombo(this, 1, kListBoxId, 0, m_listBox.get(), 1, 0, 0, 1));

  CGXGridParam& param = *GetParam();
  param.EnableUndo(FALSE);
  SetRowCount(kRows);
  SetColCount(kCols);
  SetRowHeight(0, kRows, kRowHeight);
  param.EnableChangeTab(FALSE);
  param.SetNumberedColHeaders(FALSE);
  param.SetNumberedRowHeaders(FALSE);
  param.EnableGridToolTips(TRUE);
  param.EnableTrackColWidth(0xB6);
  param.EnableTrackRowHeight(0);
  param.SetNewGridLineMode(TRUE);
  param.SetGridLineStyle(GX_PS_DOT);

  CGXStyle text;
  text.SetEllipsisType(GX_ELLIPSIS_DOTS).SetWrapText(FALSE).SetAllowEnter(FALSE);
  ChangeStandardStyle(text);
  ChangeColHeaderStyle(CGXStyle(text).SetBorders(gxBorderAll, CGXPen(GX_PS_NULL)));
  ChangeRowHeaderStyle(CGXStyle(text).SetControl(GX_IDS_CTRL_HEADER).SetBorders(gxBorderAll, CGXPen(GX_PS_SOLID)));

  CGXStyle caption;
  caption.SetFont(CGXFont().SetBold(TRUE).SetOrientation(900))
      .SetHorizontalAlignment(GX_DT_CENTER)
      .SetVerticalAlignment(GX_DT_VCENTER)
      .SetReadOnly(TRUE)
      .SetEnabled(FALSE);
  SetCoveredCellsRowCol(kKeyword, 0, kTotal, 0);
  SetCoveredCellsRowCol(kTitle, 0, kVisible, 0);
  SetStyleRange(CGXRange(kKeyword, 0), CGXStyle(caption).SetValue("Query"));
  SetStyleRange(CGXRange(kTitle, 0), CGXStyle(caption).SetValue("Format"));
  CGXStyle label;
  label.SetControl(GX_IDS_CTRL_STATIC).SetEnabled(FALSE).SetBorders(gxBorderAll, CGXPen(GX_PS_SOLID));
  for (ROWCOL row = 1; row <= kRows; ++row) SetStyleRange(CGXRange(row, 1), CGXStyle(label).SetValue(kLabels[row - 1]));
  // Labels are read-only once written (the read-only lock refuses later stores into them).
  SetStyleRange(CGXRange(1, 1, kRows, 1), CGXStyle().SetReadOnly(TRUE));

  for (ROWCOL i = 0; i < kColumns.size(); ++i) {
    const SampleColumn& c = kColumns[i];
    const ROWCOL col = i + 2;
    SetStyleRange(CGXRange(kKeyword, col), Combo(c.keyword).SetFont(CGXFont().SetBold(TRUE)));
    SetStyleRange(CGXRange(kDependency, col), Combo(c.dependency));
    SetStyleRange(CGXRange(kQualifier, col), Combo(c.qualifier));
    SetStyleRange(CGXRange(kQualifierValue, col),
                  CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT).SetValue(c.qualifierValue).SetEnabled(*c.qualifierValue != 0));
    SetStyleRange(CGXRange(kTotal, col), Check(c.total));
    SetStyleRange(CGXRange(kTitle, col), Edit(c.title));
    SetStyleRange(CGXRange(kViewOrder, col), Edit(c.viewOrder));
    SetStyleRange(CGXRange(kSortOrder, col), Edit(c.sortOrder));
    SetStyleRange(CGXRange(kWidth, col), Edit(c.width));
    SetStyleRange(CGXRange(kAlignment, col), Combo(c.alignment));
    SetStyleRange(CGXRange(kVisible, col), Check(c.visible));
  }
  // The operator column: its dependency is an expression edited through the button, its
  // qualifier locked.
  SetStyleRange(CGXRange(kDependency, 5), CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT).SetTooltipText("QTY*PRICE"));
  SetStyleRange(CGXRange(kQualifier, 5), CGXStyle().SetReadOnly(TRUE).SetInterior(kLockedInterior));
  SetStyleRange(CGXRange(kQualifierValue, 4), CGXStyle().SetTooltipText("R, C, \"L,X\""));

  SetRowHeight(0, 0, 0);
  SetColWidth(0, 0, 20);
  SetColWidth(1, 1, 96);
  SetColWidth(2, kCols, 92);
  SetColWidth(4, 4, 110);
  SetFrozenCols(1);
  EmptyUndoRedo();
  param.EnableUndo(TRUE);
  SetCurrentCell(kKeyword, 3);
}

SampleGrid::~SampleGrid() { RegisterControl(kComboId, nullptr); }

BOOL SampleGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  if (nType == gxCellStyle && pStyle && pStyle->GetIncludeValue()) {
    ++cellStores;
    storedValues.push_back(pStyle->GetValue());
  }
  if (refuseStores && nType == gxCellStyle) return FALSE;
  return CGXGridWnd::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
}

BOOL SampleGrid::ProcessKeys(const CGXKeyEvent& key) {
  keys.push_back(key);
  return CGXGridWnd::ProcessKeys(key);
}

void SampleGrid::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) { buttonClicks.emplace_back(nRow, nCol); }

BOOL SampleGrid::OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT, POINT pt) {
  rightClicks.push_back({nRow, nCol, pt});
  return handleRightClick;
}

void SampleGrid::OnContextMenu(CWnd*, CPoint screenPoint) { contextMenus.push_back(screenPoint); }

BOOL SampleGrid::OnGridDrop(const CGXDataObject* pDataObject, DWORD dropEffect, POINT point) {
  drops.push_back(point);
  return CGXGridWnd::OnGridDrop(pDataObject, dropEffect, point);
}

void SampleGrid::OnEndEditing(ROWCOL, ROWCOL) { ++endEditings; }

ShownView::ShownView(CGXGridWnd& grid, QSize size) : view(grid) {
  view.resize(size);
  view.show();
  [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&view);
  Settle();
}

void ShownView::Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace gridqt_test
