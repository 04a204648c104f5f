#pragma once
// CValidationGrid: the query of a query grid with every user-defined column expanded into the
// report columns it stands for and the view and sort orders renumbered for that expansion. The
// validation rules run on it, never on the query grid; nothing is written back. Made for one
// check (off-screen) or shown in the query validation dialog. One source per concern:
//   ValidationGridSetup.cpp     construction, InitializeGrid
//   ValidationGridCopy.cpp      CopyQueryData, InitQueryFields
//   ValidationGridOrders.cpp    the order maps and the renumbering
//   ValidationGridRead.cpp      GetGridObjects, GetCustomColumn
//   ValidationGridValidate.cpp  ValidateQueryData, GetErrorData, IsRelationDefined
// The rules themselves are plain code in ValidationRules.h.
#include <list>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"
#include "platform/grid/gxwnd.h"
#include "host/columnexpansion.h"
#include "validation/RelationSearch.h"
#include "validation/ValidationRules.h"

class CQueryGrid;
class CZRGridACListBox;

// One expanded, validated report column handed to the host. The caller of GetGridObjects owns
// the record and the query it points to.
class CValidationGridData {
 public:
  int m_isCustom = 0;              // 1 when the column came from a user-defined column
  CTmpltQuery* m_query = nullptr;  // a new query built from the column
  CString m_customName;            // that user-defined column's name
  CString m_customTitle;           // its title in the query grid
};

class CValidationGrid : public CGXGridWnd {
 public:
  static constexpr UINT kWindowId = 1046;

  // Takes the query server, the customize mode and the block-based flag of the query grid
  // (borrowed; it outlives this grid). The window is created by the owner, then InitializeGrid.
  explicit CValidationGrid(CQueryGrid* queryGrid);
  ~CValidationGrid() override;

  // Sets the grid up and fills it from the query grid. offScreen non-zero: the grid stays locked
  // and is never painted (the check before storing); 0: it is unlocked and drawn (the dialog).
  void InitializeGrid(int offScreen);
  // Fills the grid from the query grid, expanding user-defined columns (called by InitializeGrid).
  void CopyQueryData();
  // Writes one sub-column `query` of the user-defined column at query-grid column `queryColumn`
  // into validation column `column`.
  void InitQueryFields(CTmpltQuery* query, unsigned long column, unsigned long queryColumn, CString customName,
                       CString customTitle);

  // Every report column with a keyword as a new record; the caller owns the list, the records and
  // their queries (an empty list when no column has a keyword).
  std::list<CValidationGridData*>* GetGridObjects();
  // The user-defined column that the first column with this keyword and dependency came from
  // (both compared without regard to case). 1 when one was found; the out-parameters keep what
  // the last matching column held.
  int GetCustomColumn(CString keyword, CString dependency, CString& customName, CString& customTitle);

  // 1 when the query passes; 0 after showing its first problem (one message, OK button).
  int ValidateQueryData();

  // Composing the current cell fills the drop-down list with that cell's choices, as the query
  // grid offers them.
  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                      int nType = gxCellStyle) override;

  CQueryGrid* GetQueryGrid() const { return m_pQueryGrid; }
  CZRGridACListBox* GetListBox() const { return m_pListBox; }

 private:
  void CreateViewSortOrderMap();
  int GetModifiedViewOrder(unsigned long queryColumn, int offset);
  int GetModifiedSortOrder(unsigned long queryColumn, int offset);
  // The query-grid column as a query, with what the expansion of its sub-columns reads.
  CTmpltQuery ExpansionOwner(unsigned long queryColumn) const;
  void GetErrorData(int column, CString& keyword, CString& dependency, int& errorColumn);
  int IsRelationDefined(mirel::validation::RelationMap* relations, CString keyword, CString target,
                        std::set<std::string>& visited);

  void ApplyGridSettings();
  std::vector<mirel::validation::ValidationColumn> ReadColumns();
  CString QueryGridText(ROWCOL row, ROWCOL col) const;
  CString PropertyMarker(int kind) const;

  CZRGridACListBox* m_pListBox = nullptr;    // owned
  CQueryGrid* m_pQueryGrid = nullptr;        // borrowed
  IZRQueryServer* m_pQueryServer = nullptr;  // borrowed
  int m_nCustomizeMode = 0;
  bool m_bBlockBased = false;
  // Query-grid column -> validation columns it expands to / its View Order / its Sort Order.
  std::unordered_map<unsigned long, int> m_colWidths;
  std::unordered_map<unsigned long, int> m_viewOrders;
  std::unordered_map<unsigned long, int> m_sortOrders;
  // The same orders, renumbered for the expansion as the report engine renumbers them.
  mirel::ExpansionOrders m_viewIndex;
  mirel::ExpansionOrders m_sortIndex;
  // Validation column -> the query-grid column it was copied from (0: none, or expanded).
  std::vector<unsigned long> m_sourceColumns;
  bool m_bOffScreen = false;
  std::string m_heldChoices;     // what m_pListBox holds (see CQueryGrid::FillChoiceList)
  bool m_fillingChoices = false;  // filling composes cells, which must not fill again
};
