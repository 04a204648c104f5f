// "Select Property": pick a property name from the list or type a new one.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1038) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1038;
  dialog.caption = "Select Property";
  dialog.rect = {0, 0, 171, 74};
  dialog.controls = {
      GroupBox("", IDC_STATIC, {4, 0, 163, 52}),
      LText("Choose the property from the drop down list.\nYou can also type in a new property name.", IDC_STATIC,
            {9, 10, 152, 23}),
      ComboBox(1043, {9, 34, 152, 103}, CBS_DROPDOWN | CBS_SORT | CBS_UPPERCASE | WS_VSCROLL),
      DefPushButton("&OK", IDOK, {5, 57, 50, 14}),
      PushButton("&Cancel", IDCANCEL, {61, 57, 50, 14}),
      PushButton("&Help", ID_HELP, {117, 57, 50, 14}),
  };
  module.AddDialog(std::move(dialog));
}
