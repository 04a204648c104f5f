// "Create Report Template": the report's name, structure, title page and options above the query
// layout page, which the dialog places between the options and the buttons at run time.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1021) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1021;
  dialog.caption = "Create Report Template";
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
  // As tall as its tracking height, 525 pixels with caption and frame at the classic dialog font;
  // wider than its least width, so that the grid opens with several report columns in view.
  dialog.rect = {0, 0, 460, 306};
  dialog.controls = {
      LText("Report &Name", IDC_STATIC, {7, 9, 42, 8}),
      EditText(1023, {52, 7, 140, 12}, ES_AUTOHSCROLL),
      LText("Str&ucture", IDC_STATIC, {7, 26, 42, 8}),
      AutoRadioButton("Design Based", 1028, {52, 25, 62, 10}, WS_GROUP | WS_TABSTOP),
      AutoRadioButton("Block Based", 1027, {118, 25, 62, 10}),
      LText("&Title Page", 1096, {7, 43, 42, 8}),
      EditText(1024, {52, 41, 122, 12}, ES_AUTOHSCROLL),
      PushButton("...", 1033, {176, 41, 16, 12}),
      AutoCheckBox("&Display RefDes as Range", 1003, {200, 7, 138, 10}),
      AutoCheckBox("Display &Pin Number as Range", 1085, {200, 19, 138, 10}),
      AutoCheckBox("&Remove Row If Any Cell Is Empty", 1084, {200, 31, 138, 10}),
      AutoCheckBox("Re&move Row If All Cells Are Empty", 1083, {200, 43, 138, 10}),
      AutoCheckBox("Duplicate Cell &Values", 1004, {200, 55, 138, 10}),
      DefPushButton("OK", IDOK, {7, 285, 50, 14}).HiddenDisabled(),
      PushButton("&Save", 1034, {238, 285, 50, 14}),
      PushButton("Save &As...", 1035, {293, 285, 50, 14}),
      PushButton("&Close", IDCANCEL, {348, 285, 50, 14}),
      PushButton("&Help", ID_HELP, {403, 285, 50, 14}),
  };
  module.AddDialog(std::move(dialog));
}
