#include "platform/mfc/menu.h"

#include "platform/mfc/interaction.h"

namespace {
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP;
constexpr UINT kNoItem = 0xFFFFFFFF;
}  // namespace

BOOL CMenu::LoadMenu(UINT id) {
  const auto* menu = mirel::FindMenu(id);
  return menu ? LoadMenuIndirect(*menu) : FALSE;
}

BOOL CMenu::LoadMenuIndirect(const mirel::MenuTemplate& menu) {
  m_items.clear();
  Load(menu.items);
  m_loaded = true;
  return TRUE;
}

void CMenu::Load(const std::vector<mirel::MenuItemTemplate>& items) {
  for (const auto& source : items) {
    Item item;
    item.text = source.text;
    item.id = source.id;
    item.state = source.flags & kStateBits;
    if (source.flags & MF_POPUP) {
      item.popup = std::make_unique<CMenu>();
      item.popup->Load(source.items);
      item.popup->m_loaded = true;
    }
    m_items.push_back(std::move(item));
  }
}

BOOL CMenu::CreatePopupMenu() {
  m_items.clear();
  m_loaded = true;
  return TRUE;
}

BOOL CMenu::DestroyMenu() {
  const bool was = m_loaded;
  m_items.clear();
  m_loaded = false;
  return was ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
  if (!m_loaded || (flags & MF_POPUP)) return FALSE;  // pop-ups are added with AppendPopup
  Item item;
  item.text = text ? text : "";
  item.id = (flags & MF_SEPARATOR) ? 0 : UINT(id);
  item.state = flags & kStateBits;
  m_items.push_back(std::move(item));
  return TRUE;
}

CMenu* CMenu::AppendPopup(LPCTSTR text) {
  if (!m_loaded) return nullptr;
  Item item;
  item.text = text ? text : "";
  item.state = MF_POPUP;
  item.popup = std::make_unique<CMenu>();
  item.popup->m_loaded = true;
  m_items.push_back(std::move(item));
  return m_items.back().popup.get();
}

CMenu* CMenu::GetSubMenu(int position) const {
  if (position < 0 || position >= GetMenuItemCount()) return nullptr;
  return m_items[size_t(position)].popup.get();
}

UINT CMenu::GetMenuItemID(int position) const {
  if (position < 0 || position >= GetMenuItemCount()) return kNoItem;
  const Item& item = m_items[size_t(position)];
  if (item.popup) return kNoItem;
  return (item.state & MF_SEPARATOR) ? 0 : item.id;
}

CMenu::Item* CMenu::Find(UINT idOrPosition, UINT flags) {
  if (flags & MF_BYPOSITION) {
    return idOrPosition < m_items.size() ? &m_items[idOrPosition] : nullptr;
  }
  for (Item& item : m_items) {
    if (item.popup) {
      if (Item* found = item.popup->Find(idOrPosition, flags)) return found;
    } else if (!(item.state & MF_SEPARATOR) && item.id == idOrPosition) {
      return &item;
    }
  }
  return nullptr;
}

const CMenu::Item* CMenu::Find(UINT idOrPosition, UINT flags) const {
  return const_cast<CMenu*>(this)->Find(idOrPosition, flags);
}

int CMenu::GetMenuString(UINT idOrPosition, CString& text, UINT flags) const {
  const Item* item = Find(idOrPosition, flags);
  text = item ? item->text : std::string();
  return text.GetLength();
}

UINT CMenu::GetMenuState(UINT idOrPosition, UINT flags) const {
  const Item* item = Find(idOrPosition, flags);
  return item ? item->state : kNoItem;
}

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT enable) {
  Item* item = Find(idOrPosition, enable & MF_BYPOSITION);
  if (!item) return kNoItem;
  const UINT previous = item->state & (MF_GRAYED | MF_DISABLED);
  item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return previous;
}

UINT CMenu::CheckMenuItem(UINT idOrPosition, UINT check) {
  Item* item = Find(idOrPosition, check & MF_BYPOSITION);
  if (!item) return kNoItem;
  const UINT previous = item->state & MF_CHECKED;
  item->state = (item->state & ~MF_CHECKED) | (check & MF_CHECKED);
  return previous;
}

bool CMenu::IsItemEnabled(UINT id) const {
  const Item* item = Find(id, MF_BYCOMMAND);
  return item && !(item->state & (MF_GRAYED | MF_DISABLED));
}

std::vector<mirel::MenuItemView> CMenu::View() const {
  std::vector<mirel::MenuItemView> view;
  for (const Item& item : m_items) {
    mirel::MenuItemView entry;
    entry.text = item.text;
    entry.id = item.popup ? 0 : item.id;
    entry.separator = (item.state & MF_SEPARATOR) != 0;
    entry.enabled = !(item.state & (MF_GRAYED | MF_DISABLED));
    entry.checked = (item.state & MF_CHECKED) != 0;
    if (item.popup) entry.items = item.popup->View();
    view.push_back(std::move(entry));
  }
  return view;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT) {
  if (!m_loaded) return FALSE;
  mirel::MenuRequest request;
  request.items = View();
  request.screenPoint = POINT{x, y};
  request.flags = flags;
  UINT command = mirel::Interaction().TrackPopupMenu(request);
  if (command != 0 && !IsItemEnabled(command)) command = 0;  // a grayed item cannot be chosen
  if (flags & TPM_RETURNCMD) return BOOL(command);
  if (command == 0) return FALSE;
  if (owner) owner->OnCommand(command);
  return TRUE;
}
