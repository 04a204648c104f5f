// User-defined column files: whatever loads must save, and the saved text must load to the same column.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "host/templatejson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CCustomColData first;
  std::string error;
  if (!mirel::CustomColumnFromText(input, "fuzz.udc", first, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  std::string text;
  FUZZ_CHECK(mirel::CustomColumnToText(first, text, error));
  CCustomColData second;
  FUZZ_CHECK(mirel::CustomColumnFromText(text, "saved.udc", second, error));
  std::string again;
  FUZZ_CHECK(mirel::CustomColumnToText(second, again, error));
  FUZZ_CHECK(text == again);
  return 0;
}
