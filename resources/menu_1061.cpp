// Menu 1061: the Edit menu of the query grid's context menu.
#include "resources/library_resources.h"

MIREL_RESOURCE(menu_1061) {
  using Item = mirel::MenuItemTemplate;
  module.AddMenu({1061,
                  {Item::Popup("&Edit", {
                                            Item::Item("Cu&t\tCtrl+X", 57635),
                                            Item::Item("&Copy\tCtrl+C", 57634),
                                            Item::Item("&Paste\tCtrl+V", 57637),
                                            Item::Separator(),
                                            Item::Item("C&lear\tDel", 57632),
                                            Item::Separator(),
                                            Item::Item("&Insert Col \tCtrl+I", 32776),
                                            Item::Item("&Delete Col\tCtrl+Del", 32777),
                                            Item::Separator(),
                                            Item::Item("&Undo\tCtrl+Z", 57643),
                                            Item::Item("&Redo\tCtrl+Y", 57644),
                                        })}});
}
