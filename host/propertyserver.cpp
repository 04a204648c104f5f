#include "hostapi/propertyserver.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <set>

#include "host/jsonread.h"
#include "host/setuppath.h"
#include "hostapi/templatedata.h"
#include "platform/mfc/nocase.h"

namespace {

using mirel::jsonio::FormatError;
using mirel::jsonio::Json;

constexpr const char* kFormat = "mirel-properties";
constexpr int kFormatVersion = 1;

int KindNumber(const std::string& key) {
  const bool digits = !key.empty() && key.size() <= 9 &&
                      std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) throw FormatError("kinds: \"" + key + "\" is not a property kind number");
  return std::atoi(key.c_str());
}

CPQPropertyServer::KindMap KindsFromText(std::string_view text) {
  const Json root = mirel::jsonio::Parse(text);
  mirel::jsonio::CheckHeader(root, kFormat, kFormatVersion);
  const mirel::jsonio::Fields f(root, "");
  const Json& kinds = f.Object("kinds");
  const mirel::jsonio::Fields kindFields(kinds, "kinds");
  CPQPropertyServer::KindMap map;
  for (auto it = kinds.begin(); it != kinds.end(); ++it) {
    const int kind = KindNumber(it.key());
    std::vector<std::string> names;
    for (std::string& name : kindFields.StringList(it.key().c_str())) {
      if (name.empty()) throw FormatError(kindFields.Where(it.key().c_str()) + " holds an empty name");
      names.push_back(std::move(name));
    }
    if (!map.emplace(kind, std::move(names)).second)
      throw FormatError("kinds: the kind " + std::to_string(kind) + " is given twice");
  }
  return map;
}

}  // namespace

CPQPropertyServer::CPQPropertyServer(KindMap kinds) : m_kinds(std::move(kinds)) {}
CPQPropertyServer::~CPQPropertyServer() = default;

CPQPropertyServer* CPQPropertyServer::CreatePropertyServer(const char* /*directory*/, const char* /*name*/,
                                                           bool /*create*/) {
  const std::string path = mirel::FindSetupFile("tdd/properties.json");
  if (path.empty()) return nullptr;
  return LoadFromFile(path);
}

CPQPropertyServer* CPQPropertyServer::LoadFromFile(const std::string& path, std::string* error) {
  std::string text;
  try {
    text = mirel::jsonio::ReadFileText(path);
  } catch (const std::exception& e) {
    if (error) *error = e.what();
    return nullptr;
  }
  return LoadFromText(text, path, error);
}

CPQPropertyServer* CPQPropertyServer::LoadFromText(std::string_view text, const std::string& name,
                                                   std::string* error) {
  try {
    return new CPQPropertyServer(KindsFromText(text));
  } catch (const std::exception& e) {
    if (error) *error = mirel::jsonio::FileReason(name, e);
    return nullptr;
  }
}

CStrList* CPQPropertyServer::GetPQDictProps(int kind, bool sorted, bool unique, bool upperCase) {
  const auto it = m_kinds.find(kind);
  if (it == m_kinds.end() || it->second.empty()) return nullptr;

  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const std::string& name : it->second) {
    std::string text = name;
    if (upperCase)
      for (char& c : text) c = mirel::FoldCase(c);
    if (unique && !seen.insert(text).second) continue;
    names.push_back(std::move(text));
  }
  if (sorted) std::stable_sort(names.begin(), names.end(), mirel::LessNoCase{});

  CStrList* head = nullptr;
  CStrList** tail = &head;
  for (const std::string& name : names) {
    *tail = new CStrList(name.c_str());
    tail = &(*tail)->m_next;
  }
  return head;
}
