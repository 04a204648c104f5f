// "User Defined Columns": the project's user-defined columns by name, with the file of the
// selected one.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1076) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1076;
  dialog.caption = "User Defined Columns";
  dialog.rect = {0, 0, 226, 119};
  dialog.controls = {
      LText("Existing columns", IDC_STATIC, {4, 7, 80, 8}),  // wide enough for the desktop font
      ListBox(1072, {4, 17, 217, 59}, LBS_SORT | WS_VSCROLL | WS_TABSTOP),
      LText("Location:", IDC_STATIC, {4, 83, 30, 8}),
      EditText(1073, {44, 80, 177, 14}, ES_READONLY | ES_AUTOHSCROLL),
      PushButton("&Edit", 32774, {4, 101, 50, 14}),
      PushButton("&New", 32775, {60, 101, 50, 14}),
      PushButton("&Cancel", IDCANCEL, {114, 101, 50, 14}),
      PushButton("&Help", ID_HELP, {171, 101, 50, 14}),
      DefPushButton("OK", IDOK, {133, 1, 62, 12}).HiddenDisabled(),
  };
  module.AddDialog(std::move(dialog));
}
