#include "platform/mfc/resource.h"

#include <algorithm>

namespace mirel {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

std::vector<const ResourceModule*>& Chain() {
  static std::vector<const ResourceModule*> chain;
  return chain;
}

ControlTemplate Make(ControlKind kind, std::string text, int id, DlgRect rect, DWORD style) {
  ControlTemplate control;
  control.id = id;
  control.kind = kind;
  control.text = std::move(text);
  control.style = kChild | style;
  control.rect = rect;
  return control;
}

}  // namespace

ControlTemplate LText(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Static, std::move(text), id, rect, SS_LEFT | WS_GROUP | style);
}
ControlTemplate CText(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Static, std::move(text), id, rect, SS_CENTER | WS_GROUP | style);
}
ControlTemplate RText(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Static, std::move(text), id, rect, SS_RIGHT | WS_GROUP | style);
}
ControlTemplate EditText(int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Edit, "", id, rect, ES_LEFT | WS_BORDER | WS_TABSTOP | style);
}
ControlTemplate PushButton(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Button, std::move(text), id, rect, BS_PUSHBUTTON | WS_TABSTOP | (style & ~BS_TYPEMASK));
}
ControlTemplate DefPushButton(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Button, std::move(text), id, rect, BS_DEFPUSHBUTTON | WS_TABSTOP | (style & ~BS_TYPEMASK));
}
ControlTemplate GroupBox(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Button, std::move(text), id, rect, BS_GROUPBOX | (style & ~BS_TYPEMASK));
}
ControlTemplate AutoCheckBox(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Button, std::move(text), id, rect, BS_AUTOCHECKBOX | WS_TABSTOP | (style & ~BS_TYPEMASK));
}
ControlTemplate AutoRadioButton(std::string text, int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::Button, std::move(text), id, rect, BS_AUTORADIOBUTTON | WS_TABSTOP | (style & ~BS_TYPEMASK));
}
ControlTemplate ListBox(int id, DlgRect rect, DWORD style) {
  return Make(ControlKind::ListBox, "", id, rect, LBS_NOTIFY | WS_BORDER | style);
}
ControlTemplate ComboBox(int id, DlgRect rect, DWORD style) {
  // The type bits given replace the default simple combo box.
  const DWORD type = (style & CBS_TYPEMASK) ? 0 : CBS_SIMPLE;
  return Make(ControlKind::ComboBox, "", id, rect, type | WS_TABSTOP | style);
}
ControlTemplate Control(std::string text, int id, std::string className, DWORD style, DlgRect rect) {
  ControlTemplate control = Make(ControlKind::Custom, std::move(text), id, rect, style);
  control.className = std::move(className);
  return control;
}

void ResourceModule::AddDialog(DialogTemplate dialog) { m_dialogs[dialog.id] = std::move(dialog); }
void ResourceModule::AddMenu(MenuTemplate menu) { m_menus[menu.id] = std::move(menu); }
void ResourceModule::AddString(UINT id, std::string text) { m_strings[id] = std::move(text); }
void ResourceModule::AddBitmap(Bitmap bitmap) { m_bitmaps[bitmap.id] = std::move(bitmap); }

const DialogTemplate* ResourceModule::FindDialog(UINT id) const {
  const auto it = m_dialogs.find(id);
  return it == m_dialogs.end() ? nullptr : &it->second;
}
const MenuTemplate* ResourceModule::FindMenu(UINT id) const {
  const auto it = m_menus.find(id);
  return it == m_menus.end() ? nullptr : &it->second;
}
const std::string* ResourceModule::FindString(UINT id) const {
  const auto it = m_strings.find(id);
  return it == m_strings.end() ? nullptr : &it->second;
}
const Bitmap* ResourceModule::FindBitmap(UINT id) const {
  const auto it = m_bitmaps.find(id);
  return it == m_bitmaps.end() ? nullptr : &it->second;
}

std::vector<UINT> ResourceModule::DialogIds() const {
  std::vector<UINT> ids;
  for (const auto& [id, dialog] : m_dialogs) ids.push_back(id);
  return ids;
}

std::vector<UINT> ResourceModule::StringIds() const {
  std::vector<UINT> ids;
  for (const auto& [id, text] : m_strings) ids.push_back(id);
  return ids;
}

bool AddResourceModule(const ResourceModule& module) {
  if (IsResourceModuleAdded(module)) return false;
  Chain().push_back(&module);
  return true;
}

bool RemoveResourceModule(const ResourceModule& module) {
  auto& chain = Chain();
  const auto it = std::find(chain.begin(), chain.end(), &module);
  if (it == chain.end()) return false;
  chain.erase(it);
  return true;
}

bool IsResourceModuleAdded(const ResourceModule& module) {
  const auto& chain = Chain();
  return std::find(chain.begin(), chain.end(), &module) != chain.end();
}

std::optional<std::string> LoadString(UINT id) {
  for (const ResourceModule* module : Chain()) {
    if (const std::string* text = module->FindString(id)) return *text;
  }
  return std::nullopt;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  for (const ResourceModule* module : Chain()) {
    if (const auto* dialog = module->FindDialog(id)) return dialog;
  }
  return nullptr;
}

const MenuTemplate* FindMenu(UINT id) {
  for (const ResourceModule* module : Chain()) {
    if (const auto* menu = module->FindMenu(id)) return menu;
  }
  return nullptr;
}

const Bitmap* FindBitmap(UINT id) {
  for (const ResourceModule* module : Chain()) {
    if (const auto* bitmap = module->FindBitmap(id)) return bitmap;
  }
  return nullptr;
}

}  // namespace mirel
