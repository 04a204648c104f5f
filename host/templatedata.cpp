#include "hostapi/templatedata.h"

#include <cstdlib>
#include <cstring>

void DeleteTmpltQueries(CTmpltQueryList& queries) {
  for (CTmpltQuery* q : queries) delete q;
  queries.clear();
}

CTmpltQueryList CopyTmpltQueries(const CTmpltQueryList& queries) {
  CTmpltQueryList copy;
  for (const CTmpltQuery* q : queries)
    if (q) copy.push_back(new CTmpltQuery(*q));
  return copy;
}

bool EqualTmpltQueries(const CTmpltQueryList& a, const CTmpltQueryList& b) {
  if (a.size() != b.size()) return false;
  for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
    if (*i == nullptr || *j == nullptr) {
      if (*i != *j) return false;
    } else if (!(**i == **j)) {
      return false;
    }
  }
  return true;
}

CTemplateData::~CTemplateData() { DeleteTmpltQueries(m_queries); }

CCustomColData::CCustomColData(const CCustomColData* source) {
  if (!source) return;
  m_name = source->m_name;
  m_version = source->m_version;
  m_queries = CopyTmpltQueries(source->m_queries);
  m_unknownFields = source->m_unknownFields;
}

CCustomColData::~CCustomColData() { DeleteTmpltQueries(m_queries); }

CStrList::CStrList(const char* str) : m_str(str ? ::strdup(str) : nullptr) {}

CStrList::~CStrList() {
  std::free(m_str);
  // Unlink the successors one by one: a long chain must not recurse once per node.
  CStrList* next = m_next;
  m_next = nullptr;
  while (next) {
    CStrList* after = next->m_next;
    next->m_next = nullptr;
    delete next;
    next = after;
  }
}
