#pragma once
// CQueryGrid: the grid in which a query is edited. Every report column is a grid column (report
// column n in grid column n + 1) and every attribute of a report column a grid row (QueryGridIds.h).
// One source per concern implements it:
//   QueryGridLayout.cpp    set-up, cell kinds, widths, composing the current cell, accessors
//   QueryGridLoad.cpp      InitQueryFields: a query list into the grid
//   QueryGridStore.cpp     UpdateInfo: the grid into a new query list
//   QueryGridKeywords.cpp  AddKeyword, titles, the registry of user-defined columns
//   QueryGridRules.cpp     StoreStyleRowCol: the cell edit rules
//   QueryGridUndo.cpp      undo and redo mark the query modified
//   QueryGridChoices.cpp   drop-down choices and automatic dependencies
//   QueryGridValidate.cpp  ValidateData
//   QueryGridEdit.cpp      Edit commands, clipboard, keys and focus
//   QueryGridMouse.cpp     context menu, drag and drop
//   QueryGridButtons.cpp   cell buttons: the operator and qualifier values dialogs
//   QueryGridHostHooks.cpp for a host beside the dialog (the live preview): change notices, the
//                          query as a save would store it, validation that shows and changes
//                          nothing, and property names the host adds to Select Property
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/operatorexpression.h"
#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"
#include "platform/grid/gxwnd.h"
#include "platform/mfc/interaction.h"
#include "querygrid/QueryGridIds.h"

class CZRGridACListBox;
struct ListItem;

class CQueryGrid : public CGXGridWnd {
 public:
  CQueryGrid(IServer* server, IZRQueryServer* queryServer);
  ~CQueryGrid() override;

  // ---- set-up and accessors (QueryGridLayout.cpp) ----
  // Called once, after the window was created (or on a grid that never gets a window).
  void InitGrid();
  void SetTemplateData(std::list<CTmpltQuery*>* queries) { m_pQueries = queries; }
  void SetCustomizeMode(int mode) { m_nCustomizeMode = mode; }
  int GetCustomizeCols() const { return m_nCustomizeMode; }
  void SetBlockBased(bool blockBased) { m_bBlockBased = blockBased; }
  bool GetBlockBased() const { return m_bBlockBased; }
  IZRQueryServer* GetQueryServer() const { return m_pQueryServer; }
  IServer* GetServer() const { return m_pServer; }
  int IsModified() const { return m_bModified; }
  void SetTemplateModified(int /*unused*/) { m_bModified = 0; }
  const CStrList* GetPropList() const { return m_pPropList; }
  CZRGridACListBox* GetListBox() const { return m_pListBox; }
  // The eleven cells of each column first..last (none when first > last), with the defaults of a
  // new column when withDefaults is non-zero, else empty.
  void InitializeColumns(ROWCOL first, ROWCOL last, int withDefaults);
  void SetRowColHeaders();

  // ---- loading and storing ----
  int InitQueryFields(int strict);  // QueryGridLoad.cpp
  int UpdateInfo();                 // QueryGridStore.cpp

  // ---- keyword insertion and user-defined columns (QueryGridKeywords.cpp) ----
  void AddKeyword(CString keyword, int isCustom);
  void AddCustomKeyword(CString name) { AddKeyword(name, 1); }
  void AddCustomColToList(CCustomColData* data);  // the grid takes data unless the name is known
  CCustomColData* GetCustomColData(CString name);

  // ---- cell rules (QueryGridRules.cpp) ----
  // Splits an operator expression as the report engine does (host/operatorexpression.h); isName
  // tells the names an operand may be (none given: only the operator markers are known).
  static void GetOperatorOperands(CString expression, CString& left, CString& op, CString& right,
                                  const mirel::IsOperandName& isName = {},
                                  mirel::OperatorKind kind = mirel::OperatorKind::kAny);

  // ---- choice lists (QueryGridChoices.cpp) ----
  // Fills `list` with the drop-down choices of combo cell (row, col) of `cells`: this grid, or a
  // grid that shows this grid's query with its user-defined columns expanded, which are then not
  // offered. `held` is what the list holds, kept to spare refilling it with the same keywords.
  void FillChoiceList(CGXGridCore& cells, ROWCOL row, ROWCOL col, CZRGridACListBox& list, std::string& held);

  // ---- validation before storing (QueryGridValidate.cpp) ----
  int ValidateData();

  // ---- for a host beside the dialog (QueryGridHostHooks.cpp) ----
  // Called after every change of the query (each cell store, undo, redo, column removal), not
  // while loading; may be called more often than the query really changes.
  void SetQueryChangedListener(std::function<void()> listener) { m_queryChanged = std::move(listener); }
  // The query list UpdateInfo would store; the grid and its own list stay as they are.
  CTmpltQueryList StoredQueries();
  // What a save would store, checked as a save checks it, on a copy of the grid (ValidateData
  // renumbers orders in the grid it checks): the queries as UpdateInfo would store them after
  // the check, and nothing when the query is valid, else the check's first message, unshown.
  std::optional<mirel::MessageRequest> StoreQuietly(CTmpltQueryList& queries);
  // Names Select Property offers beside the property dictionary's, for the keyword whose objects
  // the property is asked of: a PROP column's Dependency, a property qualifier's Keyword ("" when
  // it is not known yet).
  using PropertyNameSource = std::function<std::vector<std::string>(const std::string& keyword)>;
  void SetPropertyNameSource(PropertyNameSource source) { m_propertyNames = std::move(source); }

  // ---- Edit commands (QueryGridEdit.cpp) ----
  virtual int CanDelete();
  virtual int CanInsert();
  void OnEditCopy();
  void OnEditCut();
  void OnEditDelete();
  void OnEditPaste();
  void OnEditUndo();
  void OnEditRedo();
  void OnEditInsertcol();
  void OnEditDeletecol();
  BOOL OnCommand(UINT id) override;
  UINT OnGetDlgCode() override;
  int OnMouseActivate(POINT clientPoint) override;
  void OnSetFocus(CWnd* oldWnd) override;

  // ---- grid core overrides ----
  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                      int nType = gxCellStyle) override;                 // Layout
  int GetColWidth(ROWCOL nCol) override;                                 // Layout
  BOOL ProcessKeys(const CGXKeyEvent& key) override;                     // Edit
  void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override;            // Mouse
  BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, POINT pt) override;  // Mouse
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;         // Buttons
  BOOL PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                       const CGXStyle* pOldStyle) override;              // Edit
  BOOL OnDndQueryAcceptData(const CGXDataObject* pDataObject) override;  // Mouse
  DWORD OnGridDragOver(const CGXDataObject* pDataObject, DWORD dwKeyState, POINT point) override;
  BOOL OnGridDrop(const CGXDataObject* pDataObject, DWORD dropEffect, POINT point) override;
  BOOL Clear(BOOL bStyles = FALSE) override;                             // Edit
  BOOL CanCut() override;
  BOOL CanPaste() override;
  BOOL CanClear() override;
  BOOL Undo() override;                                                  // Undo
  BOOL Redo() override;                                                  // Undo
  void OnContextMenu(CWnd* wnd, CPoint screenPoint) override;            // Mouse

 protected:
  BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt = gxOverride,
                        int nType = gxCellStyle) override;               // Rules
  CString GetTitle(CString keyword, CString propertyName);              // Keywords
  void CreatePQPropList();                                               // Layout
  int ValidateDependencyRow(CString keyword);                            // Rules
  void ResetColsViewSortOrder(ROWCOL col, int delta);                    // Rules

 private:
  // Layout
  void RegisterAllControls();
  void SetAppearance();
  // Choices
  void FillComboBox(DWORD row, DWORD col);
  CString GetKeywordAvailableDependency(CString keyword, CGXStyle keywordStyle, int isProperty, DWORD col);
  std::list<std::string>* GetCColDepKeywords(CCustomColData* data);
  std::string KeywordChoicesKey(CGXGridCore& cells, ROWCOL col);
  void FillKeywordChoices(CGXGridCore& cells, ROWCOL col, std::vector<ListItem>& choices);
  void FillDependencyChoices(CGXGridCore& cells, ROWCOL col, std::vector<ListItem>& choices);
  void FillQualifierChoices(CGXGridCore& cells, ROWCOL col, std::vector<ListItem>& choices);
  // Rules
  void ResetCustomCol(DWORD col, int locked);
  // What a stored Keyword or Qualifier brings with it at once, in the same undo step: an emptied
  // property cell becomes a combo again, a Keyword that no longer names a user-defined column
  // loses the mark and frees the cells that column locked.
  void SettleCell(ROWCOL row, ROWCOL col);
  int AskPropertyName(CString& name);  // the Select Property dialog; 0 when it was cancelled
  // A new property column as a reload of it shows it: a title when it has none, and the keyword
  // marker in its Qualifier cell.
  void FillPropertyColumn(ROWCOL col, const CString& name);
  BOOL ApplyKeywordRule(ROWCOL col, CGXStyle& style, bool setsValue, const CString& newText);
  BOOL ApplyQualifierRule(ROWCOL col, CGXStyle& style, const CString& newText);
  void ApplyNewKeywordSteps(ROWCOL col, const CGXStyle& style, const CString& oldText, const CString& keyword);
  CString KeywordWidth(const CString& keyword);
  // Load / Store
  bool AcceptLoadedKeyword(const CString& keyword, int strict);  // may ask "ZRREPS-244"
  void LoadQuery(const CTmpltQuery& q, ROWCOL col);
  CTmpltQuery* StoreQuery(ROWCOL col);  // a new query from a column with a keyword
  // Mouse
  void ShowPopupMenu(CPoint point);
  // Host hooks
  void NotifyQueryChanged() {
    if (m_queryChanged && !m_bLoading) m_queryChanged();
  }
  std::unique_ptr<CQueryGrid> CopyCells();
  // The dictionary's names with the host's added (null when the host adds none).
  std::unique_ptr<CStrList> PropertyNamesWithHost();

  // ---- members (all zero or empty after construction but the servers and the list box) ----
  CZRGridACListBox* m_pListBox = nullptr;  // owned: the drop-down list shared by all 1048 cells
  std::string m_heldKeywordChoices;        // KeywordChoicesKey of what m_pListBox holds, or ""
  IServer* m_pServer = nullptr;            // borrowed
  IZRQueryServer* m_pQueryServer = nullptr;  // borrowed
  std::list<CTmpltQuery*>* m_pQueries = nullptr;  // borrowed
  std::map<CString, CCustomColData*> m_customCols;  // upper-case name -> owned copy
  std::unordered_map<CString, int> m_titleCounts;   // title base text -> last number used
  int m_nCustomizeMode = 0;
  bool m_bBlockBased = false;
  CGXGridDropTarget m_dropTarget;
  int m_bLoading = 0;
  int m_bMouseActivated = 0;
  int m_bModified = 0;
  CStrList* m_pPropList = nullptr;  // owned
  std::function<void()> m_queryChanged;
  PropertyNameSource m_propertyNames;
};
