// Message files: a file that loads formats each of its codes with any arguments.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzzbytes.h"
#include "fuzz/fuzzcheck.h"
#include "hostapi/errorhandler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mirel::fuzz::Bytes bytes(data, size);
  const std::string code = bytes.Text();
  const std::string text(bytes.Rest());
  if (!CZRErrorHandler::LoadMessageText(text, "fuzz.txt")) {
    FUZZ_CHECK(!CZRErrorHandler::GetLastLoadError().empty());
    return 0;
  }
  const mirel::FormatArgs args{code, 1, -2.5, "%s%n", 1e300};
  (void)CZRErrorHandler::FormatMessage(code.c_str(), args);
  (void)CZRErrorHandler::FormatMessage(code.c_str(), {});
  return 0;
}
