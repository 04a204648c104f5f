#pragma once
// What the query grid tests share: a small vocabulary, property servers whose calls can be
// watched, a host server, and a fixture that sets a grid up with no window, with the library's
// resources in the chain and every question answered by script.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/vocabularyserver.h"
#include "hostapi/propertyserver.h"
#include "hostapi/queryserver.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"

namespace qgtest {

inline constexpr const char* kVocabulary = R"({
  "format": "mirel-vocabulary", "formatVersion": 1,
  "propertyMarkers": { "qualifier": "<PROPERTY>", "keyword": "PROPERTY" },
  "specialWidths": { "PROP": "20", "MATH-OP": "12", "RELOP": "12", "STRINGOP": "20" },
  "keywords": [
    { "name": "DESIGN", "title": "Design", "width": "12", "qualifiers": [], "dependsOn": [] },
    { "name": "REFDES", "title": "Reference", "width": "10", "qualifiers": ["PREFIX"],
      "dependsOn": ["DESIGN"], "highlightDesign": true },
    { "name": "PIN", "title": "Pin", "width": "6", "qualifiers": [], "dependsOn": ["REFDES"] }
  ] })";

inline std::unique_ptr<mirel::VocabularyQueryServer> MakeQueryServer() {
  std::string error;
  auto server = mirel::VocabularyQueryServer::LoadFromText(kVocabulary, "test vocabulary", error);
  EXPECT_TRUE(server) << error;
  return server;
}

// A property server that records what it is asked and whether it was destroyed.
class WatchedPropertyServer : public CPQPropertyServer {
 public:
  struct Call {
    int kind;
    bool sorted;
    bool unique;
    bool upperCase;
    friend bool operator==(const Call&, const Call&) = default;
  };
  WatchedPropertyServer(KindMap kinds, bool* destroyed = nullptr)
      : CPQPropertyServer(std::move(kinds)), m_destroyed(destroyed) {}
  ~WatchedPropertyServer() override {
    if (m_destroyed) *m_destroyed = true;
  }
  CStrList* GetPQDictProps(int kind, bool sorted, bool unique, bool upperCase) override {
    calls.push_back({kind, sorted, unique, upperCase});
    return CPQPropertyServer::GetPQDictProps(kind, sorted, unique, upperCase);
  }
  std::vector<Call> calls;

 private:
  bool* m_destroyed;
};

class FakeServer : public IServer {
 public:
  explicit FakeServer(CPQPropertyServer* properties) : m_properties(properties) {}
  CPQPropertyServer* GetPropertyServer() override { return m_properties; }

 private:
  CPQPropertyServer* m_properties;
};

inline std::vector<std::string> Names(const CStrList* list) {
  std::vector<std::string> names;
  for (; list; list = list->m_next) names.emplace_back(list->m_str ? list->m_str : "(null)");
  return names;
}

// Resources in the chain and a scripted interaction service for one test.
class ScriptedTest : public ::testing::Test {
 protected:
  ScriptedTest() : m_scope(script) { mirel::AddResourceModule(mirel::LibraryResources()); }
  ~ScriptedTest() override { EXPECT_EQ(script.PendingAnswers(), 0u) << "answers left unused"; }

  mirel::ScriptedInteraction script;

 private:
  mirel::ScopedInteraction m_scope;
};

// A query grid set up as the layout page sets it up, without a window.
class QueryGridTest : public ScriptedTest {
 protected:
  QueryGridTest()
      : queries(MakeQueryServer()),
        properties(CPQPropertyServer::KindMap{{10, {"VALUE", "TOLERANCE"}}, {19, {"PART_NUMBER", "VALUE"}}}),
        server(&properties),
        grid(std::make_unique<CQueryGrid>(&server, queries.get())) {
    grid->InitGrid();
  }

  CGXStyle Cell(ROWCOL row, ROWCOL col) { return grid->GetComposedStyle(row, col); }
  CString Value(ROWCOL row, ROWCOL col) { return grid->GetValueRowCol(row, col); }
  UINT Control(ROWCOL row, ROWCOL col) { return Cell(row, col).GetControl(); }
  long CustomMark(ROWCOL col) { return Cell(qg::kRowKeyword, col).GetUserAttribute(qg::kCustomColAttr).GetLongValue(); }

  std::unique_ptr<mirel::VocabularyQueryServer> queries;
  CPQPropertyServer properties;
  FakeServer server;
  std::unique_ptr<CQueryGrid> grid;
};

}  // namespace qgtest
