#pragma once
// The grid library options a query grid is set up with. The validation grid shows the same
// query and takes the same options.
#include "platform/grid/gxparam.h"

namespace qg {

void ApplyQueryGridOptions(CGXGridParam& param);

}  // namespace qg
