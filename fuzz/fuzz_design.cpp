// Design files: whatever loads must save, and the saved text must load and save to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/DesignFile.h"
#include "fuzz/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  mirel::design::Design first;
  std::string error;
  if (!mirel::design::DesignFromText(input, "fuzz.json", first, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  std::string text;
  if (!mirel::design::DesignToText(first, text, error)) return 0;  // a text that is not UTF-8 in a key
  mirel::design::Design second;
  FUZZ_CHECK(mirel::design::DesignFromText(text, "saved.json", second, error));
  std::string again;
  FUZZ_CHECK(mirel::design::DesignToText(second, again, error));
  FUZZ_CHECK(text == again);
  return 0;
}
