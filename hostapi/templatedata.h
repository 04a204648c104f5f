#pragma once
// The report template data model the library edits in place: a template, its report columns
// (queries), user-defined columns and the host's singly linked name list.
//
// Ownership: a query placed in a template's or a user-defined column's m_queries belongs to that
// object, which deletes it in its destructor. Whoever takes a query out of such a list owns it
// from then on (DeleteTmpltQueries frees a list of taken-out queries).
#include <list>
#include <string>

// One report column.
class CTmpltQuery {
 public:
  CTmpltQuery() = default;
  CTmpltQuery(const CTmpltQuery&) = default;
  CTmpltQuery& operator=(const CTmpltQuery&) = default;
  virtual ~CTmpltQuery() = default;

  std::string m_keyword;        // "PROP" for a property column
  std::string m_dependency;
  std::string m_qualifier;      // as the query server knows it, or a property marker
  std::string m_qualifierText;  // the qualifier shown, or the property name
  std::list<std::string> m_qualifierValues;
  std::string m_title;
  int m_viewOrder = 0;
  int m_sortOrder = 0;
  int m_width = 0;
  std::string m_alignment;
  bool m_visible = true;
  bool m_total = false;
  // The column's fields in its file that this version does not know (written by a newer version
  // or another tool), as a JSON object text, "" for none; written back when the column is saved.
  std::string m_unknownFields;

  friend bool operator==(const CTmpltQuery&, const CTmpltQuery&) = default;
};

using CTmpltQueryList = std::list<CTmpltQuery*>;

// The qualifier a plain (not property) qualifier cell shows and a run reads: its text, or, in a
// file that kept only the qualifier, the qualifier, so that it is neither lost on a save nor
// read differently by the editor and a run.
inline const std::string& ShownQualifierText(const CTmpltQuery& q) {
  return q.m_qualifierText.empty() ? q.m_qualifier : q.m_qualifierText;
}

// Deletes every query of the list and empties it.
void DeleteTmpltQueries(CTmpltQueryList& queries);
// Independent copies of the queries, in order (the caller owns them).
CTmpltQueryList CopyTmpltQueries(const CTmpltQueryList& queries);
// True when both lists hold equal queries in the same order.
bool EqualTmpltQueries(const CTmpltQueryList& a, const CTmpltQueryList& b);

class CTemplateData {
 public:
  CTemplateData() = default;
  CTemplateData(const CTemplateData&) = delete;
  CTemplateData& operator=(const CTemplateData&) = delete;
  virtual ~CTemplateData();  // deletes m_queries

  std::string m_version;
  std::string m_titlePage;
  std::string m_structure = "DesignBased";  // "DesignBased" or "BlockBased"
  bool m_duplicateCellValues = false;
  bool m_refDesAsRange = false;
  bool m_pinNumberAsRange = false;
  bool m_removeRowIfAllEmpty = false;
  bool m_removeRowIfAnyEmpty = false;
  std::string m_reportName;
  CTmpltQueryList m_queries;  // owned
  // The file's fields this version does not know, as a JSON object text shaped as the file
  // ("options" holding the unknown options), "" for none; written back on save.
  std::string m_unknownFields;
};

// A user-defined column: a name and its sub-columns.
class CCustomColData {
 public:
  CCustomColData() = default;
  // An independent copy (queries copied too); a null source gives an empty definition.
  explicit CCustomColData(const CCustomColData* source);
  CCustomColData(const CCustomColData&) = delete;
  CCustomColData& operator=(const CCustomColData&) = delete;
  virtual ~CCustomColData();  // deletes m_queries

  std::string m_name;
  std::string m_version;
  CTmpltQueryList m_queries;  // owned
  std::string m_unknownFields;  // as CTemplateData's
};

// A node of the host's singly linked name list. m_str is a malloc'ed copy (strdup) or null and is
// freed with free(); deleting a node deletes all its successors (without recursion).
class CStrList {
 public:
  CStrList() = default;
  explicit CStrList(const char* str);
  CStrList(const CStrList&) = delete;
  CStrList& operator=(const CStrList&) = delete;
  virtual ~CStrList();

  char* m_str = nullptr;
  CStrList* m_next = nullptr;
};
