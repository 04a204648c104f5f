// Qualifier values: any text splits under any options; under the options Join writes for, the
// values joined and split again are the same values.
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "fuzz/fuzzbytes.h"
#include "fuzz/fuzzcheck.h"
#include "hostapi/zrcontrols.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mirel::fuzz::Bytes bytes(data, size);
  const uint8_t flags = bytes.Byte();
  CZRParseOptions options;
  if (flags & 1) {
    options.m_delimiter = static_cast<char>(bytes.Byte());
    options.m_quote = static_cast<char>(bytes.Byte());
    options.m_trimBlanks = flags & 2;
    options.m_skipEmpty = flags & 4;
    options.m_removeQuotes = flags & 8;
    options.m_backslashEscapes = flags & 16;
  }
  const std::string text(bytes.Rest());
  CZRStringParser parser;
  const int count = parser.Parse(text, options);
  FUZZ_CHECK(count == parser.GetCount());
  if (flags & 1) return 0;

  const std::vector<std::string> first = parser.GetValues();
  const std::string joined = CZRStringParser::Join(std::list<std::string>(first.begin(), first.end()));
  CZRStringParser again;
  again.Parse(joined, options);
  if (first.size() == 1 && first[0].empty()) {
    FUZZ_CHECK(again.GetCount() == 0);  // one empty value joins to "", which holds none
  } else {
    FUZZ_CHECK(again.GetValues() == first);
  }
  return 0;
}
