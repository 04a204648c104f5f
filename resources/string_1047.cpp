// The name of the drop-down list box that all combo cells of a query grid share.
#include "resources/library_resources.h"

MIREL_RESOURCE(string_1047) { module.AddString(1047, "Query Grid List Box"); }
