// CQueryGrid::InitQueryFields: a query list into the grid, one report column per query. Every
// cell goes through the cell rules, in a fixed order, so that a loaded column comes out with the
// same derived state (choices, locks, the custom-column mark, titles) as one edited by hand.
#include "hostapi/errorhandler.h"
#include "hostapi/zrcontrols.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"

using namespace qg;

namespace {

CString Decimal(int value) {
  CString text;
  text.Format("%d", value);
  return text;
}

}  // namespace

bool CQueryGrid::AcceptLoadedKeyword(const CString& keyword, int strict) {
  if (IsPropMarker(keyword.view()) || IsOperatorMarker(keyword.view())) return true;
  if (m_pQueryServer && m_pQueryServer->IsKeyword(keyword.str())) return true;
  if (m_nCustomizeMode == 0 && GetCustomColData(keyword)) return true;  // never inside one
  if (strict == 1) return false;
  return CZRErrorHandler::MessageBoxYesNo("ZRREPS-244", keyword) == IDYES;
}

void CQueryGrid::LoadQuery(const CTmpltQuery& q, ROWCOL col) {
  const CString keyword(q.m_keyword);
  const bool isProp = IsPropMarker(keyword.view());
  const bool isOperator = IsOperatorMarker(keyword.view());
  auto put = [&](ROWCOL row, const CGXStyle& style) { SetStyleRange(CGXRange(row, col), style); };
  auto putValue = [&](ROWCOL row, const CString& value) { put(row, CGXStyle().SetValue(value)); };

  if (isProp)
    put(kRowKeyword, CGXStyle().SetValue(CString(q.m_qualifierText)).SetControl(kPropFieldControl));
  else
    putValue(kRowKeyword, keyword);
  if (!q.m_unknownFields.empty()) {
    // Kept with the column, wherever it moves, for the store to write back; no rule looks at it.
    const CGXStyle kept = CGXStyle().SetUserAttribute(kUnknownFieldsAttr, CString(q.m_unknownFields));
    CGXGridWnd::StoreStyleRowCol(kRowKeyword, col, &kept, gxOverride, gxCellStyle);
  }

  put(kRowDependency, CGXStyle().SetValue(CString(q.m_dependency)).SetControl(isOperator ? kHotSpotControl : kComboControl));

  const char* qualifierMarker = m_pQueryServer ? m_pQueryServer->GetPropertyMarker(0) : nullptr;
  const bool qualifierIsProperty = qualifierMarker && mirel::EqualsNoCase(q.m_qualifier, qualifierMarker);
  putValue(kRowQualifier, CString(qualifierIsProperty ? q.m_qualifierText : ShownQualifierText(q)));
  if (qualifierIsProperty) put(kRowQualifier, CGXStyle().SetControl(kPropFieldControl));
  if (isProp) {
    const char* keywordMarker = m_pQueryServer ? m_pQueryServer->GetPropertyMarker(1) : nullptr;
    putValue(kRowQualifier, CString(keywordMarker ? keywordMarker : ""));
  }

  putValue(kRowQualifierValue, CString(CZRStringParser::Join(q.m_qualifierValues)));
  putValue(kRowTotal, q.m_total ? "1" : "0");

  CString title(q.m_title);
  if (title.IsEmpty()) title = qg::StoredText(*this, kRowTitle, col);
  if (title.IsEmpty()) title = isProp ? GetTitle(keyword, CString(q.m_qualifierText)) : GetTitle(keyword, "");
  putValue(kRowTitle, title);

  putValue(kRowWidth, Decimal(q.m_width));
  putValue(kRowAlignment, CString(q.m_alignment));
  putValue(kRowViewOrder, Decimal(q.m_viewOrder));
  putValue(kRowSortOrder, Decimal(q.m_sortOrder));
  putValue(kRowVisible, q.m_visible ? "1" : "0");
}

int CQueryGrid::InitQueryFields(int strict) {
  m_bLoading = 1;
  GetParam()->EnableUndo(FALSE);

  ROWCOL col = kFirstReportCol;
  if (m_pQueries) {
    for (const CTmpltQuery* q : *m_pQueries) {
      if (!q) continue;
      if (col > GetColCount()) SetColCount(col);
      InitializeColumns(col, col, 1);
      if (!AcceptLoadedKeyword(CString(q->m_keyword), strict)) {
        // The grid may stay open (the column editor does): what is edited next is the user's.
        EmptyUndoRedo();
        GetParam()->EnableUndo(TRUE);
        m_bLoading = 0;
        return 0;
      }
      LoadQuery(*q, col);
      ++col;
    }
  }

  EmptyUndoRedo();  // nothing of a load is the user's to take back
  GetParam()->EnableUndo(TRUE);
  m_bLoading = 0;
  m_bModified = 0;
  return 1;
}
