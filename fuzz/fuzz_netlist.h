#pragma once
// A KiCad netlist, either syntax: refused with a reason, or imported into a design that writes a
// design file which reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/DesignFile.h"
#include "design/Kicad.h"
#include "fuzz/fuzzcheck.h"

inline int FuzzNetlist(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const mirel::design::LoadResult result = mirel::design::ImportKicadNetlist(input, "fuzz.net");
  if (!result.design) {
    FUZZ_CHECK(!result.error.empty());
    return 0;
  }
  std::string text, error;
  FUZZ_CHECK(mirel::design::DesignToText(*result.design, text, error));
  mirel::design::Design read;
  FUZZ_CHECK(mirel::design::DesignFromText(text, "imported.json", read, error));
  std::string again;
  FUZZ_CHECK(mirel::design::DesignToText(read, again, error));
  FUZZ_CHECK(text == again);
  return 0;
}
