#pragma once
// A small vocabulary for precise query grid cases: every answer comes from a table the test
// fills, and the questions that matter are counted.
#include <list>
#include <map>
#include <string>

#include "hostapi/queryserver.h"
#include "platform/mfc/nocase.h"

namespace qgtest {

struct FakeKeyword {
  std::string title;
  std::string width;
  std::list<std::string> dependsOn;
  std::list<std::string> qualifiers;
  bool highlighted = false;
};

class FakeQueryServer : public IZRQueryServer {
 public:
  FakeQueryServer& Add(const std::string& name, FakeKeyword keyword) {
    m_order.push_back(name);
    m_keywords[name] = std::move(keyword);
    return *this;
  }
  FakeKeyword& At(const std::string& name) { return m_keywords.at(name); }

  void GetKeywords(std::list<std::string>* keywords) override {
    keywords->insert(keywords->end(), m_order.begin(), m_order.end());
  }
  bool IsKeyword(std::string keyword) override { return Find(keyword) != nullptr; }
  bool IsKeywordHighlighted(std::string keyword, bool /*blockBased*/) override {
    ++highlightQuestions;
    const FakeKeyword* found = Find(keyword);
    return found && found->highlighted;
  }
  bool IsValidDependency(std::string dependency, std::string keyword, bool /*blockBased*/) override {
    const FakeKeyword* found = Find(keyword);
    if (!found) return false;
    for (const std::string& d : found->dependsOn)
      if (mirel::EqualsNoCase(d, dependency)) return true;
    return false;
  }
  void GetQualifiers(std::string keyword, std::list<std::string>* qualifiers) override {
    if (const FakeKeyword* found = Find(keyword)) *qualifiers = found->qualifiers;
  }
  const char* GetPropertyMarker(int kind) override { return kind == 0 ? "<PROPERTY>" : kind == 1 ? "PROPERTY" : ""; }
  void GetDependencyKeywords(std::string keyword, std::list<std::string>* keywords) override {
    if (const FakeKeyword* found = Find(keyword)) *keywords = found->dependsOn;
  }
  void GetKeywordTitle(std::string keyword, std::string& title) override {
    const FakeKeyword* found = Find(keyword);
    title = found ? found->title : "";
  }
  void GetKeywordWidth(std::string keyword, std::string& width) override {
    auto special = m_specialWidths.find(keyword);
    if (special != m_specialWidths.end()) {
      width = special->second;
      return;
    }
    const FakeKeyword* found = Find(keyword);
    width = found ? found->width : "";
  }

  int highlightQuestions = 0;

 private:
  const FakeKeyword* Find(const std::string& name) const {
    auto found = m_keywords.find(name);
    return found == m_keywords.end() ? nullptr : &found->second;
  }

  std::list<std::string> m_order;
  std::map<std::string, FakeKeyword, mirel::LessNoCase> m_keywords;
  std::map<std::string, std::string, mirel::LessNoCase> m_specialWidths{
      {"PROP", "25"}, {"MATH-OP", "12"}, {"RELOP", "13"}, {"STRINGOP", "14"}};
};

// The vocabulary most cases use: A has no dependency of its own; B depends on A; C on A or B
// (in that order of preference); PROP is a keyword as in the shipped vocabulary.
inline void FillSmallVocabulary(FakeQueryServer& server) {
  server.Add("A", {"Alpha", "10", {}, {"QA1", "QA2"}, true})
      .Add("B", {"Beta", "11", {"A"}, {"QB"}, false})
      .Add("C", {"Gamma", "7", {"A", "B"}, {}, true})
      .Add("SAME1", {"Same", "5", {}, {}, false})
      .Add("SAME2", {"Same", "5", {}, {}, false})
      .Add("PROP", {"Property", "20", {"A", "B"}, {"PROPERTY", "<PROPERTY>"}, false});
}

}  // namespace qgtest
