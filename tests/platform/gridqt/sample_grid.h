#pragma once
// A grid laid out like the query grid (group captions turned upright in column 0, frozen labels
// in column 1, report columns with combo, check box, hot-spot and locked cells), recording the
// core callbacks the view should reach, and a fixture that shows a view of it offscreen.
#include <memory>
#include <vector>

#include <QApplication>
#include <QtTest/QTest>

#include "platform/grid/gxaccombo.h"
#include "platform/grid/gxwnd.h"
#include "platform/gridqt/gxqtview.h"

namespace gridqt_test {

constexpr UINT kComboId = 1048;
constexpr UINT kListBoxId = 1047;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kLockedInterior = 0xE6E6E6;
constexpr ROWCOL kRows = 11;
constexpr ROWCOL kCols = 7;
constexpr int kRowHeight = 18;

// Rows of the sample (as the query grid's).
enum : ROWCOL { kKeyword = 1, kDependency, kQualifier, kQualifierValue, kTotal, kTitle, kViewOrder, kSortOrder,
                kWidth, kAlignment, kVisible };

struct Click {
  ROWCOL row;
  ROWCOL col;
  POINT pt;
};

class SampleGrid : public CGXGridWnd {
 public:
  SampleGrid();
  ~SampleGrid() override;

  CZRGridACListBox& ListBox() { return *m_listBox; }

  // ---- knobs ----
  bool refuseStores = false;        // StoreStyleRowCol refuses every cell store
  bool handleRightClick = false;    // OnRButtonClickedRowCol reports the click as handled

  // ---- what reached the core ----
  int cellStores = 0;                      // cell stores that carried a value
  std::vector<CString> storedValues;       // their values
  std::vector<CGXKeyEvent> keys;           // ProcessKeys calls
  std::vector<std::pair<ROWCOL, ROWCOL>> buttonClicks;
  std::vector<Click> rightClicks;
  std::vector<CPoint> contextMenus;        // OnContextMenu screen points
  std::vector<POINT> drops;
  int endEditings = 0;

  BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt = gxOverride,
                        int nType = gxCellStyle) override;
  BOOL ProcessKeys(const CGXKeyEvent& key) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, POINT pt) override;
  void OnContextMenu(CWnd* wnd, CPoint screenPoint) override;
  BOOL OnGridDrop(const CGXDataObject* pDataObject, DWORD dropEffect, POINT point) override;
  void OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;

 private:
  std::unique_ptr<CZRGridACListBox> m_listBox;
};

// A view of a grid, shown offscreen and painted.
struct ShownView {
  explicit ShownView(CGXGridWnd& grid, QSize size = QSize(640, 222));
  mirel::gridqt::GridView view;
  // Lets the event loop deliver what is pending (paints above all).
  static void Settle();
  QPoint CenterOf(ROWCOL row, ROWCOL col) const { return view.CellRect(row, col).center(); }
  QWidget* Viewport() const { return view.viewport(); }
};

}  // namespace gridqt_test
