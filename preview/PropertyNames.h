#pragma once
// What Select Property offers from an open design: the names of the fields or properties that
// the design's objects of a keyword's kind carry, so that a KiCad user can pick MPN or LCSC.
#include <string>
#include <string_view>
#include <vector>

namespace mirel::design {
class Design;
}

namespace mirel::preview {

// The objects a property of `keyword` belongs to: a pin's for PIN_*, a net's for NET_* and the
// other net keywords, a block's (and its instances') for BLOCK*, the design's for DESIGN,
// DESIGN_PATH, REVISION and DATE, none for SHEET*; otherwise, and for "" (not known yet), the
// components' fields with their parts'. Natural order, each name once without regard to case.
std::vector<std::string> DesignPropertyNames(const design::Design& design, std::string_view keyword);

}  // namespace mirel::preview
