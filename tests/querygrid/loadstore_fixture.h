#pragma once
// The loading and storing tests: a query grid over the small vocabulary of querygrid_fixture.h
// (DESIGN, REFDES on DESIGN, PIN on REFDES; property markers "<PROPERTY>" and "PROPERTY") with a
// query list of its own, and queries written field by field.
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "querygrid_fixture.h"

namespace qgtest {

struct QueryFields {
  std::string keyword;
  std::string dependency;
  std::string qualifier;
  std::string qualifierText;
  std::list<std::string> values{""};
  std::string title = "T";
  int viewOrder = 1;
  int sortOrder = 1;
  int width = 10;
  std::string alignment = "LEFT";
  bool visible = true;
  bool total = false;
};

inline CTmpltQuery* NewQuery(const QueryFields& s) {
  auto* q = new CTmpltQuery;
  q->m_keyword = s.keyword;
  q->m_dependency = s.dependency;
  q->m_qualifier = s.qualifier;
  q->m_qualifierText = s.qualifierText;
  q->m_qualifierValues = s.values;
  q->m_title = s.title;
  q->m_viewOrder = s.viewOrder;
  q->m_sortOrder = s.sortOrder;
  q->m_width = s.width;
  q->m_alignment = s.alignment;
  q->m_visible = s.visible;
  q->m_total = s.total;
  return q;
}

inline std::string Describe(const CTmpltQuery& q) {
  std::string values;
  for (const std::string& v : q.m_qualifierValues) values += "[" + v + "]";
  return q.m_keyword + " | " + q.m_dependency + " | " + q.m_qualifier + " | " + q.m_qualifierText + " | " +
         values + " | " + q.m_title + " | v" + std::to_string(q.m_viewOrder) + " s" +
         std::to_string(q.m_sortOrder) + " w" + std::to_string(q.m_width) + " " + q.m_alignment +
         (q.m_visible ? " visible" : " hidden") + (q.m_total ? " total" : "");
}

inline std::vector<std::string> Describe(const CTmpltQueryList& list) {
  std::vector<std::string> lines;
  for (const CTmpltQuery* q : list) lines.push_back(q ? Describe(*q) : "(null)");
  return lines;
}

// A query grid loading from and storing into its own list, which owns its queries.
class LoadStoreTest : public QueryGridTest {
 protected:
  LoadStoreTest() { grid->SetTemplateData(&queryList); }
  ~LoadStoreTest() override { DeleteTmpltQueries(queryList); }

  void Set(std::initializer_list<QueryFields> fields) {
    DeleteTmpltQueries(queryList);
    for (const QueryFields& s : fields) queryList.push_back(NewQuery(s));
  }
  // The list as it stands, copied (the grid replaces the list's queries when it stores).
  std::vector<std::string> Snapshot() const { return Describe(queryList); }
  std::vector<std::string> Stored() {
    EXPECT_EQ(grid->UpdateInfo(), 1);
    return Describe(queryList);
  }
  // Registers a user-defined column with the grid, which takes it.
  void Register(const std::string& name, std::initializer_list<QueryFields> subColumns) {
    auto* data = new CCustomColData;
    data->m_name = name;
    for (const QueryFields& s : subColumns) data->m_queries.push_back(NewQuery(s));
    grid->AddCustomColToList(data);
  }

  CTmpltQueryList queryList;
};

}  // namespace qgtest
