// The operator dialog: operand 1, an operator of the column's kind, operand 2.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1081) {
  using namespace mirel;
  constexpr DWORD kOperandCombo = CBS_DROPDOWN | CBS_SORT | WS_VSCROLL;
  DialogTemplate dialog;
  dialog.id = 1081;
  dialog.caption = "Mathematical Operator";
  dialog.rect = {0, 0, 205, 66};
  dialog.controls = {
      GroupBox("", IDC_STATIC, {7, 3, 191, 39}),
      LText("Operand 1", IDC_STATIC, {31, 12, 34, 8}),
      CText("Mathematical Operator", 1097, {78, 4, 49, 16}),
      ComboBox(1087, {13, 23, 70, 60}, kOperandCombo),
      ComboBox(1086, {88, 23, 29, 48}, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL),
      LText("Operand 2", IDC_STATIC, {140, 12, 34, 8}),
      ComboBox(1088, {122, 23, 70, 60}, kOperandCombo),
      DefPushButton("&OK", IDOK, {24, 47, 50, 14}),
      PushButton("&Cancel", IDCANCEL, {78, 47, 50, 14}),
      PushButton("&Help", ID_HELP, {131, 47, 50, 14}),
  };
  module.AddDialog(std::move(dialog));
}
