// "Create Report Template": the report's name, structure, title page and options above the query
// layout page, which the dialog places between the options and the buttons at run time.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1021) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1021;
  dialog.caption = "Create Report Template";
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
  dialog.rect = {0, 0, 525, 525};
  dialog.controls = {
      LText("Report &Name", IDC_STATIC, {7, 9, 48, 8}),
      EditText(1023, {58, 7, 204, 12}, ES_AUTOHSCROLL),
      LText("Str&ucture", IDC_STATIC, {7, 26, 48, 8}),
      AutoRadioButton("Design Based", 1028, {58, 25, 70, 10}, WS_GROUP | WS_TABSTOP),
      AutoRadioButton("Block Based", 1027, {132, 25, 70, 10}),
      LText("&Title Page", 1096, {7, 43, 48, 8}),
      EditText(1024, {58, 41, 186, 12}, ES_AUTOHSCROLL),
      PushButton("...", 1033, {246, 41, 16, 12}),
      AutoCheckBox("&Display RefDes as Range", 1003, {282, 8, 116, 10}),
      AutoCheckBox("Display &Pin Number as Range", 1085, {282, 25, 116, 10}),
      AutoCheckBox("&Remove Row If Any Cell Is Empty", 1084, {400, 8, 120, 10}),
      AutoCheckBox("Re&move Row If All Cells Are Empty", 1083, {400, 25, 120, 10}),
      AutoCheckBox("Duplicate Cell &Values", 1004, {282, 42, 116, 10}),
      DefPushButton("OK", IDOK, {7, 504, 50, 14}).HiddenDisabled(),
      PushButton("&Save", 1034, {301, 504, 50, 14}),
      PushButton("Save &As...", 1035, {357, 504, 50, 14}),
      PushButton("&Close", IDCANCEL, {413, 504, 50, 14}),
      PushButton("&Help", ID_HELP, {469, 504, 50, 14}),
  };
  module.AddDialog(std::move(dialog));
}
