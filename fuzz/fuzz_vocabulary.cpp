// Vocabulary files: a file that loads answers every question the grid asks about its keywords.
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "host/vocabularyserver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string error;
  auto server = mirel::VocabularyQueryServer::LoadFromText(input, "fuzz.json", error);
  if (!server) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  std::list<std::string> keywords;
  server->GetKeywords(&keywords);
  FUZZ_CHECK(keywords.size() == server->Keywords().size());
  for (const std::string& keyword : keywords) {
    FUZZ_CHECK(server->IsKeyword(keyword));
    std::list<std::string> related;
    server->GetQualifiers(keyword, &related);
    server->GetDependencyKeywords(keyword, &related);
    for (const std::string& other : related) {
      (void)server->IsValidDependency(other, keyword, false);
      (void)server->IsValidDependency(other, keyword, true);
    }
    std::string text;
    server->GetKeywordTitle(keyword, text);
    server->GetKeywordWidth(keyword, text);
    (void)server->IsKeywordHighlighted(keyword, true);
  }
  (void)server->GetPropertyMarker(0);
  (void)server->GetPropertyMarker(1);
  return 0;
}
