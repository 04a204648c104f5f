#pragma once
// Rows, columns, control ids and user attributes of the query grid. The numbers are fixed: the
// dialogs, stored cell styles and the validation grid all rely on them.
#include "platform/mfc/afxtypes.h"

namespace qg {

// Attribute rows, in their fixed order; row 0 is the collapsed column header row.
enum Row : ROWCOL {
  kRowKeyword = 1,
  kRowDependency = 2,
  kRowQualifier = 3,
  kRowQualifierValue = 4,
  kRowTotal = 5,
  kRowTitle = 6,
  kRowViewOrder = 7,
  kRowSortOrder = 8,
  kRowWidth = 9,
  kRowAlignment = 10,
  kRowVisible = 11,
};
constexpr ROWCOL kRowCount = 11;
constexpr ROWCOL kGroupCol = 0;        // "Query" / "Format" captions
constexpr ROWCOL kLabelCol = 1;        // row labels
constexpr ROWCOL kFirstReportCol = 2;  // report column n stands in grid column n + 1
constexpr ROWCOL kInitialColCount = 10;

// Cell controls.
constexpr UINT kListBoxId = 1047;         // "Query Grid List Box": the shared drop-down list
constexpr UINT kComboControl = 1048;      // "Query Grid Combo Box"
constexpr UINT kPropFieldControl = 1052;  // "Property Field Control"
constexpr UINT kPropFieldBitmap = 1037;
constexpr UINT kEditControl = 52512;
constexpr UINT kHeaderControl = 52513;
constexpr UINT kHotSpotControl = 52518;
constexpr UINT kLabelControl = 52520;
constexpr UINT kCheckBoxControl = 52523;

// User attributes.
constexpr UINT kCustomColAttr = 1053;      // "Custom Column Keyword User Attribute"
constexpr UINT kCustomNameAttr = 1079;     // validation grid: name of the expanded column
constexpr UINT kCustomTitleAttr = 1080;    // validation grid: its title in the query grid
constexpr UINT kCustomColumnAttr = 57645;  // validation grid: its query-grid column
constexpr UINT kTooltipAttr = 51022;
constexpr UINT kUnknownFieldsAttr = 1098;  // Keyword cell: the column's fields this version does not know

constexpr COLORREF kBlue = 0xFF0000;  // highlighted keywords (a COLORREF, so pure blue)
constexpr COLORREF kLockedInterior = 0xE6E6E6;
constexpr COLORREF kWhite = 0xFFFFFF;

// Edit menu and its commands.
constexpr UINT kEditMenu = 1061;
constexpr UINT kCmdEditClear = 57632;
constexpr UINT kCmdEditCopy = 57634;
constexpr UINT kCmdEditCut = 57635;
constexpr UINT kCmdEditPaste = 57637;
constexpr UINT kCmdEditUndo = 57643;
constexpr UINT kCmdEditRedo = 57644;
constexpr UINT kCmdEditInsertCol = 32776;
constexpr UINT kCmdEditDeleteCol = 32777;

// The special keyword markers, compared without regard to case.
inline constexpr const char* kPropMarker = "PROP";
inline constexpr const char* kMathOp = "MATH-OP";
inline constexpr const char* kRelOp = "RELOP";
inline constexpr const char* kStringOp = "STRINGOP";

}  // namespace qg
