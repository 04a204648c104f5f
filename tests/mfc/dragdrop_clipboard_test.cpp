// Text drag and drop from list boxes to other windows, and the clipboard.
#include <gtest/gtest.h>

#include "platform/mfc/afxwin.h"

namespace {

// A target that takes text in its top half only and records what it saw.
struct TopHalfTarget : mirel::IDropTarget {
  std::vector<std::string> calls;
  DROPEFFECT Offer(const mirel::DropData& data, CPoint point) {
    return data.IsDataAvailable(CF_TEXT) && point.y < 50 ? DROPEFFECT_COPY | DROPEFFECT_MOVE : DROPEFFECT_NONE;
  }
  DROPEFFECT OnDragEnter(CWnd&, const mirel::DropData& data, DWORD, CPoint point) override {
    calls.push_back("enter");
    return Offer(data, point);
  }
  DROPEFFECT OnDragOver(CWnd&, const mirel::DropData& data, DWORD, CPoint point) override {
    calls.push_back("over");
    return Offer(data, point);
  }
  void OnDragLeave(CWnd&) override { calls.push_back("leave"); }
  BOOL OnDrop(CWnd&, const mirel::DropData& data, DROPEFFECT effect, CPoint) override {
    calls.push_back("drop " + data.GetText().value_or("?") + (effect == DROPEFFECT_COPY ? " copy" : " other"));
    return TRUE;
  }
};

class DragAndDrop : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0);
    list.Create(WS_CHILD | WS_VISIBLE | LBS_SORT, CRect(0, 0, 100, 100), &parent, 1);
    list.AddString("REFDES");
    list.AddString("VALUE");
    grid.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(110, 0, 300, 100), &parent, 2);
  }
  CWnd parent;
  CListBox list;
  CWnd grid;
  TopHalfTarget target;
};

TEST_F(DragAndDrop, ADraggedItemDropsItsTextOnATargetThatTakesIt) {
  EXPECT_EQ(list.SimulateDragTo(1, grid, CPoint(5, 5)), DROPEFFECT_NONE);  // dragging is off
  list.EnableTextDrag();
  EXPECT_EQ(list.SimulateDragTo(1, grid, CPoint(5, 5)), DROPEFFECT_NONE);  // no drop target yet
  grid.RegisterDropTarget(&target);
  EXPECT_EQ(list.SimulateDragTo(1, grid, CPoint(5, 5)), DROPEFFECT_COPY);
  EXPECT_EQ(list.SimulateDragTo(0, grid, CPoint(5, 80)), DROPEFFECT_NONE);
  EXPECT_EQ(target.calls, (std::vector<std::string>{"enter", "over", "drop VALUE copy", "enter", "over", "leave"}));
}

TEST_F(DragAndDrop, TheDraggedTextCanBeChangedByASubclass) {
  struct Prefixed : CListBox {
    CString GetDragText(int index) const override { return "field:" + GetItemText(index); }
  } prefixed;
  prefixed.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 3);
  prefixed.AddString("PROP");
  prefixed.EnableTextDrag();
  grid.RegisterDropTarget(&target);
  prefixed.SimulateDragTo(0, grid, CPoint(1, 1));
  EXPECT_EQ(target.calls.back(), "drop field:PROP copy");
  EXPECT_EQ(mirel::DoDragDrop(mirel::DropData(), DROPEFFECT_COPY, grid, CPoint(1, 1)), DROPEFFECT_NONE);  // no text
}

TEST(Clipboard, HoldsTextInsideTheProcessWithoutABackend) {
  mirel::EmptyClipboard();
  EXPECT_FALSE(mirel::IsClipboardTextAvailable());
  mirel::SetClipboardText("REFDES\tVALUE\r\n");
  EXPECT_EQ(mirel::GetClipboardText(), std::optional<std::string>("REFDES\tVALUE\r\n"));
  mirel::SetClipboardText("");
  EXPECT_TRUE(mirel::IsClipboardTextAvailable());  // empty text is still text
  mirel::EmptyClipboard();
  EXPECT_EQ(mirel::GetClipboardText(), std::nullopt);
}

}  // namespace
