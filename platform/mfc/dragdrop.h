#pragma once
// Text drag and drop between windows. Our list boxes are drag sources (CListBox::EnableTextDrag);
// a window that accepts drops registers an IDropTarget (CWnd::RegisterDropTarget). Points are in
// the target window's client pixels. The realisation turns real drags into the same calls;
// DoDragDrop is the windowless road (scripts and tests).
#include <optional>
#include <string>

#include "platform/mfc/geometry.h"
#include "platform/mfc/winconst.h"

class CWnd;

namespace mirel {

// What is being dragged (the part of an OLE data object the library looks at).
class DropData {
 public:
  DropData() = default;
  explicit DropData(std::string text) : m_text(std::move(text)) {}
  BOOL IsDataAvailable(UINT format) const { return format == CF_TEXT && m_text.has_value(); }
  const std::optional<std::string>& GetText() const { return m_text; }

 private:
  std::optional<std::string> m_text;
};

class IDropTarget {
 public:
  virtual ~IDropTarget() = default;
  virtual DROPEFFECT OnDragEnter(CWnd& wnd, const DropData& data, DWORD keyState, CPoint point) = 0;
  virtual DROPEFFECT OnDragOver(CWnd& wnd, const DropData& data, DWORD keyState, CPoint point) = 0;
  virtual void OnDragLeave(CWnd& wnd) = 0;
  virtual BOOL OnDrop(CWnd& wnd, const DropData& data, DROPEFFECT effect, CPoint point) = 0;
};

// Drags `data` onto `target` at `point` and drops it there: enter, over, then drop when the
// target offered an effect that `allowed` permits (else leave). Returns the effect of a drop
// the target accepted, DROPEFFECT_NONE otherwise (also when the target takes no drops).
DROPEFFECT DoDragDrop(const DropData& data, DROPEFFECT allowed, CWnd& target, CPoint point, DWORD keyState = 0);

}  // namespace mirel
