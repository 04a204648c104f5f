// CGXGridCore: undo, redo and transactions.
#include "platform/grid/gxcore.h"
#include "platform/grid/gxcoreimpl.h"

using namespace gxinternal;

namespace {
// Marks the grid as restoring for the lifetime of the object (recording off, lock not applied).
struct RestoreScope {
  explicit RestoreScope(int& depth) : m_depth(depth) { ++m_depth; }
  ~RestoreScope() { --m_depth; }
  int& m_depth;
};
}  // namespace

bool CGXGridCore::Impl::Recording() const {
  return core.m_param.IsEnableUndo() && core.m_nUndoRedoDepth == 0;
}

void CGXGridCore::Impl::Record(UndoRecord record) {
  if (!frames.empty()) {
    open.records.push_back(std::move(record));
    return;
  }
  UndoStep step;
  step.records.push_back(std::move(record));
  PushStep(std::move(step));
}

void CGXGridCore::Impl::PushStep(UndoStep step) {
  if (step.records.empty()) return;
  undo.push_back(std::move(step));
  redo.clear();
  const int limit = core.m_param.GetUndoLimit();
  if (limit > 0 && undo.size() > size_t(limit)) undo.erase(undo.begin(), undo.end() - limit);
}

void CGXGridCore::Impl::Apply(UndoRecord& record, bool undoing) {
  std::visit(
      [&](auto& r) {
        using T = std::decay_t<decltype(r)>;
        if constexpr (std::is_same_v<T, StyleRecord>) {
          core.StoreStyleRowCol(r.row, r.col, undoing ? &r.before : &r.after, gxCopy, r.nType);
        } else if constexpr (std::is_same_v<T, ColsRecord>) {
          if (r.insert != undoing) {
            PutCols(r.col, std::move(r.content), true);
            r.content.clear();
          } else {
            r.content = TakeCols(r.col, r.count);
          }
          covered = undoing ? r.coveredBefore : r.coveredAfter;
        } else if constexpr (std::is_same_v<T, RowsRecord>) {
          if (r.insert != undoing) {
            PutRows(r.row, std::move(r.content), true);
            r.content.clear();
          } else {
            r.content = TakeRows(r.row, r.count);
          }
          covered = undoing ? r.coveredBefore : r.coveredAfter;
        } else if constexpr (std::is_same_v<T, MoveRecord>) {
          const ROWCOL n = r.to - r.from + 1;
          if (undoing) MoveColsRaw(r.dest, r.dest + n - 1, r.from);
          else MoveColsRaw(r.from, r.to, r.dest);
          covered = undoing ? r.coveredBefore : r.coveredAfter;
        } else if constexpr (std::is_same_v<T, SizeRecord>) {
          SetSizesRaw(r.cols, r.first, undoing ? r.before : r.after);
        } else if constexpr (std::is_same_v<T, CoveredRecord>) {
          covered = undoing ? r.before : r.after;
        }
      },
      record);
  if (!std::holds_alternative<StyleRecord>(record)) core.AfterStructureChange(GX_INVALIDATE);
}

BOOL CGXGridCore::Undo() {
  Impl& d = *m_pImpl;
  if (!d.frames.empty() || d.undo.empty()) return FALSE;
  UndoStep step = std::move(d.undo.back());
  d.undo.pop_back();
  {
    RestoreScope scope(m_nUndoRedoDepth);
    for (auto it = step.records.rbegin(); it != step.records.rend(); ++it) d.Apply(*it, true);
  }
  d.redo.push_back(std::move(step));
  return TRUE;
}

BOOL CGXGridCore::Redo() {
  Impl& d = *m_pImpl;
  if (!d.frames.empty() || d.redo.empty()) return FALSE;
  UndoStep step = std::move(d.redo.back());
  d.redo.pop_back();
  {
    RestoreScope scope(m_nUndoRedoDepth);
    for (auto& record : step.records) d.Apply(record, false);
  }
  d.undo.push_back(std::move(step));
  return TRUE;
}

BOOL CGXGridCore::CanUndo(CCmdUI*) { return m_pImpl->frames.empty() && !m_pImpl->undo.empty(); }
BOOL CGXGridCore::CanRedo(CCmdUI*) { return m_pImpl->frames.empty() && !m_pImpl->redo.empty(); }

void CGXGridCore::BeginTrans(const CString& name) {
  Impl& d = *m_pImpl;
  if (d.frames.empty()) {
    d.open = UndoStep();
    d.open.name = name;
  }
  d.frames.push_back(d.open.records.size());
}

void CGXGridCore::CommitTrans() {
  Impl& d = *m_pImpl;
  if (d.frames.empty()) return;
  d.frames.pop_back();
  if (d.frames.empty()) d.PushStep(std::move(d.open));
  if (d.frames.empty()) d.open = UndoStep();
}

void CGXGridCore::Rollback() {
  Impl& d = *m_pImpl;
  if (d.frames.empty()) return;
  const size_t start = d.frames.back();
  d.frames.pop_back();
  {
    RestoreScope scope(m_nUndoRedoDepth);
    for (size_t i = d.open.records.size(); i > start; --i) d.Apply(d.open.records[i - 1], true);
  }
  d.open.records.resize(start);
  if (d.frames.empty()) d.open = UndoStep();
}

BOOL CGXGridCore::IsInTransaction() const { return !m_pImpl->frames.empty(); }

CString CGXGridCore::GetUndoText() const { return m_pImpl->undo.empty() ? CString() : m_pImpl->undo.back().name; }
CString CGXGridCore::GetRedoText() const { return m_pImpl->redo.empty() ? CString() : m_pImpl->redo.back().name; }
int CGXGridCore::GetUndoCount() const { return int(m_pImpl->undo.size()); }
int CGXGridCore::GetRedoCount() const { return int(m_pImpl->redo.size()); }

void CGXGridCore::EmptyUndoRedo() {
  m_pImpl->undo.clear();
  m_pImpl->redo.clear();
}
