#include "mfc/sample_dialog.h"

namespace sample {

const mirel::ResourceModule& Module() {
  static const mirel::ResourceModule module = [] {
    using namespace mirel;
    ResourceModule m("sample");
    DialogTemplate dialog;
    dialog.id = kDialogId;
    dialog.caption = "Sample Dialog";
    dialog.rect = {0, 0, 200, 150};
    dialog.controls = {
        LText("&Name:", IDC_STATIC, {7, 9, 30, 8}),
        EditText(kName, {40, 7, 100, 12}, ES_AUTOHSCROLL | ES_UPPERCASE),
        AutoCheckBox("&Enabled", kEnabled, {7, 24, 60, 10}),
        AutoRadioButton("&First", kFirst, {7, 38, 50, 10}, WS_GROUP),
        AutoRadioButton("&Second", kSecond, {60, 38, 50, 10}),
        ListBox(kList, {7, 52, 90, 40}, LBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_GROUP),
        ComboBox(kCombo, {105, 52, 88, 60}, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL),
        EditText(kNotes, {105, 70, 88, 24}, ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL),
        GroupBox("Options", IDC_STATIC, {3, 0, 194, 96}),
        DefPushButton("OK", IDOK, {30, 128, 50, 14}),
        PushButton("Cancel", IDCANCEL, {85, 128, 50, 14}),
        PushButton("&Help", ID_HELP, {140, 128, 50, 14}),
    };
    m.AddDialog(dialog);

    DialogTemplate page;
    page.id = kPageId;
    page.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    page.rect = {0, 0, 120, 40};
    page.controls = {
        EditText(kPageEdit, {5, 5, 60, 12}),
        PushButton("Go", kPageButton, {70, 5, 40, 14}),
        PushButton("Hidden", IDOK, {70, 22, 40, 14}).HiddenDisabled(),
    };
    m.AddDialog(page);

    m.AddMenu({kMenuId,
               {MenuItemTemplate::Popup("&Context", {MenuItemTemplate::Item("&One", kCmdOne),
                                                     MenuItemTemplate::Separator(),
                                                     MenuItemTemplate::Item("&Two", kCmdTwo, MF_GRAYED)})}});
    m.AddString(9100, "Sample caption");
    return m;
  }();
  return module;
}

SampleDialog::SampleDialog(CWnd* parent) : CDialog(kDialogId, parent) {
  MapNotify(kList, LBN_DBLCLK, [this] { ++listDoubleClicks; });
  MapNotify(kCombo, CBN_DROPDOWN, [this] { ++comboDropDowns; });
}

void SampleDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, kList, m_list);
  DDX_Control(dx, kCombo, m_combo);
  DDX_Text(dx, kName, m_name, 10);
  DDX_Check(dx, kEnabled, m_enabled);
  DDX_Radio(dx, kFirst, m_choice);
  DDX_Text(dx, kNotes, m_notes);
}

BOOL SampleDialog::OnInitDialog() {
  ++initCount;
  CDialog::OnInitDialog();
  m_list.AddString("beta");
  m_list.AddString("Alpha");
  m_list.AddString("gamma");
  m_combo.AddString("RELOP");
  m_combo.AddString("MATH-OP");
  m_combo.AddString("REFDES");
  return TRUE;
}

void SampleDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_name.IsEmpty()) {
    mirel::Interaction().MessageBox({"TEST-EMPTY", {}, "Enter a name", mirel::MessageButtons::Ok});
    return;
  }
  EndDialog(IDOK);
}

}  // namespace sample
