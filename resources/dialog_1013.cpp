// The query layout page: the field lists on the left, the query grid's place on the right. A child
// window without a caption, shown inside the template dialog and the column editor.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1013) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1013;
  dialog.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
  // As tall as the room the template dialog leaves it between its options and its buttons.
  dialog.rect = {0, 0, 338, 215};
  dialog.controls = {
      LText("Standard &Query Fields", IDC_STATIC, {0, 8, 100, 8}),
      ListBox(1016, {0, 18, 100, 96},
              LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP),
      GroupBox("User Defined &Fields", 1071, {0, 117, 100, 98}),
      ListBox(1017, {6, 128, 88, 46}, LBS_SORT | WS_VSCROLL | WS_TABSTOP),
      PushButton("&Edit Field...", 1021, {6, 178, 88, 14}),
      PushButton("Create Ne&w Field...", 1020, {6, 195, 88, 14}),
      LText("Add a field to the query by double clicking on a field in the lists on the left", IDC_STATIC,
            {106, 0, 232, 16}),
      Control("", 1093, "Static", SS_BLACKFRAME, {106, 18, 232, 191}).Without(WS_VISIBLE),
      DefPushButton("OK", IDOK, {0, 0, 50, 14}).HiddenDisabled(),
      PushButton("Cancel", IDCANCEL, {0, 0, 50, 14}).HiddenDisabled(),
  };
  module.AddDialog(std::move(dialog));
}
