// The query validation dialog; its validation grid (1046) is made at run time.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1063) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1063;
  dialog.caption = "Dialog";
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  dialog.fontName = "MS Sans Serif";
  dialog.fontSize = 8;
  dialog.rect = {0, 0, 355, 186};
  dialog.controls = {
      PushButton("Validate", 1074, {298, 7, 50, 14}),
      PushButton("Cancel", IDCANCEL, {298, 24, 50, 14}),
      DefPushButton("OK", IDOK, {298, 87, 50, 14}).HiddenDisabled(),
  };
  module.AddDialog(std::move(dialog));
}
