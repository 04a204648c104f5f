#pragma once
// The query server over a vocabulary file ("mirel-vocabulary"). Keywords, dependencies and
// markers are matched without regard to letter case.
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/queryserver.h"
#include "platform/mfc/nocase.h"

namespace mirel {

struct VocabularyKeyword {
  std::string name;
  std::string title;
  std::string width;
  std::list<std::string> qualifiers;
  std::list<std::string> dependsOn;
  std::optional<std::list<std::string>> blockDependsOn;  // absent: dependsOn holds for both
  bool highlightDesign = false;
  bool highlightBlock = false;
};

class VocabularyQueryServer final : public IZRQueryServer {
 public:
  // Null with error (file, line/column or field, what is wrong) when the file is refused.
  static std::unique_ptr<VocabularyQueryServer> LoadFromFile(const std::string& path, std::string& error);
  static std::unique_ptr<VocabularyQueryServer> LoadFromText(std::string_view text, const std::string& name,
                                                             std::string& error);

  void GetKeywords(std::list<std::string>* keywords) override;
  bool IsKeyword(std::string keyword) override;
  bool IsKeywordHighlighted(std::string keyword, bool blockBased) override;
  // dependency is in blockDependsOn (block based, when the keyword has one) or else dependsOn.
  // "DESIGN" gets no favour: it is valid only where it is listed.
  bool IsValidDependency(std::string dependency, std::string keyword, bool blockBased) override;
  void GetQualifiers(std::string keyword, std::list<std::string>* qualifiers) override;
  const char* GetPropertyMarker(int kind) override;  // "" for a kind other than 0 and 1
  void GetDependencyKeywords(std::string keyword, std::list<std::string>* keywords) override;
  // "" for an unknown keyword.
  void GetKeywordTitle(std::string keyword, std::string& title) override;
  // The special width for PROP, MATH-OP, RELOP and STRINGOP, else the keyword's; "" when unknown.
  void GetKeywordWidth(std::string keyword, std::string& width) override;

  const std::vector<VocabularyKeyword>& Keywords() const { return m_keywords; }
  const VocabularyKeyword* Find(std::string_view keyword) const;

 private:
  VocabularyQueryServer() = default;

  std::vector<VocabularyKeyword> m_keywords;
  std::map<std::string, size_t, LessNoCase> m_index;
  std::map<std::string, std::string, LessNoCase> m_specialWidths;
  std::string m_qualifierMarker;
  std::string m_keywordMarker;
};

// Makes IZRQueryServer::InitQueryServer return server (borrowed) instead of the shipped
// vocabulary, until set back to null: a process given its own vocabulary uses it everywhere,
// in the dialogs the library opens too.
void UseQueryServer(IZRQueryServer* server);

}  // namespace mirel
