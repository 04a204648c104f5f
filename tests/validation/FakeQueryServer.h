#pragma once
// A query server with a small, exact vocabulary: each keyword lists the keywords it may depend
// on (block-based templates use the same lists). Every call is counted, so a test can tell that
// a check stopped before it asked the server anything.
#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "hostapi/queryserver.h"
#include "platform/mfc/nocase.h"

namespace mirel::test {

class FakeQueryServer final : public IZRQueryServer {
 public:
  using Vocabulary = std::vector<std::pair<std::string, std::list<std::string>>>;

  // DESIGN, BLOCK, PART, REFDES, PIN, NET, PIN_NUMBER, PROP, VALUE: a little electronic vocabulary.
  static Vocabulary Standard() {
    return {{"DESIGN", {"DESIGN"}},
            {"BLOCK", {"DESIGN", "BLOCK"}},
            {"PART", {"DESIGN", "BLOCK"}},
            {"REFDES", {"PART", "DESIGN"}},
            {"PIN", {"REFDES"}},
            {"NET", {"PIN", "DESIGN"}},
            {"PIN_NUMBER", {"REFDES", "NET"}},
            {"PROP", {"REFDES", "PART"}},
            {"VALUE", {"PROP", "PART"}}};
  }

  explicit FakeQueryServer(Vocabulary vocabulary = Standard()) : m_vocabulary(std::move(vocabulary)) {}

  void GetKeywords(std::list<std::string>* keywords) override {
    ++calls;
    for (const auto& entry : m_vocabulary) keywords->push_back(entry.first);
  }
  bool IsKeyword(std::string keyword) override {
    ++calls;
    return Find(keyword) != nullptr;
  }
  bool IsKeywordHighlighted(std::string, bool) override {
    ++calls;
    return false;
  }
  bool IsValidDependency(std::string dependency, std::string keyword, bool) override {
    ++calls;
    const auto* deps = Find(keyword);
    if (!deps) return false;
    for (const std::string& d : *deps)
      if (EqualsNoCase(d, dependency)) return true;
    return false;
  }
  void GetQualifiers(std::string, std::list<std::string>*) override { ++calls; }
  const char* GetPropertyMarker(int kind) override {
    ++calls;
    return kind == 0 ? "<PROPERTY>" : kind == 1 ? "PROPERTY" : "";
  }
  void GetDependencyKeywords(std::string keyword, std::list<std::string>* keywords) override {
    ++calls;
    if (const auto* deps = Find(keyword)) keywords->insert(keywords->end(), deps->begin(), deps->end());
  }
  void GetKeywordTitle(std::string keyword, std::string& title) override {
    ++calls;
    title = keyword;
  }
  void GetKeywordWidth(std::string, std::string& width) override {
    ++calls;
    width = "20";
  }

  int calls = 0;

 private:
  const std::list<std::string>* Find(const std::string& keyword) const {
    for (const auto& entry : m_vocabulary)
      if (EqualsNoCase(entry.first, keyword)) return &entry.second;
    return nullptr;
  }
  Vocabulary m_vocabulary;
};

}  // namespace mirel::test
