// The name of the query grid's auto-complete combo cell control.
#include "resources/library_resources.h"

MIREL_RESOURCE(string_1048) { module.AddString(1048, "Query Grid Combo Box"); }
