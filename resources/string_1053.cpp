// The name of the Keyword cell attribute that marks a user-defined column.
#include "resources/library_resources.h"

MIREL_RESOURCE(string_1053) { module.AddString(1053, "Custom Column Keyword User Attribute"); }
