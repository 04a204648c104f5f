#pragma once
// Cell controls: the object that shows and edits the cells whose style names its id. One
// control object serves every cell of its kind; LoadStyle binds it to one cell at a time.
// Controls may own children (buttons inside the cell), placed by OnInitChildren.
#include <memory>
#include <vector>

#include "platform/grid/gxpainter.h"
#include "platform/grid/gxstyle.h"

class CGXGridCore;
class CGXControl;

// A part of a cell control with a rectangle of its own, e.g. a button.
class CGXChild {
 public:
  explicit CGXChild(CGXControl* pComposite) : m_pComposite(pComposite) {}
  virtual ~CGXChild() = default;
  CGXControl* GetComposite() const { return m_pComposite; }
  void SetRect(const RECT& rect) { m_rect = rect; }
  const RECT& GetRect() const { return m_rect; }
  BOOL PtInRect(POINT pt) const;
  virtual void Draw(IGXPainter& painter, BOOL enabled);
  // A click on the child; the default reports it to the control (OnClickedButton).
  virtual void OnClick();

 private:
  CGXControl* m_pComposite;
  RECT m_rect{};
};

// A push button child showing a short text ("..." for the hot-spot edit).
class CGXButton : public CGXChild {
 public:
  CGXButton(CGXControl* pComposite, CString text = "...") : CGXChild(pComposite), m_text(std::move(text)) {}
  const CString& GetText() const { return m_text; }
  void Draw(IGXPainter& painter, BOOL enabled) override;

 private:
  CString m_text;
};

// A push button child showing a bitmap from the resources (the bitmap id; the view loads it).
class CGXBitmapButtonChild : public CGXButton {
 public:
  explicit CGXBitmapButtonChild(CGXControl* pComposite) : CGXButton(pComposite, "") {}
  // Faces for the normal, pressed and focused states; 0 for "same as normal".
  BOOL LoadBitmaps(UINT nBitmapResource, UINT nPressed = 0, UINT nFocused = 0);
  UINT GetBitmapId() const { return m_nBitmap; }
  UINT GetPressedBitmapId() const { return m_nPressed ? m_nPressed : m_nBitmap; }
  UINT GetFocusedBitmapId() const { return m_nFocused ? m_nFocused : m_nBitmap; }
  void Draw(IGXPainter& painter, BOOL enabled) override;

 private:
  UINT m_nBitmap = 0;
  UINT m_nPressed = 0;
  UINT m_nFocused = 0;
};

class CGXControl {
 public:
  CGXControl(CGXGridCore* pGrid, UINT nID);
  virtual ~CGXControl();
  CGXControl(const CGXControl&) = delete;
  CGXControl& operator=(const CGXControl&) = delete;

  CGXGridCore* Grid() const { return m_pGrid; }
  // The id the control is registered under (CGXGridCore::RegisterControl sets it).
  UINT GetID() const { return m_nID; }
  void SetID(UINT nID) { m_nID = nID; }

  // Binds the control to cell (row, col) whose composed style is *pStyle (copied).
  virtual void LoadStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle);
  ROWCOL GetRow() const { return m_nRow; }
  ROWCOL GetCol() const { return m_nCol; }
  const CGXStyle& GetLoadedStyle() const { return m_style; }

  // The loaded cell cannot be edited by the user (its style is read-only, or the control shows
  // text only).
  virtual BOOL IsReadOnly() const;
  // The user may type into the control (edit-like controls).
  virtual BOOL CanEditText() const { return FALSE; }
  // Text the user typed, made into the value to store; FALSE refuses it (nothing is stored).
  virtual BOOL ConvertEditText(ROWCOL nRow, ROWCOL nCol, CString& text);

  // Text area of the cell inside the item rectangle (the whole cell when rectItem is null:
  // the grid's rectangle of the cell), less a margin; what is left of it after the children.
  virtual RECT GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem = nullptr,
                           const CGXStyle* pStyle = nullptr);
  // Places the children inside the cell rectangle of (row, col).
  virtual void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const RECT& rect);
  // Paints cell (row, col) with its composed style into rect (background and borders are the
  // view's; the control paints its content and its children).
  virtual void Draw(IGXPainter& painter, ROWCOL nRow, ROWCOL nCol, const RECT& rect, const CGXStyle& style);

  // Children (owned).
  void AddChild(std::unique_ptr<CGXChild> child);
  int GetChildCount() const { return int(m_children.size()); }
  CGXChild* GetChild(int i) const { return m_children.at(size_t(i)).get(); }
  CGXChild* ChildFromPoint(POINT pt) const;
  // A click on one of the children of the loaded cell: reports it to the grid
  // (CGXGridCore::OnClickedButtonRowCol with the loaded row and column).
  virtual void OnClickedButton(CGXChild* pChild);

 protected:
  CGXGridCore* m_pGrid;
  UINT m_nID;
  ROWCOL m_nRow = 0;
  ROWCOL m_nCol = 0;
  CGXStyle m_style;
  std::vector<std::unique_ptr<CGXChild>> m_children;
};

// An edit field (52512).
class CGXEditControl : public CGXControl {
 public:
  CGXEditControl(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_EDIT) : CGXControl(pGrid, nID) {}
  BOOL CanEditText() const override { return TRUE; }
};

// A label: shows the value, never edited (52520).
class CGXStatic : public CGXControl {
 public:
  CGXStatic(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_STATIC) : CGXControl(pGrid, nID) {}
  BOOL IsReadOnly() const override { return TRUE; }
};

// A header cell (52513): a label drawn as a header.
class CGXHeader : public CGXStatic {
 public:
  CGXHeader(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_HEADER) : CGXStatic(pGrid, nID) {}
};

// A check box (52523): value "1" checked, anything else clear; toggled by a click or the space
// key through CGXGridCore::ToggleCheckBoxRowCol.
class CGXCheckBox : public CGXControl {
 public:
  CGXCheckBox(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_CHECKBOX) : CGXControl(pGrid, nID) {}
  static BOOL IsChecked(const CGXStyle& style) { return style.GetValue() == "1"; }
  BOOL ConvertEditText(ROWCOL nRow, ROWCOL nCol, CString& text) override;
  // The box's square inside the cell.
  RECT GetBoxRect(const RECT& cell) const;
  void Draw(IGXPainter& painter, ROWCOL nRow, ROWCOL nCol, const RECT& rect, const CGXStyle& style) override;
};

// An edit field with a small button at its right edge (52518); the button's click reaches the
// grid's OnClickedButtonRowCol.
class CGXHotSpotEdit : public CGXEditControl {
 public:
  static constexpr int kButtonWidth = 15;
  CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_HOTSPOT);
  CGXButton* GetButton() const { return m_pButton; }
  RECT GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem = nullptr,
                   const CGXStyle* pStyle = nullptr) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const RECT& rect) override;

 private:
  CGXButton* m_pButton;  // owned by the child list
};
