#pragma once
// The controls of an open dialog as a script sees them: found by resource id among the dialog's
// own controls, then among those of a page it hosts (a child dialog); listed in template order,
// the page's after the dialog's; and worked as a person works them. Nothing here throws: a
// control that does not take the action says so, and the caller decides what that means.
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/mfc/afxwin.h"

namespace mirel::cli {

// The dialog's own control with the id, else a hosted page's; null when neither has it.
CWnd* FindDialogControl(CDialog& dialog, int id);
// The pages the dialog hosts (its child dialogs), in z order.
std::vector<CDialog*> HostedPages(CDialog& dialog);
// Every control: the dialog's in template order, then each page's (skipping ids the dialog has).
std::vector<CWnd*> ListedControls(CDialog& dialog);

// "edit", "button", "checkbox", "radio", "group", "static", "listbox", "combobox", "grid", or
// the window kind in lower case for another window.
std::string ControlKindName(const CWnd& control);

// {"dialog":ID,"caption":...,"controls":[{"id":..,"kind":..,...}, ...]}
nlohmann::ordered_json ControlsToJson(CDialog& dialog);
// The same in text lines: the dialog, then one control a line.
std::vector<std::string> ControlsToText(CDialog& dialog);

enum class Acted {
  Done,
  Refused,     // a person could not have done it: hidden, disabled, read-only, no such entry
  WrongKind,   // the control does not take this action at all (a click on an edit)
};

Acted ClickControl(CWnd& control);                         // push button, check box, radio
Acted TypeIntoControl(CWnd& control, std::string_view text);  // edit, combo box's edit field
Acted ChooseEntry(CWnd& control, std::string_view text);   // list or combo box, no letter case
Acted DoubleClickEntry(CWnd& control, std::string_view text);  // list box
Acted DropDownAndClose(CWnd& control);                     // combo box
Acted FocusControl(CWnd& control);

}  // namespace mirel::cli
