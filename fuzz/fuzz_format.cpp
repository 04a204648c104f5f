// The formatter: any format with any texts and numbers formats within bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzzbytes.h"
#include "fuzz/fuzzcheck.h"
#include "platform/mfc/safeformat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mirel::fuzz::Bytes bytes(data, size);
  const std::string format = bytes.Text();
  mirel::FormatArgs args;
  while (!bytes.Empty() && args.size() < 16) {
    switch (bytes.Below(3)) {
      case 0: args.emplace_back(bytes.Text()); break;
      case 1: args.emplace_back(bytes.Raw<int64_t>()); break;
      default: args.emplace_back(bytes.Raw<double>()); break;
    }
  }
  const std::string out = mirel::SafeFormat(format, args);
  // Each conversion is at most a bounded width (or the argument's own text) beyond the format.
  size_t bound = format.size() * 5000;
  for (const mirel::FormatArg& arg : args) bound += arg.IsText() ? arg.Text().size() : 400;
  FUZZ_CHECK(out.size() <= bound);
  return 0;
}
