// Property dictionaries: a dictionary that loads lists every kind in every order asked for.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/fuzzcheck.h"
#include "hostapi/propertyserver.h"
#include "hostapi/templatedata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string error;
  std::unique_ptr<CPQPropertyServer> server(CPQPropertyServer::LoadFromText(input, "fuzz.json", &error));
  if (!server) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  for (const auto& [kind, names] : server->GetKinds()) {
    for (int flags = 0; flags < 8; ++flags) {
      CStrList* head = server->GetPQDictProps(kind, flags & 1, flags & 2, flags & 4);
      size_t count = 0;
      for (CStrList* item = head; item; item = item->m_next) ++count;
      FUZZ_CHECK(count >= 1 && count <= names.size());
      delete head;
    }
  }
  return 0;
}
