#include "platform/grid/gxactivate.h"

namespace {
BOOL g_dropDownOpen = FALSE;  // one user-interface thread
}  // namespace

BOOL GXDiscardNcActivate() { return g_dropDownOpen; }
void GXSetDropDownOpen(BOOL open) { g_dropDownOpen = open ? TRUE : FALSE; }
