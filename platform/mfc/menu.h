#pragma once
// CMenu: a menu loaded from the resource chain or built in code, with enabling, checking and
// tracking. Tracking asks the interaction service which command the person chose and, unless
// TPM_RETURNCMD, sends it to the owner window's command handlers (CWnd::OnCommand).
#include <memory>
#include <string>
#include <vector>

#include "platform/mfc/resource.h"
#include "platform/mfc/wnd.h"

namespace mirel {
struct MenuItemView;
}

class CMenu {
 public:
  CMenu() = default;
  ~CMenu() = default;
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  BOOL LoadMenu(UINT id);  // FALSE when the menu is not in the resource chain
  BOOL LoadMenuIndirect(const mirel::MenuTemplate& menu);
  BOOL CreatePopupMenu();
  BOOL CreateMenu() { return CreatePopupMenu(); }
  BOOL DestroyMenu();
  bool IsLoaded() const { return m_loaded; }

  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
  CMenu* AppendPopup(LPCTSTR text);  // a new empty pop-up at the end
  CMenu* GetSubMenu(int position) const;  // owned by this menu
  int GetMenuItemCount() const { return int(m_items.size()); }
  // The command id at a position: 0 for a separator, 0xFFFFFFFF for a pop-up or no item.
  UINT GetMenuItemID(int position) const;
  int GetMenuString(UINT idOrPosition, CString& text, UINT flags) const;
  // MF_GRAYED / MF_DISABLED / MF_CHECKED / MF_SEPARATOR / MF_POPUP bits, 0xFFFFFFFF when missing.
  UINT GetMenuState(UINT idOrPosition, UINT flags) const;
  // By command (searching pop-ups too) or by position. The previous MF_GRAYED / MF_DISABLED
  // state, or 0xFFFFFFFF when there is no such item.
  UINT EnableMenuItem(UINT idOrPosition, UINT enable);
  UINT CheckMenuItem(UINT idOrPosition, UINT check);
  bool IsItemEnabled(UINT id) const;  // by command

  // Shows this menu at a screen point. Returns the chosen command with TPM_RETURNCMD (0 when
  // dismissed); otherwise sends a chosen command to `owner` and returns TRUE when one was chosen.
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
  std::vector<mirel::MenuItemView> View() const;

 private:
  struct Item {
    std::string text;
    UINT id = 0;
    UINT state = 0;  // MF_* bits
    std::unique_ptr<CMenu> popup;
  };
  Item* Find(UINT idOrPosition, UINT flags);
  const Item* Find(UINT idOrPosition, UINT flags) const;
  void Load(const std::vector<mirel::MenuItemTemplate>& items);
  std::vector<Item> m_items;
  bool m_loaded = false;
};
