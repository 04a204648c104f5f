#include "host/vocabularyserver.h"

#include <algorithm>

#include "host/jsonread.h"
#include "host/setuppath.h"

namespace mirel {
namespace {

using jsonio::FormatError;
using jsonio::Json;

constexpr const char* kFormat = "mirel-vocabulary";
constexpr int kFormatVersion = 1;
constexpr const char* kSpecialMarkers[] = {"PROP", "MATH-OP", "RELOP", "STRINGOP"};

bool Contains(const std::list<std::string>& list, std::string_view word) {
  return std::any_of(list.begin(), list.end(), [&](const std::string& s) { return EqualsNoCase(s, word); });
}

std::list<std::string> OptionalList(const jsonio::Fields& f, const char* key) {
  return f.Has(key) ? f.StringList(key) : std::list<std::string>{};
}

bool OptionalBool(const jsonio::Fields& f, const char* key) { return f.Has(key) && f.Bool(key); }

VocabularyKeyword KeywordFromJson(const Json& j, const std::string& where) {
  const jsonio::Fields f(j, where);
  VocabularyKeyword k;
  k.name = f.String("name");
  if (k.name.empty()) throw FormatError(f.Where("name") + " is empty");
  k.title = f.Has("title") ? f.String("title") : std::string();
  k.width = f.Has("width") ? f.String("width") : std::string();
  k.qualifiers = OptionalList(f, "qualifiers");
  k.dependsOn = OptionalList(f, "dependsOn");
  if (f.Has("blockDependsOn")) k.blockDependsOn = f.StringList("blockDependsOn");
  k.highlightDesign = OptionalBool(f, "highlightDesign");
  k.highlightBlock = OptionalBool(f, "highlightBlock");
  return k;
}

}  // namespace

std::unique_ptr<VocabularyQueryServer> VocabularyQueryServer::LoadFromFile(const std::string& path,
                                                                           std::string& error) {
  std::string text;
  try {
    text = jsonio::ReadFileText(path);
  } catch (const std::exception& e) {
    error = e.what();
    return nullptr;
  }
  return LoadFromText(text, path, error);
}

std::unique_ptr<VocabularyQueryServer> VocabularyQueryServer::LoadFromText(std::string_view text,
                                                                           const std::string& name,
                                                                           std::string& error) {
  std::unique_ptr<VocabularyQueryServer> server(new VocabularyQueryServer);
  try {
    const Json root = jsonio::Parse(text);
    jsonio::CheckHeader(root, kFormat, kFormatVersion);
    const jsonio::Fields f(root, "");

    const jsonio::Fields markers(f.Object("propertyMarkers"), "propertyMarkers");
    server->m_qualifierMarker = markers.String("qualifier");
    server->m_keywordMarker = markers.String("keyword");

    const jsonio::Fields widths(f.Object("specialWidths"), "specialWidths");
    for (const char* marker : kSpecialMarkers) server->m_specialWidths[marker] = widths.String(marker);

    const Json& keywords = f.Array("keywords");
    for (size_t i = 0; i < keywords.size(); ++i) {
      const std::string where = "keywords[" + std::to_string(i) + "]";
      VocabularyKeyword k = KeywordFromJson(keywords[i], where);
      if (!server->m_index.emplace(k.name, server->m_keywords.size()).second)
        throw FormatError(where + ": the keyword \"" + k.name + "\" is listed twice");
      server->m_keywords.push_back(std::move(k));
    }
  } catch (const std::exception& e) {
    error = jsonio::FileReason(name, e);
    return nullptr;
  }
  error.clear();
  return server;
}

const VocabularyKeyword* VocabularyQueryServer::Find(std::string_view keyword) const {
  const auto it = m_index.find(keyword);
  return it == m_index.end() ? nullptr : &m_keywords[it->second];
}

void VocabularyQueryServer::GetKeywords(std::list<std::string>* keywords) {
  if (!keywords) return;
  for (const VocabularyKeyword& k : m_keywords) keywords->push_back(k.name);
}

bool VocabularyQueryServer::IsKeyword(std::string keyword) { return Find(keyword) != nullptr; }

bool VocabularyQueryServer::IsKeywordHighlighted(std::string keyword, bool blockBased) {
  const VocabularyKeyword* k = Find(keyword);
  return k && (blockBased ? k->highlightBlock : k->highlightDesign);
}

bool VocabularyQueryServer::IsValidDependency(std::string dependency, std::string keyword, bool blockBased) {
  const VocabularyKeyword* k = Find(keyword);
  if (!k) return false;
  const std::list<std::string>& allowed = (blockBased && k->blockDependsOn) ? *k->blockDependsOn : k->dependsOn;
  return Contains(allowed, dependency);
}

void VocabularyQueryServer::GetQualifiers(std::string keyword, std::list<std::string>* qualifiers) {
  if (!qualifiers) return;
  if (const VocabularyKeyword* k = Find(keyword))
    qualifiers->insert(qualifiers->end(), k->qualifiers.begin(), k->qualifiers.end());
}

const char* VocabularyQueryServer::GetPropertyMarker(int kind) {
  if (kind == 0) return m_qualifierMarker.c_str();
  if (kind == 1) return m_keywordMarker.c_str();
  return "";
}

void VocabularyQueryServer::GetDependencyKeywords(std::string keyword, std::list<std::string>* keywords) {
  if (!keywords) return;
  if (const VocabularyKeyword* k = Find(keyword))
    keywords->insert(keywords->end(), k->dependsOn.begin(), k->dependsOn.end());
}

void VocabularyQueryServer::GetKeywordTitle(std::string keyword, std::string& title) {
  const VocabularyKeyword* k = Find(keyword);
  title = k ? k->title : std::string();
}

void VocabularyQueryServer::GetKeywordWidth(std::string keyword, std::string& width) {
  if (const auto special = m_specialWidths.find(keyword); special != m_specialWidths.end()) {
    width = special->second;
    return;
  }
  const VocabularyKeyword* k = Find(keyword);
  width = k ? k->width : std::string();
}

}  // namespace mirel

namespace {
IZRQueryServer* g_chosenServer = nullptr;
}  // namespace

void mirel::UseQueryServer(IZRQueryServer* server) { g_chosenServer = server; }

IZRQueryServer* IZRQueryServer::InitQueryServer() {
  if (g_chosenServer) return g_chosenServer;
  // One server for the process: the library never releases what this returns.
  static std::unique_ptr<mirel::VocabularyQueryServer> server;
  if (!server) {
    const std::string path = mirel::FindSetupFile("tdd/vocabulary.json");
    std::string error;
    if (!path.empty()) server = mirel::VocabularyQueryServer::LoadFromFile(path, error);
  }
  return server.get();
}
