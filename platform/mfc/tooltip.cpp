#include "platform/mfc/controls.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  return CWnd::CreateEx(WS_EX_TOPMOST, "tooltips_class32", "", WS_POPUP | style, CRect(0, 0, 0, 0), parent, 0);
}

void CToolTipCtrl::Activate(BOOL activate) {
  m_active = activate != FALSE;
  if (!m_active) Pop();
}

CToolTipCtrl::Tool* CToolTipCtrl::FindTool(const CWnd* wnd, UINT_PTR id) {
  for (Tool& tool : m_tools) {
    if (tool.wnd == wnd && tool.id == id) return &tool;
  }
  return nullptr;
}

const CToolTipCtrl::Tool* CToolTipCtrl::FindTool(const CWnd* wnd, UINT_PTR id) const {
  return const_cast<CToolTipCtrl*>(this)->FindTool(wnd, id);
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT toolRect, UINT_PTR toolId) {
  if (!wnd) return FALSE;
  Tool* tool = FindTool(wnd, toolId);
  if (!tool) {
    m_tools.push_back({wnd, toolId});
    tool = &m_tools.back();
  }
  tool->text = text ? text : "";
  tool->hasRect = toolRect != nullptr;
  if (toolRect) tool->rect = *toolRect;
  return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId) {
  std::erase_if(m_tools, [&](const Tool& tool) { return tool.wnd == wnd && tool.id == toolId; });
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId) {
  Tool* tool = FindTool(wnd, toolId);
  if (!tool) return;
  tool->text = text ? text : "";
  if (m_shown) {
    m_shownText = tool->text;
    Changed(mirel::WndChange::Custom);
  }
}

void CToolTipCtrl::GetText(CString& text, CWnd* wnd, UINT_PTR toolId) const {
  const Tool* tool = FindTool(wnd, toolId);
  text = tool ? tool->text : std::string();
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
  if (!msg || !m_active) return;
  if (msg->message != WM_MOUSEMOVE) {
    if (msg->message >= WM_LBUTTONDOWN && msg->message <= WM_RBUTTONUP) Pop();  // a click hides the tip
    return;
  }
  const CPoint point(short(LOWORD(WPARAM(msg->lParam))), short(HIWORD(WPARAM(msg->lParam))));
  const Tool* hit = nullptr;
  for (const Tool& tool : m_tools) {
    if (tool.wnd == msg->hwnd && (!tool.hasRect || tool.rect.PtInRect(point))) {
      hit = &tool;
      break;
    }
  }
  if (!hit || hit->text.empty()) {
    Pop();
    return;
  }
  CPoint screen = point;
  if (msg->hwnd) msg->hwnd->ClientToScreen(&screen);
  m_shown = true;
  m_shownText = hit->text;
  m_shownAt = screen;
  Changed(mirel::WndChange::Custom);
}

void CToolTipCtrl::Pop() {
  if (!m_shown) return;
  m_shown = false;
  Changed(mirel::WndChange::Custom);
}
