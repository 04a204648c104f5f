// Position files: read into a small design, or refused leaving every placement as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/Kicad.h"
#include "fuzz/fuzzcheck.h"

namespace {

mirel::design::Design Board() {
  using namespace mirel::design;
  Design d;
  d.blocks = {{"b", "", {}, {}}};
  d.instances.resize(1);
  d.instances[0].path = "/";
  d.instances[0].block = 0;
  d.sheets = {{1, "", 0, {}}};
  d.parts.resize(1);
  for (const char* ref : {"C1", "R1", "U1", "J1"}) {
    Component c;
    c.refdes = ref;
    c.instance = c.sheet = c.part = 0;
    d.components.push_back(c);
  }
  d.components[3].placement = Placement{1, 2, 90, Side::kBottom};
  d.Link();
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  static const mirel::design::Design board = Board();
  mirel::design::Design design = board;
  std::vector<std::string> warnings;
  std::string error;
  if (!mirel::design::ReadPlacements(input, "fuzz.pos", design, warnings, error)) {
    FUZZ_CHECK(!error.empty());
    for (std::size_t i = 0; i < design.components.size(); ++i)
      FUZZ_CHECK(design.components[i].placement == board.components[i].placement);
  }
  return 0;
}
