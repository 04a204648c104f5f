// File dialog filters: any text gives entries with a name and trimmed, non-empty patterns.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "platform/mfc/interaction.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view filter(reinterpret_cast<const char*>(data), size);
  for (const mirel::FileFilter& entry : mirel::ParseFileFilter(filter)) {
    FUZZ_CHECK(!entry.label.empty() && !entry.patterns.empty());
    for (const std::string& pattern : entry.patterns) {
      FUZZ_CHECK(!pattern.empty() && pattern.find(';') == std::string::npos);
      FUZZ_CHECK(pattern.front() != ' ' && pattern.back() != ' ' && pattern.front() != '\t' && pattern.back() != '\t');
    }
  }
  return 0;
}
