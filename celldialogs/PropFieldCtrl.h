#pragma once
// The property field cell: an edit cell with a small bitmap button at its right edge. The text
// stops short of the button; a click on the button reaches the grid's OnClickedButtonRowCol.
#include "platform/grid/gxctrl.h"

class CPropFieldCtrl : public CGXEditControl {
 public:
  static constexpr int kButtonWidth = 15;
  static constexpr int kButtonHeight = 15;
  static constexpr int kTextGap = 3;  // pixels kept free between the text and the button

  CPropFieldCtrl(CGXGridCore* pGrid, UINT nID, UINT nBitmapId);

  RECT GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem = nullptr,
                   const CGXStyle* pStyle = nullptr) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const RECT& rect) override;

  CGXBitmapButtonChild* GetButton() const { return m_pButton; }

  int m_nButtonWidth = kButtonWidth;
  int m_nButtonHeight = kButtonHeight;

 private:
  CGXBitmapButtonChild* m_pButton;  // owned by the child list
};
