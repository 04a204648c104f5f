// Template files: whatever loads must save, and the saved text must load to the same template.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "host/templatejson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CTemplateData first;
  std::string error;
  if (!mirel::TemplateFromText(input, "fuzz.tpt", first, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  std::string text;
  FUZZ_CHECK(mirel::TemplateToText(first, text, error));
  CTemplateData second;
  FUZZ_CHECK(mirel::TemplateFromText(text, "saved.tpt", second, error));
  std::string again;
  FUZZ_CHECK(mirel::TemplateToText(second, again, error));
  FUZZ_CHECK(text == again);
  return 0;
}
