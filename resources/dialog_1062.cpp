// "User Defined Query Field": the column editor. The sub-column page is placed between the name
// and the buttons when the dialog starts.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1062) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1062;
  dialog.caption = "User Defined Query Field";
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
  dialog.rect = {0, 0, 336, 278};
  dialog.controls = {
      LText("Field &Name", IDC_STATIC, {7, 10, 36, 8}),
      EditText(1045, {57, 7, 116, 12}, ES_UPPERCASE | ES_AUTOHSCROLL),
      DefPushButton("OK", IDOK, {7, 257, 50, 14}).HiddenDisabled(),
      PushButton("&Save", 1034, {113, 257, 50, 14}),
      PushButton("Save &As...", 1035, {168, 257, 50, 14}),
      PushButton("&Close", IDCANCEL, {223, 257, 50, 14}),
      PushButton("&Help", ID_HELP, {279, 257, 50, 14}),
  };
  module.AddDialog(std::move(dialog));
}
