// The library's string table (the other entries have files of their own).
#include "resources/library_resources.h"

MIREL_RESOURCE(string_table) {
  module.AddString(1078, "Sub-Column Definition");
  module.AddString(1079, "Custom Column Name User Attribute");
  module.AddString(1080, "Custom Column Title User Attribute");
  module.AddString(32776, "Insert a column before the current one\nInsert Col");
  module.AddString(32777, "Delete the current column\nDelete Col");
}
