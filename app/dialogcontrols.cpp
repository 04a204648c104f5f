#include "app/dialogcontrols.h"

#include <algorithm>
#include <cctype>

namespace mirel::cli {

namespace {

constexpr COLORREF kBlueText = 0xFF0000;

bool IsPage(const CWnd* wnd) { return dynamic_cast<const CDialog*>(wnd) != nullptr; }

bool IsControl(const CWnd* wnd) { return !IsPage(wnd) && std::string_view(wnd->GetWindowKind()) != "tooltips_class32"; }

bool HasId(const std::vector<CWnd*>& controls, int id) {
  return std::any_of(controls.begin(), controls.end(), [id](const CWnd* c) { return c->GetDlgCtrlID() == id; });
}

// The dialog's own controls: in the order of its template, then any made in code.
std::vector<CWnd*> OwnControls(const CDialog& dialog) {
  std::vector<CWnd*> children;
  for (CWnd* child : dialog.Children()) {
    if (IsControl(child)) children.push_back(child);
  }
  std::vector<CWnd*> ordered;
  std::vector<bool> listed(children.size(), false);
  if (const mirel::DialogTemplate* dialogTemplate = dialog.GetTemplate()) {
    for (const mirel::ControlTemplate& control : dialogTemplate->controls) {
      for (size_t i = 0; i < children.size(); ++i) {
        if (!listed[i] && children[i]->GetDlgCtrlID() == control.id) {
          listed[i] = true;
          ordered.push_back(children[i]);
          break;
        }
      }
    }
  }
  // Windows made in code follow, except one that shares its id with a listed control (a
  // placeholder whose place the other took): the id reaches only the first anyway.
  for (size_t i = 0; i < children.size(); ++i) {
    const int id = children[i]->GetDlgCtrlID();
    if (!listed[i] && (id == IDC_STATIC || !HasId(ordered, id))) ordered.push_back(children[i]);
  }
  return ordered;
}

nlohmann::ordered_json ItemsToJson(const std::vector<ListItem>& items) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const ListItem& item : items) list.push_back({{"text", item.text}, {"blue", item.color == kBlueText}});
  return list;
}

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') quoted += "\\n";
    else if (c == '\t') quoted += "\\t";
    else quoted += c;
  }
  return quoted + "\"";
}

std::string ItemsToText(const std::vector<ListItem>& items) {
  std::string text;
  for (const ListItem& item : items) {
    if (!text.empty()) text += ", ";
    text += (item.color == kBlueText ? "*" : "") + item.text;
  }
  return "[" + text + "]";
}

template <typename T>
T* As(CWnd& control) {
  return dynamic_cast<T*>(&control);
}

Acted Result(bool done) { return done ? Acted::Done : Acted::Refused; }

}  // namespace

std::vector<CDialog*> HostedPages(CDialog& dialog) {
  std::vector<CDialog*> pages;
  for (CWnd* child : dialog.Children()) {
    if (auto* page = dynamic_cast<CDialog*>(child)) pages.push_back(page);
  }
  return pages;
}

CWnd* FindDialogControl(CDialog& dialog, int id) {
  for (CWnd* control : OwnControls(dialog)) {
    if (control->GetDlgCtrlID() == id) return control;
  }
  for (CDialog* page : HostedPages(dialog)) {
    for (CWnd* control : OwnControls(*page)) {
      if (control->GetDlgCtrlID() == id) return control;
    }
  }
  return nullptr;
}

std::vector<CWnd*> ListedControls(CDialog& dialog) {
  std::vector<CWnd*> controls = OwnControls(dialog);
  const std::vector<CWnd*> own = controls;
  for (CDialog* page : HostedPages(dialog)) {
    for (CWnd* control : OwnControls(*page)) {
      const int id = control->GetDlgCtrlID();
      if (id == IDC_STATIC || !HasId(own, id)) controls.push_back(control);
    }
  }
  return controls;
}

std::string ControlKindName(const CWnd& control) {
  if (auto* button = dynamic_cast<const CButton*>(&control)) {
    if (button->IsGroupBox()) return "group";
    if (button->IsCheckBox()) return "checkbox";
    if (button->IsRadioButton()) return "radio";
    return "button";
  }
  if (dynamic_cast<const CEdit*>(&control)) return "edit";
  if (dynamic_cast<const CStatic*>(&control)) return "static";
  if (dynamic_cast<const CListBox*>(&control)) return "listbox";
  if (dynamic_cast<const CComboBox*>(&control)) return "combobox";
  std::string kind = control.GetWindowKind();
  if (kind == "GXWND") return "grid";
  std::transform(kind.begin(), kind.end(), kind.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return kind;
}

nlohmann::ordered_json ControlsToJson(CDialog& dialog) {
  nlohmann::ordered_json controls = nlohmann::ordered_json::array();
  for (CWnd* control : ListedControls(dialog)) {
    nlohmann::ordered_json entry;
    const std::string kind = ControlKindName(*control);
    entry["id"] = control->GetDlgCtrlID();
    entry["kind"] = kind;
    auto* list = As<CListBox>(*control);
    if (!list && kind != "grid") entry["text"] = control->GetWindowTextString().str();
    if (kind == "checkbox" || kind == "radio") entry["checked"] = As<CButton>(*control)->GetCheck() == BST_CHECKED;
    if (list) {
      entry["items"] = ItemsToJson(list->Items());
      nlohmann::ordered_json selected = nlohmann::ordered_json::array();
      if (list->GetCurSel() >= 0) selected.push_back(list->GetItemText(list->GetCurSel()).str());
      entry["selected"] = std::move(selected);
    }
    if (auto* combo = As<CComboBox>(*control)) entry["items"] = ItemsToJson(combo->Items());
    entry["visible"] = control->IsWindowVisible() != FALSE;
    entry["enabled"] = control->IsWindowEnabled() != FALSE;
    controls.push_back(std::move(entry));
  }
  nlohmann::ordered_json record;
  record["dialog"] = dialog.GetTemplateId();
  record["caption"] = dialog.GetWindowTextString().str();
  record["controls"] = std::move(controls);
  return record;
}

std::vector<std::string> ControlsToText(CDialog& dialog) {
  std::vector<std::string> lines{"dialog " + std::to_string(dialog.GetTemplateId()) + " " +
                                 Quote(dialog.GetWindowTextString().str())};
  for (CWnd* control : ListedControls(dialog)) {
    const std::string kind = ControlKindName(*control);
    std::string line = "  " + std::to_string(control->GetDlgCtrlID()) + " " + kind;
    auto* list = As<CListBox>(*control);
    if (!list && kind != "grid") line += " " + Quote(control->GetWindowTextString().str());
    if (kind == "checkbox" || kind == "radio") line += As<CButton>(*control)->GetCheck() == BST_CHECKED ? " checked" : " unchecked";
    if (list) {
      line += " " + ItemsToText(list->Items());
      if (list->GetCurSel() >= 0) line += " selected " + Quote(list->GetItemText(list->GetCurSel()).str());
    }
    if (auto* combo = As<CComboBox>(*control)) line += " " + ItemsToText(combo->Items());
    if (!control->IsWindowVisible()) line += " hidden";
    if (!control->IsWindowEnabled()) line += " disabled";
    lines.push_back(std::move(line));
  }
  return lines;
}

Acted ClickControl(CWnd& control) {
  auto* button = As<CButton>(control);
  if (!button || button->IsGroupBox()) return Acted::WrongKind;
  return Result(button->SimulateClick());
}

Acted TypeIntoControl(CWnd& control, std::string_view text) {
  if (auto* edit = As<CEdit>(control)) return Result(edit->SimulateEnterText(text));
  if (auto* combo = As<CComboBox>(control)) {
    if (!combo->HasEdit()) return Acted::WrongKind;
    return Result(combo->SimulateEnterText(text));
  }
  return Acted::WrongKind;
}

Acted ChooseEntry(CWnd& control, std::string_view text) {
  const std::string wanted(text);
  if (auto* list = As<CListBox>(control)) {
    const int index = list->FindStringExact(-1, wanted.c_str());
    return Result(index >= 0 && list->SimulateSelect(index));
  }
  if (auto* combo = As<CComboBox>(control)) {
    const int index = combo->FindStringExact(-1, wanted.c_str());
    return Result(index >= 0 && combo->SimulateSelect(index));
  }
  return Acted::WrongKind;
}

Acted DoubleClickEntry(CWnd& control, std::string_view text) {
  auto* list = As<CListBox>(control);
  if (!list) return Acted::WrongKind;
  const int index = list->FindStringExact(-1, std::string(text).c_str());
  return Result(index >= 0 && list->SimulateDoubleClick(index));
}

Acted DropDownAndClose(CWnd& control) {
  auto* combo = As<CComboBox>(control);
  if (!combo) return Acted::WrongKind;
  if (!combo->SimulateDropDown()) return Acted::Refused;
  combo->SimulateCloseUp();
  return Acted::Done;
}

Acted FocusControl(CWnd& control) {
  if (!control.CanTakeUserInput()) return Acted::Refused;
  control.SetFocus();
  return Acted::Done;
}

}  // namespace mirel::cli
