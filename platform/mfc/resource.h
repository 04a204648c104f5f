#pragma once
// Resources as data: dialog templates, menus, string tables and bitmaps, grouped in modules
// that form a chain (the stand-in for MFC's resource chain). A library adds its module when it
// starts and removes it when it unloads; look-ups search the modules in the order they were
// added. Not thread-safe: everything runs on the user-interface thread.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/mfc/afxtypes.h"
#include "platform/mfc/winconst.h"

namespace mirel {

// x, y, width, height in dialog units.
struct DlgRect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

enum class ControlKind { Button, Edit, Static, ListBox, ComboBox, Custom };

// One control of a dialog template. `style` holds the Windows style bits: WS_* plus the kind's
// own (ES_UPPERCASE, ES_MULTILINE, ES_READONLY, ES_AUTOHSCROLL, BS_DEFPUSHBUTTON, LBS_SORT,
// LBS_OWNERDRAWFIXED, CBS_DROPDOWN / CBS_DROPDOWNLIST, CBS_SORT, CBS_UPPERCASE, SS_CENTER ...).
struct ControlTemplate {
  int id = IDC_STATIC;
  ControlKind kind = ControlKind::Static;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  DlgRect rect;
  std::string className;  // the window kind of a Custom control (CWnd::GetWindowKind)

  ControlTemplate With(DWORD add) const { ControlTemplate c = *this; c.style |= add; return c; }
  ControlTemplate Without(DWORD remove) const { ControlTemplate c = *this; c.style &= ~remove; return c; }
  // "Hidden and disabled", as resource scripts write NOT WS_VISIBLE | WS_DISABLED.
  ControlTemplate HiddenDisabled() const { return Without(WS_VISIBLE).With(WS_DISABLED); }
};

// Builders named after the resource script statements, with the styles those statements imply
// (WS_CHILD | WS_VISIBLE always; EDITTEXT adds WS_BORDER | WS_TABSTOP; PUSHBUTTON, the check and
// combo boxes WS_TABSTOP; LTEXT / CTEXT / RTEXT WS_GROUP; LISTBOX LBS_NOTIFY | WS_BORDER).
// `style` is added to those.
ControlTemplate LText(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate CText(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate RText(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate EditText(int id, DlgRect rect, DWORD style = 0);
ControlTemplate PushButton(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate DefPushButton(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate GroupBox(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate AutoCheckBox(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate AutoRadioButton(std::string text, int id, DlgRect rect, DWORD style = 0);
ControlTemplate ListBox(int id, DlgRect rect, DWORD style = 0);
ControlTemplate ComboBox(int id, DlgRect rect, DWORD style = 0);
ControlTemplate Control(std::string text, int id, std::string className, DWORD style, DlgRect rect);

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  DWORD exStyle = 0;
  std::string fontName = "MS Shell Dlg";
  int fontSize = 8;  // points
  DlgRect rect;      // the dialog's client area
  std::vector<ControlTemplate> controls;  // in z / tab order
};

struct MenuItemTemplate {
  std::string text;  // "&Copy\tCtrl+C"
  UINT id = 0;
  UINT flags = 0;  // MF_SEPARATOR, MF_POPUP, MF_GRAYED, MF_CHECKED ...
  std::vector<MenuItemTemplate> items;  // a pop-up's items

  static MenuItemTemplate Item(std::string text, UINT id, UINT flags = 0) { return {std::move(text), id, flags, {}}; }
  static MenuItemTemplate Separator() { return {"", 0, MF_SEPARATOR, {}}; }
  static MenuItemTemplate Popup(std::string text, std::vector<MenuItemTemplate> items) {
    return {std::move(text), 0, MF_POPUP, std::move(items)};
  }
};

struct MenuTemplate {
  UINT id = 0;
  std::vector<MenuItemTemplate> items;
};

// A small bitmap: width * height colours, row by row from the top.
struct Bitmap {
  UINT id = 0;
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels.at(size_t(y) * size_t(width) + size_t(x)); }
};

class ResourceModule {
 public:
  explicit ResourceModule(std::string name) : m_name(std::move(name)) {}
  const std::string& Name() const { return m_name; }

  // A later entry with the same id replaces the earlier one.
  void AddDialog(DialogTemplate dialog);
  void AddMenu(MenuTemplate menu);
  void AddString(UINT id, std::string text);
  void AddBitmap(Bitmap bitmap);

  const DialogTemplate* FindDialog(UINT id) const;
  const MenuTemplate* FindMenu(UINT id) const;
  const std::string* FindString(UINT id) const;
  const Bitmap* FindBitmap(UINT id) const;
  std::vector<UINT> DialogIds() const;
  std::vector<UINT> StringIds() const;

 private:
  std::string m_name;
  std::map<UINT, DialogTemplate> m_dialogs;
  std::map<UINT, MenuTemplate> m_menus;
  std::map<UINT, std::string> m_strings;
  std::map<UINT, Bitmap> m_bitmaps;
};

// The chain. Modules are not owned and must outlive their membership. Adding a module that is
// in the chain already, or removing one that is not, changes nothing and returns false.
bool AddResourceModule(const ResourceModule& module);
bool RemoveResourceModule(const ResourceModule& module);
bool IsResourceModuleAdded(const ResourceModule& module);

std::optional<std::string> LoadString(UINT id);
const DialogTemplate* FindDialogTemplate(UINT id);
const MenuTemplate* FindMenu(UINT id);
const Bitmap* FindBitmap(UINT id);

}  // namespace mirel
