#pragma once
// Generated boards of any size for the report benchmarks, shaped like real ones: a top sheet and
// a channel block placed once per 250 components; 40 % resistors, 30 % capacitors, 15 % other
// two-pin parts, 15 % sixteen-pin ICs; each IC's signal pins joined to a few passives; a ground
// and a supply net over a fifth of all pins. Deterministic: one size, one board.
#include <string>

#include "design/Design.h"

namespace bench {

mirel::design::Design GenerateBoard(int components);

// The same board as a KiCad 7 s-expression netlist ("E"), as Eeschema writes it.
std::string KiCadNetlist(const mirel::design::Design& design);

}  // namespace bench
