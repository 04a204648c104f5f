// FindInvalidUtf8 skips ASCII eight bytes at a time: a fault must be found wherever it falls
// against those eight-byte steps, and a valid sequence must pass across them.
#include <gtest/gtest.h>

#include <string>

#include "host/utf8.h"

namespace mirel {
namespace {

TEST(FindInvalidUtf8, FindsTheFirstFaultAtEveryPlace) {
  const std::pair<const char*, std::size_t> faults[] = {
      {"\xff", 0}, {"\xc3", 0}, {"\xc3(", 0}, {"\xe2\x82", 0}, {"\xed\xa0\x80", 0}, {"\xf4\x90\x80\x80", 0},
      {"\xc0\xaf", 0}};
  for (std::size_t ascii = 0; ascii < 20; ++ascii) {
    for (const auto& [fault, at] : faults) {
      const std::string text = std::string(ascii, 'a') + fault + "tail of plain text";
      EXPECT_EQ(FindInvalidUtf8(text), ascii + at) << ascii << " ASCII bytes before " << testing::PrintToString(fault);
    }
    for (const char* valid : {"\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x99\x82", ""}) {
      const std::string text = std::string(ascii, 'a') + valid + std::string(ascii, 'b');
      EXPECT_EQ(FindInvalidUtf8(text), std::nullopt) << ascii << " ASCII bytes before " << testing::PrintToString(valid);
    }
  }
}

}  // namespace
}  // namespace mirel
