#pragma once
// KiCad netlists (KiCad 4 to 10, s-expression `.net` and XML), KiCad position files, and the
// conventions by which designers mark parts not fitted.
#include <string>
#include <string_view>
#include <vector>

#include "design/Load.h"
#include "design/Tree.h"

namespace mirel::design {

enum class FileKind { kUnknown, kDesign, kSExpression, kXml, kLegacyNetlist };
// What a file holds, from its first bytes.
FileKind SniffFileKind(std::string_view text);

// Reads a KiCad netlist of either syntax into a linked design; `name` is the file as messages
// name it. Faults carry "line L, column C".
LoadResult ImportKicadNetlist(std::string_view text, const std::string& name);

// The design from a netlist's tree (`text` is what the tree was read from, for positions).
LoadResult ImportKicadTree(const Tree& tree, std::string_view text, const std::string& name, std::string syntax);

// Sets placements from a KiCad position file (ASCII or CSV), matched by refdes; a refdes the
// design lacks is a warning. False with error (line and column) when the file is malformed.
bool ReadPlacements(std::string_view text, const std::string& name, Design& design,
                    std::vector<std::string>& warnings, std::string& error);

// Replaces the field map's keys given in a JSON object {"PART_NUMBER":["MPN", ...], ...}.
bool ReadFieldMap(std::string_view text, const std::string& name, FieldMap& map, std::string& error);

// The designers' conventions for "not fitted", applied to a component whose value and fields are
// read: a value or field that is a not-fitted word, a DNP field that is not empty (nor "0", "no",
// "false"), a Config field (KiBoM: a not-fitted word, -VARIANT, +VARIANT). Variants named by a
// Config field are added to `variants`.
void ApplyFitConventions(Component& component, std::vector<std::string>& variants);
bool IsNotFittedWord(std::string_view text);

// NET_TYPE, DIFF_PAIR and BUS_NAME from the names and pin types, for every net.
void DeriveNetValues(Design& design);

// A KiCad pin type ("power_in", ...) as the vocabulary's.
PinType PinTypeFromKicad(std::string_view type);

}  // namespace mirel::design
