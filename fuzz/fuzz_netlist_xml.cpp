// KiCad XML netlists (the corpus holds XML files; the reader tells syntaxes apart).
#include "fuzz/fuzz_netlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return FuzzNetlist(data, size); }
