// The actions of dialog scripts: what a person does to a control, refused loudly when a person
// could not do it.
#include <deque>

#include "platform/mfc/dialog.h"
#include "platform/mfc/scripted.h"

namespace mirel::script {
namespace {

[[noreturn]] void Refuse(CWnd& dialog, const std::string& why) {
  AskedQuestion question{QuestionKind::Dialog, "", dialog.GetWindowTextString().str(), {}};
  if (const auto* d = dynamic_cast<const CDialog*>(&dialog)) question.code = std::to_string(d->GetTemplateId());
  throw UnansweredQuestion(question, why);
}

// The control with the id among the dialog's windows, child pages included (breadth first).
CWnd& Find(CWnd& dialog, int id) {
  std::deque<CWnd*> pending(dialog.Children().begin(), dialog.Children().end());
  while (!pending.empty()) {
    CWnd* wnd = pending.front();
    pending.pop_front();
    if (wnd->GetDlgCtrlID() == id) return *wnd;
    pending.insert(pending.end(), wnd->Children().begin(), wnd->Children().end());
  }
  Refuse(dialog, "the script uses control " + std::to_string(id) + ", which the dialog does not have");
}

template <typename T>
T& FindAs(CWnd& dialog, int id, const char* kind) {
  auto* control = dynamic_cast<T*>(&Find(dialog, id));
  if (!control) Refuse(dialog, "control " + std::to_string(id) + " is no " + kind);
  return *control;
}

void Check(CWnd& dialog, bool done, int id, const std::string& action) {
  if (!done) Refuse(dialog, "control " + std::to_string(id) + " refuses to " + action + " (hidden, disabled or read-only)");
}

}  // namespace

void Click(CWnd& dialog, int id) {
  auto& button = FindAs<CButton>(dialog, id, "button");
  Check(dialog, button.SimulateClick(), id, "be clicked");
}

void Type(CWnd& dialog, int id, std::string_view text) {
  CWnd& control = Find(dialog, id);
  if (auto* edit = dynamic_cast<CEdit*>(&control)) {
    Check(dialog, edit->SimulateEnterText(text), id, "take typing");
  } else if (auto* combo = dynamic_cast<CComboBox*>(&control)) {
    Check(dialog, combo->SimulateEnterText(text), id, "take typing");
  } else {
    Refuse(dialog, "control " + std::to_string(id) + " takes no typing");
  }
}

void Select(CWnd& dialog, int id, int index) {
  CWnd& control = Find(dialog, id);
  const std::string action = "select entry " + std::to_string(index);
  if (auto* list = dynamic_cast<CListBox*>(&control)) {
    Check(dialog, list->SimulateSelect(index), id, action);
  } else if (auto* combo = dynamic_cast<CComboBox*>(&control)) {
    Check(dialog, combo->SimulateSelect(index), id, action);
  } else {
    Refuse(dialog, "control " + std::to_string(id) + " has no entries");
  }
}

void SelectText(CWnd& dialog, int id, std::string_view text) {
  CWnd& control = Find(dialog, id);
  int index = -1;
  if (auto* list = dynamic_cast<CListBox*>(&control)) index = list->FindStringExact(-1, std::string(text).c_str());
  if (auto* combo = dynamic_cast<CComboBox*>(&control)) index = combo->FindStringExact(-1, std::string(text).c_str());
  if (index < 0) Refuse(dialog, "control " + std::to_string(id) + " has no entry \"" + std::string(text) + "\"");
  Select(dialog, id, index);
}

void DoubleClick(CWnd& dialog, int id, int index) {
  auto& list = FindAs<CListBox>(dialog, id, "list box");
  Check(dialog, list.SimulateDoubleClick(index), id, "double-click entry " + std::to_string(index));
}

void SetChecked(CWnd& dialog, int id, bool checked) {
  auto& button = FindAs<CButton>(dialog, id, "button");
  if ((button.GetCheck() == BST_CHECKED) == checked) return;
  if (!checked && button.IsRadioButton()) Refuse(dialog, "radio button " + std::to_string(id) + " cannot be cleared by a click");
  Check(dialog, button.SimulateClick(), id, "be clicked");
}

void DropDown(CWnd& dialog, int id) {
  auto& combo = FindAs<CComboBox>(dialog, id, "combo box");
  Check(dialog, combo.SimulateDropDown(), id, "drop down");
}

void Key(CWnd& target, UINT virtualKey, bool shift) { SimulateKeyDown(target, virtualKey, shift); }

}  // namespace mirel::script
