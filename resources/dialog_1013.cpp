// The query layout page: the field lists on the left, the query grid's place on the right. A child
// window without a caption, shown inside the template dialog and the column editor.
#include "resources/library_resources.h"

MIREL_RESOURCE(dialog_1013) {
  using namespace mirel;
  DialogTemplate dialog;
  dialog.id = 1013;
  dialog.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
  dialog.rect = {0, 0, 518, 447};
  dialog.controls = {
      LText("Standard &Query Fields", IDC_STATIC, {0, 0, 110, 8}),
      ListBox(1016, {0, 10, 110, 250},
              LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP),
      GroupBox("User Defined &Fields", 1071, {0, 264, 110, 177}),
      ListBox(1017, {6, 275, 98, 124}, LBS_SORT | WS_VSCROLL | WS_TABSTOP),
      PushButton("&Edit Field...", 1021, {6, 403, 98, 14}),
      PushButton("Create Ne&w Field...", 1020, {6, 420, 98, 14}),
      LText("Add a field to the query by double clicking on a field in the lists on the left", IDC_STATIC,
            {116, 0, 400, 8}),
      Control("", 1093, "Static", SS_BLACKFRAME, {116, 10, 402, 424}).Without(WS_VISIBLE),
      DefPushButton("OK", IDOK, {0, 0, 50, 14}).HiddenDisabled(),
      PushButton("Cancel", IDCANCEL, {0, 0, 50, 14}).HiddenDisabled(),
  };
  module.AddDialog(std::move(dialog));
}
