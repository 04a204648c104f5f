#include "platform/mfc/wnd.h"

#include <algorithm>
#include <climits>

#include "platform/mfc/controls.h"
#include "platform/mfc/interaction.h"

namespace {

CWnd* g_focus = nullptr;
mirel::FocusCause g_focusCause = mirel::FocusCause::Program;

bool IsControlParent(const CWnd& wnd) {
  return (wnd.GetStyle() & WS_CHILD) && (wnd.GetExStyle() & WS_EX_CONTROLPARENT);
}

}  // namespace

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd) DestroyWindow();
  Detach();
}

const char* CWnd::GetWindowKind() const { return "Wnd"; }

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR /*className*/, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id) {
  if (m_hWnd) return FALSE;
  if ((style & WS_CHILD) && !(parent && parent->m_hWnd)) return FALSE;  // a child needs a parent window
  m_owned.clear();  // objects of an earlier incarnation
  m_style = style;
  m_exStyle = exStyle;
  m_id = int(id);
  m_rect = rect;
  m_redraw = true;
  m_hWnd = this;
  if (style & WS_CHILD) {
    Attach(parent, -1);
  } else {
    m_owner = parent;
  }
  m_creating = true;
  OnCreated();
  SetTextModel(windowName ? windowName : "");
  m_creating = false;
  if (auto* backend = mirel::WindowBackend(); backend && (!m_parent || m_parent->m_peer)) {
    m_peer = backend->Realise(*this);
  }
  OnSize(SIZE_RESTORED, int(m_rect.Width()), int(m_rect.Height()));
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  OnDestroy();
  std::vector<CWnd*> children = m_children;
  for (auto it = children.rbegin(); it != children.rend(); ++it) (*it)->DestroyWindow();
  if (g_focus == this) g_focus = nullptr;
  m_peer.reset();
  Detach();
  m_hWnd = nullptr;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (m_hWnd || !parent) return FALSE;
  CWnd* old = parent->GetDlgItem(int(id));
  if (!old || old == this) return FALSE;
  const int position = parent->ChildIndex(old);
  m_id = old->m_id;
  m_style = old->m_style;
  m_exStyle = old->m_exStyle;
  m_text = old->m_text;
  m_rect = old->m_rect;
  m_redraw = old->m_redraw;
  m_owner = old->m_owner;
  if (!m_dropTarget) m_dropTarget = old->m_dropTarget;
  AdoptState(*old);
  parent->m_children[size_t(position)] = this;
  m_parent = parent;
  old->m_parent = nullptr;
  m_children = std::move(old->m_children);
  old->m_children.clear();
  for (CWnd* child : m_children) child->m_parent = this;
  m_hWnd = this;
  old->m_hWnd = nullptr;
  if (g_focus == old) g_focus = this;
  if (old->m_peer) {
    if (std::string_view(GetWindowKind()) == old->GetWindowKind()) {
      m_peer = std::move(old->m_peer);
      m_peer->Rebind(*this);
    } else {
      old->m_peer.reset();
      RealiseTree();
    }
  }
  parent->ReleaseOwned(old);
  return TRUE;
}

// ---- family ---------------------------------------------------------------------------------------

int CWnd::SetDlgCtrlID(int id) {
  const int old = m_id;
  m_id = id;
  return old;
}

CWnd* CWnd::SetParent(CWnd* newParent) {
  CWnd* old = m_parent;
  if (newParent == old || newParent == this) return old;
  Detach();
  if (newParent) Attach(newParent, -1);
  Changed(mirel::WndChange::Parent);
  return old;
}

CWnd* CWnd::GetDlgItem(int id) const {
  for (CWnd* child : m_children) {
    if (child->m_id == id) return child;
  }
  return nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
  const CWnd* wnd = this;
  while (wnd->m_parent) wnd = wnd->m_parent;
  return const_cast<CWnd*>(wnd);
}

CWnd* CWnd::GetWindow(UINT cmd) const {
  switch (cmd) {
    case GW_CHILD: return m_children.empty() ? nullptr : m_children.front();
    case GW_OWNER: return m_owner;
    default: break;
  }
  if (!m_parent) return nullptr;
  const auto& siblings = m_parent->m_children;
  const int index = m_parent->ChildIndex(this);
  switch (cmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return size_t(index + 1) < siblings.size() ? siblings[size_t(index + 1)] : nullptr;
    case GW_HWNDPREV: return index > 0 ? siblings[size_t(index - 1)] : nullptr;
    default: return nullptr;
  }
}

BOOL CWnd::IsChild(const CWnd* wnd) const {
  for (const CWnd* w = wnd ? wnd->m_parent : nullptr; w; w = w->m_parent) {
    if (w == this) return TRUE;
  }
  return FALSE;
}

int CWnd::ChildIndex(const CWnd* child) const {
  const auto it = std::find(m_children.begin(), m_children.end(), child);
  return it == m_children.end() ? -1 : int(it - m_children.begin());
}

void CWnd::Attach(CWnd* parent, int position) {
  m_parent = parent;
  auto& siblings = parent->m_children;
  if (position < 0 || size_t(position) > siblings.size()) {
    siblings.push_back(this);
  } else {
    siblings.insert(siblings.begin() + position, this);
  }
}

void CWnd::Detach() {
  if (!m_parent) return;
  auto& siblings = m_parent->m_children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  m_parent = nullptr;
}

CWnd* CWnd::Own(std::unique_ptr<CWnd> child) {
  m_owned.push_back(std::move(child));
  return m_owned.back().get();
}

void CWnd::ReleaseOwned(CWnd* child) {
  std::erase_if(m_owned, [child](const std::unique_ptr<CWnd>& owned) { return owned.get() == child; });
}

// ---- style ----------------------------------------------------------------------------------------

void CWnd::SetStyleBits(DWORD remove, DWORD add, mirel::WndChange change) {
  const DWORD old = m_style;
  m_style = (m_style & ~remove) | add;
  if ((old ^ m_style) & WS_VISIBLE) Changed(mirel::WndChange::Visible);
  if ((old ^ m_style) & WS_DISABLED) Changed(mirel::WndChange::Enabled);
  if ((old ^ m_style) & ~(WS_VISIBLE | WS_DISABLED)) Changed(change);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT /*flags*/) {
  const DWORD old = m_style;
  SetStyleBits(remove, add, mirel::WndChange::Style);
  return old != m_style;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT /*flags*/) {
  const DWORD old = m_exStyle;
  m_exStyle = (m_exStyle & ~remove) | add;
  if (old != m_exStyle) Changed(mirel::WndChange::Style);
  return old != m_exStyle;
}

// ---- text -----------------------------------------------------------------------------------------

void CWnd::SetTextModel(std::string text) { m_text = std::move(text); }

void CWnd::SetWindowText(LPCTSTR text) {
  SetTextModel(text ? text : "");
  Changed(mirel::WndChange::Text);
}

void CWnd::GetWindowText(CString& text) const { text = GetTextModel(); }

CString CWnd::GetWindowTextString() const { return CString(GetTextModel()); }

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const {
  if (!buffer || maxCount <= 0) return 0;
  const std::string text = GetTextModel();
  const size_t n = std::min(text.size(), size_t(maxCount - 1));
  text.copy(buffer, n);
  buffer[n] = '\0';
  return int(n);
}

int CWnd::GetWindowTextLength() const { return int(GetTextModel().size()); }

// ---- show and enable ------------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int cmdShow) {
  const BOOL wasVisible = (m_style & WS_VISIBLE) ? TRUE : FALSE;
  if (cmdShow == SW_HIDE) {
    SetStyleBits(WS_VISIBLE, 0, mirel::WndChange::Style);
  } else {
    SetStyleBits(0, WS_VISIBLE, mirel::WndChange::Style);
  }
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
  if (!m_hWnd) return FALSE;
  for (const CWnd* w = this; w; w = w->m_parent) {
    if (!(w->m_style & WS_VISIBLE)) return FALSE;
  }
  return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  const BOOL wasDisabled = (m_style & WS_DISABLED) ? TRUE : FALSE;
  if (enable) {
    SetStyleBits(WS_DISABLED, 0, mirel::WndChange::Style);
  } else {
    SetStyleBits(0, WS_DISABLED, mirel::WndChange::Style);
  }
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && !(m_style & WS_DISABLED) ? TRUE : FALSE; }

bool CWnd::CanTakeUserInput() const {
  if (!m_hWnd) return false;
  for (const CWnd* w = this; w; w = w->m_parent) {
    if (!(w->m_style & WS_VISIBLE) || (w->m_style & WS_DISABLED)) return false;
  }
  return true;
}

// ---- geometry -------------------------------------------------------------------------------------

void CWnd::SetGeometry(const CRect& rect, bool notifyPeer) {
  const CSize oldSize = m_rect.Size();
  m_rect = rect;
  if (notifyPeer) Changed(mirel::WndChange::Geometry);
  if (m_hWnd && !(oldSize == m_rect.Size())) OnSize(SIZE_RESTORED, int(m_rect.Width()), int(m_rect.Height()));
}

void CWnd::PeerSetGeometry(const CRect& rect) { SetGeometry(rect, false); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL /*repaint*/) {
  SetGeometry(CRect(x, y, x + width, y + height), true);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  if (rect) MoveWindow(int(rect->left), int(rect->top), int(rect->right - rect->left), int(rect->bottom - rect->top), repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  if (!(flags & SWP_NOZORDER)) {
    if (insertAfter == &wndTopMost) {
      m_exStyle |= WS_EX_TOPMOST;
      insertAfter = &wndTop;
    } else if (insertAfter == &wndNoTopMost) {
      m_exStyle &= ~WS_EX_TOPMOST;
      insertAfter = &wndTop;
    }
    if (m_parent && insertAfter != this) {
      auto& siblings = m_parent->m_children;
      const bool isSibling = insertAfter && insertAfter != &wndTop && insertAfter != &wndBottom &&
                             m_parent->ChildIndex(insertAfter) >= 0;
      if (insertAfter == &wndBottom || isSibling || !insertAfter || insertAfter == &wndTop) {
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (insertAfter == &wndBottom) {
          siblings.push_back(this);
        } else if (isSibling) {
          siblings.insert(siblings.begin() + m_parent->ChildIndex(insertAfter) + 1, this);
        } else {
          siblings.insert(siblings.begin(), this);
        }
      }
    }
    Changed(mirel::WndChange::ZOrder);
  }
  CRect rect = m_rect;
  if (!(flags & SWP_NOMOVE)) rect = CRect(CPoint(x, y), rect.Size());
  if (!(flags & SWP_NOSIZE)) rect = CRect(rect.TopLeft(), CSize(cx, cy));
  if (!(rect == m_rect)) SetGeometry(rect, true);
  if (flags & SWP_SHOWWINDOW) ShowWindow(SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(SW_HIDE);
  return TRUE;
}

void CWnd::GetClientRect(LPRECT rect) const {
  if (rect) *rect = CRect(0, 0, m_rect.Width(), m_rect.Height());
}

void CWnd::GetWindowRect(LPRECT rect) const {
  if (!rect) return;
  CRect r = m_rect;
  if (m_parent) m_parent->ClientToScreen(&r);
  *rect = r;
}

void CWnd::ClientToScreen(LPPOINT point) const {
  if (!point) return;
  for (const CWnd* w = this; w; w = w->m_parent) {
    point->x += w->m_rect.left;
    point->y += w->m_rect.top;
  }
}

void CWnd::ClientToScreen(LPRECT rect) const {
  if (!rect) return;
  CPoint origin(0, 0);
  ClientToScreen(&origin);
  CRect r(*rect);
  r.OffsetRect(origin);
  *rect = r;
}

void CWnd::ScreenToClient(LPPOINT point) const {
  if (!point) return;
  CPoint origin(0, 0);
  ClientToScreen(&origin);
  point->x -= origin.x;
  point->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT rect) const {
  if (!rect) return;
  CPoint origin(0, 0);
  ClientToScreen(&origin);
  CRect r(*rect);
  r.OffsetRect(-origin.x, -origin.y);
  *rect = r;
}

bool CWnd::SimulateUserResize(int width, int height) {
  if (!m_hWnd) return false;
  POINT minimum, maximum;
  GetClientTrackingSizes(minimum, maximum);
  width = int(std::clamp<long>(width, minimum.x, std::max(minimum.x, maximum.x)));
  height = int(std::clamp<long>(height, minimum.y, std::max(minimum.y, maximum.y)));
  MoveWindow(int(m_rect.left), int(m_rect.top), width, height);
  return true;
}

void CWnd::GetClientTrackingSizes(POINT& minimum, POINT& maximum) {
  MINMAXINFO info{};
  info.ptMaxTrackSize = {LONG_MAX / 4, LONG_MAX / 4};
  OnGetMinMaxInfo(&info);
  const SIZE frame = NonClientExtent();
  minimum = {std::max<LONG>(0, info.ptMinTrackSize.x - frame.cx), std::max<LONG>(0, info.ptMinTrackSize.y - frame.cy)};
  maximum = {std::max<LONG>(0, info.ptMaxTrackSize.x - frame.cx), std::max<LONG>(0, info.ptMaxTrackSize.y - frame.cy)};
}

SIZE CWnd::NonClientExtent() const {
  const DWORD style = GetStyle();
  if ((style & WS_CHILD) || (style & WS_CAPTION) != WS_CAPTION) return {0, 0};
  constexpr int kCaption = 19;
  const int border = (style & WS_THICKFRAME) ? 4 : 3;
  return {2 * border, kCaption + 2 * border};
}

// ---- focus and tab order --------------------------------------------------------------------------

CWnd* CWnd::GetFocus() { return g_focus; }

CWnd* CWnd::SetFocus() {
  CWnd* previous = g_focus;
  if (!m_hWnd || previous == this) return previous;
  g_focus = this;
  if (previous) previous->OnKillFocus(this);
  OnSetFocus(previous);
  Changed(mirel::WndChange::Focus);
  return previous;
}

CWnd* CWnd::SetFocus(mirel::FocusCause cause) {
  struct Restore {
    ~Restore() { g_focusCause = mirel::FocusCause::Program; }
  } restore;
  g_focusCause = cause;
  return SetFocus();
}

mirel::FocusCause CWnd::FocusMoveCause() { return g_focusCause; }

void CWnd::PeerSetFocus() {
  CWnd* previous = g_focus;
  if (!m_hWnd || previous == this) return;
  g_focus = this;
  if (previous) previous->OnKillFocus(this);
  OnSetFocus(previous);
}

void CWnd::CollectTabStops(std::vector<CWnd*>& out) const {
  for (CWnd* child : m_children) {
    out.push_back(child);
    if (IsControlParent(*child) && (child->m_style & WS_VISIBLE) && !(child->m_style & WS_DISABLED)) {
      child->CollectTabStops(out);
    }
  }
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
  std::vector<CWnd*> order;
  CollectTabStops(order);
  // Visible and enabled up to this window (which itself need not be shown yet).
  const auto isStop = [this](const CWnd* w) {
    if (!(w->m_style & WS_TABSTOP) || IsControlParent(*w)) return false;
    for (const CWnd* at = w; at && at != this; at = at->m_parent) {
      if (!(at->m_style & WS_VISIBLE) || (at->m_style & WS_DISABLED)) return false;
    }
    return true;
  };
  const int n = int(order.size());
  if (n == 0) return nullptr;
  int start = -1;
  for (int i = 0; i < n; ++i) {
    if (order[size_t(i)] == control) start = i;
  }
  if (start < 0) start = previous ? 0 : n - 1;  // no control: the first (or last) stop
  for (int step = 1; step <= n; ++step) {
    const int i = previous ? ((start - step) % n + n) % n : (start + step) % n;
    if (isStop(order[size_t(i)])) return order[size_t(i)];
  }
  return nullptr;
}

std::vector<CWnd*> CWnd::GetGroup() const {
  if (!m_parent) return {const_cast<CWnd*>(this)};
  const auto& siblings = m_parent->m_children;
  auto first = std::find(siblings.begin(), siblings.end(), this);
  if (first == siblings.end()) return {const_cast<CWnd*>(this)};
  while (first != siblings.begin() && !((*first)->m_style & WS_GROUP)) --first;
  auto last = first + 1;
  while (last != siblings.end() && !((*last)->m_style & WS_GROUP)) ++last;
  return {first, last};
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
  if (!control) return nullptr;
  const std::vector<CWnd*> group = control->GetGroup();
  const int n = int(group.size());
  const int at = int(std::find(group.begin(), group.end(), control) - group.begin());
  for (int step = 1; step < n; ++step) {
    CWnd* candidate = group[size_t(previous ? ((at - step) % n + n) % n : (at + step) % n)];
    if ((candidate->m_style & WS_VISIBLE) && !(candidate->m_style & WS_DISABLED)) return candidate;
  }
  return control;
}

// ---- painting -------------------------------------------------------------------------------------

void CWnd::SetRedraw(BOOL redraw) {
  m_redraw = redraw != FALSE;
  Changed(mirel::WndChange::Redraw);
}

void CWnd::Invalidate(BOOL /*erase*/) {
  ++m_invalidations;
  Changed(mirel::WndChange::Invalidate);
}

BOOL CWnd::RedrawWindow(LPCRECT, void*, UINT flags) {
  if (flags & (RDW_INVALIDATE | RDW_ERASE)) Invalidate();
  return TRUE;
}

// ---- buttons of a parent --------------------------------------------------------------------------

void CWnd::CheckDlgButton(int id, UINT check) {
  if (auto* button = dynamic_cast<CButton*>(GetDlgItem(id))) button->SetCheck(int(check));
}

UINT CWnd::IsDlgButtonChecked(int id) const {
  const auto* button = dynamic_cast<const CButton*>(GetDlgItem(id));
  return button ? UINT(button->GetCheck()) : 0;
}

void CWnd::CheckRadioButton(int first, int last, int check) {
  for (CWnd* child : m_children) {
    auto* button = dynamic_cast<CButton*>(child);
    const int id = child->m_id;
    if (button && id >= first && id <= last) button->SetCheck(id == check ? BST_CHECKED : BST_UNCHECKED);
  }
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
  for (const CWnd* child : m_children) {
    const auto* button = dynamic_cast<const CButton*>(child);
    if (button && child->m_id >= first && child->m_id <= last && button->GetCheck() == BST_CHECKED) return child->m_id;
  }
  return 0;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  const CWnd* item = GetDlgItem(id);
  text = item ? item->GetTextModel() : std::string();
  return text.GetLength();
}

// ---- commands and messages ------------------------------------------------------------------------

void CWnd::MapCommand(UINT id, std::function<void()> handler) { m_commandHandlers[id] = std::move(handler); }

void CWnd::MapNotify(UINT id, UINT code, std::function<void()> handler) {
  m_notifyHandlers[{id, code}] = std::move(handler);
}

BOOL CWnd::OnCommand(UINT id) {
  const auto it = m_commandHandlers.find(id);
  if (it == m_commandHandlers.end() || !it->second) return FALSE;
  auto handler = it->second;  // the handler may remap itself
  handler();
  return TRUE;
}

BOOL CWnd::OnControlNotify(UINT id, UINT code) {
  const auto it = m_notifyHandlers.find({id, code});
  if (it != m_notifyHandlers.end() && it->second) {
    auto handler = it->second;
    handler();
    return TRUE;
  }
  return code == BN_CLICKED ? OnCommand(id) : FALSE;
}

void CWnd::NotifyParent(UINT code) {
  if (m_parent) m_parent->OnControlNotify(UINT(m_id), code);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0) return OnCommand(LOWORD(wParam));
      return OnControlNotify(LOWORD(wParam), HIWORD(wParam));
    case WM_KEYDOWN: OnKeyDown(UINT(wParam), 1, UINT(lParam)); return 0;
    case WM_SETREDRAW: SetRedraw(wParam != 0); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_SETTEXT: SetWindowText(reinterpret_cast<LPCTSTR>(lParam)); return TRUE;
    case WM_SIZE: OnSize(UINT(wParam), LOWORD(WPARAM(lParam)), HIWORD(WPARAM(lParam))); return 0;
    case WM_GETDLGCODE: return LRESULT(OnGetDlgCode());
    case WM_CONTEXTMENU:
      OnContextMenu(this, CPoint(short(LOWORD(WPARAM(lParam))), short(HIWORD(WPARAM(lParam)))));
      return 0;
    default: return OnMessage(message, wParam, lParam);
  }
}

LRESULT CWnd::OnMessage(UINT, WPARAM, LPARAM) { return 0; }
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
UINT CWnd::OnGetDlgCode() { return 0; }
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {}
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}
void CWnd::OnClose() { DestroyWindow(); }
void CWnd::OnDestroy() {}

void CWnd::OnContextMenu(CWnd* wnd, CPoint screenPoint) {
  if (m_parent) m_parent->OnContextMenu(wnd, screenPoint);  // as the default window procedure does
}

void CWnd::WinHelp(DWORD_PTR data, UINT command) { mirel::Interaction().Help({data, command}); }

void CWnd::RegisterDropTarget(mirel::IDropTarget* target) {
  m_dropTarget = target;
  Changed(mirel::WndChange::Custom);
}

// ---- realisation ----------------------------------------------------------------------------------

void CWnd::Changed(mirel::WndChange what) {
  if (m_peer) m_peer->OnModelChanged(what);
}

void CWnd::AdoptState(CWnd&) {}

void CWnd::RealiseTree() {
  if (!m_hWnd) return;
  auto* backend = mirel::WindowBackend();
  if (!m_peer && backend && (!m_parent || m_parent->m_peer)) m_peer = backend->Realise(*this);
  for (CWnd* child : m_children) child->RealiseTree();
}
