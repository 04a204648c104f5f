// Script lines: any line splits into words or says why not; words quoted and joined split back
// to the same words; the command reader takes any line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/scriptcommand.h"
#include "app/scriptlexer.h"
#include "fuzz/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const mirel::cli::LexResult result = mirel::cli::SplitScriptLine(line);
  const mirel::cli::ParsedLine parsed = mirel::cli::ParseScriptLine(line);
  FUZZ_CHECK(parsed.ok() || !parsed.error.empty());
  if (!result.ok()) return 0;
  std::string quoted;
  for (const std::string& word : result.words) quoted += mirel::cli::QuoteWord(word) + " ";
  const mirel::cli::LexResult again = mirel::cli::SplitScriptLine(quoted);
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(again.words == result.words);
  return 0;
}
