// "Qualifier Values": the values of a column's qualifier, one a line.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1039) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1039;
  dialog.caption = "Qualifier Values";
  dialog.rect = {0, 0, 181, 98};
  dialog.controls = {
      LText("Qualifier Values", 1069, {3, 3, 174, 17}),
      EditText(1044, {3, 24, 174, 52},
               ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL),
      DefPushButton("&OK", IDOK, {3, 80, 50, 14}),
      PushButton("&Cancel", IDCANCEL, {65, 80, 50, 14}),
      PushButton("&Help", ID_HELP, {127, 80, 50, 14}),
  };
  module.AddDialog(std::move(dialog));
}
