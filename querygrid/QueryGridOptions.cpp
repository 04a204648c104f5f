#include "querygrid/QueryGridOptions.h"

namespace qg {
namespace {
constexpr UINT kTrackColWidthFlags = 0xB6;  // column widths may be dragged
constexpr UINT kActivateCellFlags = 8;
constexpr UINT kMergeCellsMode = 1;
}  // namespace

void ApplyQueryGridOptions(CGXGridParam& param) {
  param.EnableChangeTab(FALSE);
  param.SetNumberedColHeaders(FALSE);
  param.SetNumberedRowHeaders(FALSE);
  param.SetHideCurrentCell(0);
  param.EnableGridToolTips(TRUE);
  param.EnableTrackColWidth(kTrackColWidthFlags);
  param.EnableTrackRowHeight(0);
  param.SetMarkRowHeader(FALSE);
  param.SetMarkColHeader(FALSE);
  param.SetExcelLikeSelectionFrame(FALSE);
  param.SetActivateCellFlags(kActivateCellFlags);
  param.SetMergeCellsMode(kMergeCellsMode);
  param.EnableIntelliMouse();
  param.EnableScrollTips();
  param.ImplementCutPaste();
}

}  // namespace qg
