// Undo and redo change the query as much as an edit does: both mark it modified, so a step
// taken back after a save is offered for saving again.
#include "querygrid/QueryGrid.h"

BOOL CQueryGrid::Undo() {
  if (!CGXGridWnd::Undo()) return FALSE;
  m_bModified = 1;
  NotifyQueryChanged();  // a structure step stores no cell
  return TRUE;
}

BOOL CQueryGrid::Redo() {
  if (!CGXGridWnd::Redo()) return FALSE;
  m_bModified = 1;
  NotifyQueryChanged();
  return TRUE;
}
