// The name of the property field cell control (an edit cell with a bitmap button).
#include "resources/library_resources.h"

MIREL_RESOURCE(string_1052) { module.AddString(1052, "Property Field Control"); }
