// The runner of `mirel script`: each step is what a person does to the open dialog or its grid.
#include "app/scriptrunner.h"

#include <deque>

#include "app/choicelist.h"
#include "app/dialogcontrols.h"
#include "celldialogs/PropNameDlg.h"
#include "platform/mfc/nocase.h"
#include "querygrid/QueryGrid.h"
#include "validation/ValidationGrid.h"

namespace mirel::cli {

namespace {

constexpr int kQueryGridId = 1093;
constexpr int kValidationGridId = int(CValidationGrid::kWindowId);

std::string DialogName(const CDialog& dialog) { return "dialog " + std::to_string(dialog.GetTemplateId()); }

// The first window under `root` (breadth first) that `match` accepts.
template <typename Match>
CWnd* FindDescendant(CWnd& root, Match match) {
  std::deque<CWnd*> pending(root.Children().begin(), root.Children().end());
  while (!pending.empty()) {
    CWnd* wnd = pending.front();
    pending.pop_front();
    if (match(*wnd)) return wnd;
    pending.insert(pending.end(), wnd->Children().begin(), wnd->Children().end());
  }
  return nullptr;
}

const char* NeedsWhat(ScriptVerb verb) {
  switch (verb) {
    case ScriptVerb::Click: return "a push button, check box or radio button";
    case ScriptVerb::Type: return "an edit or a combo box with an edit field";
    case ScriptVerb::Choose: return "a list box or combo box";
    case ScriptVerb::DblClick: return "a list box";
    case ScriptVerb::DropDown: return "a combo box";
    default: return "another control";
  }
}

// Pops the dialog it pushed, also when a step throws.
class OpenDialogScope {
 public:
  OpenDialogScope(std::vector<CDialog*>& dialogs, CDialog& dialog) : m_dialogs(dialogs) { m_dialogs.push_back(&dialog); }
  ~OpenDialogScope() { m_dialogs.pop_back(); }
  OpenDialogScope(const OpenDialogScope&) = delete;
  OpenDialogScope& operator=(const OpenDialogScope&) = delete;

 private:
  std::vector<CDialog*>& m_dialogs;
};

}  // namespace

ScriptRunner::ScriptRunner(Services& services, GridSession* bareGrid, MessageRouter& router, Output& out)
    : m_services(services), m_bareGrid(bareGrid), m_router(router), m_out(out) {}

std::string ScriptRunner::Where() const { return m_line ? "script line " + std::to_string(m_line) + ": " : std::string(); }

void ScriptRunner::Fail(const std::string& why) const {
  // Windows torn down on the way out ask nobody.
  m_router.Interaction().SetDismissing(true);
  throw ScriptError{m_line, why};
}

void ScriptRunner::RunWithoutDialog(const std::vector<ScriptStep>& steps, size_t& next) {
  for (; next < steps.size(); ++next) Run(steps[next]);
}

void ScriptRunner::RunInDialog(CDialog& dialog, const std::vector<ScriptStep>& steps, size_t& next, bool last) {
  OpenDialogScope scope(m_dialogs, dialog);
  try {
    for (; next < steps.size() && dialog.IsModalSessionRunning(); ++next) Run(steps[next]);
  } catch (const UnansweredQuestion&) {
    m_router.Interaction().SetDismissing(true);
    throw;
  }
  if (!dialog.IsModalSessionRunning() && next < steps.size() && !last) {
    m_line = steps[next].line;
    Fail(DialogName(dialog) + " has ended; the lines of its block from here on have no dialog to work");
  }
  if (dialog.IsModalSessionRunning() && next == steps.size() && last) {
    m_router.Interaction().SetDismissing(true);
    throw InputEnded{};
  }
}

void ScriptRunner::Run(const ScriptStep& step) {
  m_line = step.line;
  if (!step.ok()) Fail(step.error);
  const ScriptCommand& command = step.command;
  switch (command.verb) {
    case ScriptVerb::Put: Put(step); break;
    case ScriptVerb::Add: Add(step); break;
    case ScriptVerb::AddCustom: AddCustom(step); break;
    case ScriptVerb::Answer: m_router.Interaction().AnswerMessage(command.text, command.button); break;
    case ScriptVerb::Property: Property(command); break;
    case ScriptVerb::Choices: Choices(step); break;
    case ScriptVerb::Select: Select(step); break;
    case ScriptVerb::Validate: Validate(step); break;
    case ScriptVerb::Store: Store(step); break;
    case ScriptVerb::Dump: Dump(step); break;
    case ScriptVerb::Modified: Modified(step); break;
    case ScriptVerb::Click:
    case ScriptVerb::Type:
    case ScriptVerb::Choose:
    case ScriptVerb::DblClick:
    case ScriptVerb::DropDown:
    case ScriptVerb::Focus: ControlVerb(step); break;
    case ScriptVerb::Key: Key(step); break;
    case ScriptVerb::Button: CellButton(step); break;
    case ScriptVerb::RClick: RightClick(step); break;
    case ScriptVerb::Drag: Drag(step); break;
    case ScriptVerb::Controls: {
      CDialog& dialog = RequireDialog(step);
      if (m_out.IsJson()) {
        m_out.Json(ControlsToJson(dialog));
      } else {
        for (const std::string& line : ControlsToText(dialog)) m_out.Line(line);
      }
      break;
    }
    case ScriptVerb::Dialog: QueueDialog(step); break;
    case ScriptVerb::File:
      if (command.cancel) m_router.Interaction().CancelFile();
      else m_router.Interaction().AnswerFile(command.text);
      break;
    case ScriptVerb::Menu: m_router.Interaction().AnswerMenu(UINT(command.id)); break;
    case ScriptVerb::Preview:
    case ScriptVerb::PreviewOpen:
    case ScriptVerb::PreviewVariant:
    case ScriptVerb::PreviewFitted:
    case ScriptVerb::PreviewExport: PreviewVerb(step); break;
    case ScriptVerb::End: break;  // closes a block while reading
    default: EditCommand(step); break;
  }
}

CDialog& ScriptRunner::RequireDialog(const ScriptStep& step) const {
  if (CDialog* dialog = OpenDialog()) return *dialog;
  Fail("\"" + step.command.word + "\" needs an open dialog, and none is open here");
}

// ---- the open dialog's controls -----------------------------------------------------------------

CWnd& ScriptRunner::RequireControl(const ScriptStep& step) const {
  CDialog& dialog = RequireDialog(step);
  if (CWnd* control = FindDialogControl(dialog, step.command.id)) return *control;
  Fail(DialogName(dialog) + " \"" + dialog.GetWindowTextString().str() + "\" has no control " + std::to_string(step.command.id));
}

void ScriptRunner::ControlVerb(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CWnd& control = RequireControl(step);
  Acted acted = Acted::WrongKind;
  switch (command.verb) {
    case ScriptVerb::Click: acted = ClickControl(control); break;
    case ScriptVerb::Type: acted = TypeIntoControl(control, command.text); break;
    case ScriptVerb::Choose: acted = ChooseEntry(control, command.text); break;
    case ScriptVerb::DblClick: acted = DoubleClickEntry(control, command.text); break;
    case ScriptVerb::DropDown: acted = DropDownAndClose(control); break;
    case ScriptVerb::Focus: acted = FocusControl(control); break;
    default: break;
  }
  if (acted == Acted::WrongKind) {
    Fail("control " + std::to_string(command.id) + " is a " + ControlKindName(control) + "; \"" + command.word +
         "\" needs " + NeedsWhat(command.verb));
  }
  if (acted == Acted::Refused) m_out.Refused(command.word);
}

// The key goes to the focused window when it lies in the open dialog, else to the dialog.
void ScriptRunner::Key(const ScriptStep& step) {
  CDialog& dialog = RequireDialog(step);
  CWnd* focus = CWnd::GetFocus();
  CWnd& target = focus && (focus == &dialog || dialog.IsChild(focus)) ? *focus : dialog;
  SimulateKeyDown(target, step.command.key, step.command.shift);
}

void ScriptRunner::QueueDialog(const ScriptStep& step) {
  m_router.Interaction().AnswerDialog(UINT(step.command.id), [this, &step](CDialog& dialog) {
    size_t next = 0;
    RunInDialog(dialog, step.block, next, false);
  });
}

// ---- grids --------------------------------------------------------------------------------------

CGXGridWnd& ScriptRunner::Grid(const ScriptStep& step) const {
  if (CDialog* dialog = OpenDialog()) {
    CWnd* found = FindDescendant(*dialog, [](CWnd& wnd) { return dynamic_cast<CQueryGrid*>(&wnd) != nullptr; });
    for (int id : {kQueryGridId, kValidationGridId}) {
      if (!found) {
        found = FindDescendant(*dialog, [id](CWnd& wnd) { return wnd.GetDlgCtrlID() == id && dynamic_cast<CGXGridWnd*>(&wnd); });
      }
    }
    if (!found) Fail("\"" + step.command.word + "\" works a grid, and " + DialogName(*dialog) + " has none");
    return dynamic_cast<CGXGridWnd&>(*found);
  }
  if (m_bareGrid) return m_bareGrid->Grid();
  Fail("\"" + step.command.word + "\" needs an open dialog with a grid, and none is open here");
}

CQueryGrid& ScriptRunner::QueryGrid(const ScriptStep& step) const {
  if (auto* grid = dynamic_cast<CQueryGrid*>(&Grid(step))) return *grid;
  Fail("\"" + step.command.word + "\" works a query grid, and the grid of " + DialogName(*OpenDialog()) + " is none");
}

void ScriptRunner::RequireCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) const {
  const ROWCOL last = grid.GetColCount();
  if (col > last) {
    Fail("column " + std::to_string(col) + " is not in the grid (its columns are 1 to " + std::to_string(last) + ")");
  }
  if (row > grid.GetRowCount()) Fail("row " + std::to_string(row) + " is not in the grid");
}

// A cell a person cannot make current refuses the command.
bool ScriptRunner::MakeCurrent(CGXGridWnd& grid, const ScriptCommand& command) {
  if (grid.SetCurrentCell(command.row, command.col)) return true;
  m_out.Refused(command.word);
  return false;
}

// The middle of the cell in the grid window's client pixels, scrolled into view; (-1, -1) when
// the grid shows no cells (it has no window).
POINT ScriptRunner::CellPoint(CGXGridWnd& grid, ROWCOL row, ROWCOL col) const {
  grid.ScrollCellInView(row, col);
  const RECT rect = grid.CalcRectFromRowCol(row, col);
  if (rect.right <= rect.left || rect.bottom <= rect.top) return POINT{-1, -1};
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Typing goes into the current cell: a cell that cannot be current or edited refuses, except
// a check box, which a person sets by clicking it.
void ScriptRunner::Put(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CGXGridWnd& grid = Grid(step);
  RequireCell(grid, command.row, command.col);
  const CString text(command.text);
  bool stored = false;
  if (grid.SetCurrentCell(command.row, command.col)) {
    // The cell as the person sees it: composing the current cell fills its drop-down, from
    // which the combo completes what is typed.
    CGXStyle shown;
    grid.GetStyleRowCol(command.row, command.col, shown);
    if (grid.CanStartEditing(command.row, command.col)) {
      stored = grid.StoreEditText(command.row, command.col, text) != FALSE;
    } else if (grid.GetComposedStyle(command.row, command.col).GetControl() == qg::kCheckBoxControl &&
               (text == "0" || text == "1")) {
      stored = grid.GetValueRowCol(command.row, command.col) == text ||
               grid.ToggleCheckBoxRowCol(command.row, command.col) != FALSE;
    }
  }
  if (!stored) m_out.Refused(command.word);
}

void ScriptRunner::Add(const ScriptStep& step) {
  CQueryGrid& grid = QueryGrid(step);
  for (const std::string& field : m_services.StandardFields()) {
    if (EqualsNoCase(field, step.command.text)) {
      grid.AddKeyword(CString(field), 0);
      return;
    }
  }
  Fail("the standard field list has no field \"" + step.command.text + "\"");
}

void ScriptRunner::AddCustom(const ScriptStep& step) {
  CQueryGrid& grid = QueryGrid(step);
  if (grid.GetCustomizeCols()) Fail("a user-defined column's own sub-columns have no user-defined field list");
  const std::optional<std::string> name = m_services.FindCustomColumn(step.command.text);
  if (!name) Fail("the user-defined field list has no field \"" + step.command.text + "\"");
  grid.AddCustomKeyword(CString(*name));
}

void ScriptRunner::Property(const ScriptCommand& command) {
  if (command.cancel) {
    m_router.Interaction().AnswerDialog(CPropNameDlg::IDD, [](CDialog& dialog) { script::Click(dialog, IDCANCEL); });
    return;
  }
  m_router.Interaction().AnswerDialog(CPropNameDlg::IDD, [name = command.text](CDialog& dialog) {
    script::Type(dialog, CPropNameDlg::kNameComboId, name);
    script::Click(dialog, IDOK);
  });
}

void ScriptRunner::Choices(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CQueryGrid& grid = QueryGrid(step);
  RequireCell(grid, command.row, command.col);
  if (!MakeCurrent(grid, command)) return;
  m_out.Choices(ReadDropDownChoices(grid, command.row, command.col));
}

void ScriptRunner::Select(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CGXGridWnd& grid = Grid(step);
  RequireCell(grid, command.row, command.col);
  RequireCell(grid, command.row2, command.col2);
  if (!MakeCurrent(grid, command)) return;
  grid.SetSelection(CGXRange(command.row, command.col, command.row2, command.col2));
}

// The Edit menu: a command it would gray out is refused.
void ScriptRunner::EditCommand(const ScriptStep& step) {
  CQueryGrid& g = QueryGrid(step);
  bool enabled = false;
  switch (step.command.verb) {
    case ScriptVerb::Clear: if ((enabled = g.CanClear())) g.OnEditDelete(); break;
    case ScriptVerb::Cut: if ((enabled = g.CanCut())) g.OnEditCut(); break;
    case ScriptVerb::Copy: if ((enabled = g.CanCopy())) g.OnEditCopy(); break;
    case ScriptVerb::Paste: if ((enabled = g.CanPaste())) g.OnEditPaste(); break;
    case ScriptVerb::Undo: if ((enabled = g.CanUndo())) g.OnEditUndo(); break;
    case ScriptVerb::Redo: if ((enabled = g.CanRedo())) g.OnEditRedo(); break;
    case ScriptVerb::InsertCol: if ((enabled = g.CanInsert() != 0)) g.OnEditInsertcol(); break;
    case ScriptVerb::DeleteCol: if ((enabled = g.CanDelete() != 0)) g.OnEditDeletecol(); break;
    default: break;
  }
  if (!enabled) m_out.Refused(step.command.word);
}

void ScriptRunner::Validate(const ScriptStep& step) {
  CGXGridWnd& grid = Grid(step);
  bool valid = false;
  if (auto* query = dynamic_cast<CQueryGrid*>(&grid)) valid = query->ValidateData() != 0;
  else if (auto* validation = dynamic_cast<CValidationGrid*>(&grid)) valid = validation->ValidateQueryData() != 0;
  else Fail("the grid of " + DialogName(*OpenDialog()) + " has no validation");
  if (!valid) m_foundInvalid = true;
  if (m_out.IsJson()) m_out.Json({{"valid", valid}});
  else m_out.Line(valid ? "valid" : "invalid");
}

void ScriptRunner::Store(const ScriptStep& step) {
  if (!m_bareGrid || OpenDialog()) {
    Fail("\"store\" saves the bare grid of mirel script without --dialog; a dialog saves with its own buttons");
  }
  std::string error;
  if (!m_bareGrid->Store(step.command.text, error)) Fail("not saved: " + error);
  m_bareGrid->Grid().SetTemplateModified(0);  // saved, as the dialog marks it after a Save
  if (m_out.IsJson()) m_out.Json({{"stored", step.command.text}});
  else m_out.Line("stored " + step.command.text);
}

void ScriptRunner::Dump(const ScriptStep& step) {
  CGXGridWnd& grid = Grid(step);
  m_out.Dump(CollectReportColumns(grid.GetColCount(), [&grid](ROWCOL row, ROWCOL col) {
    return std::string(grid.GetValueRowCol(row, col));
  }));
}

void ScriptRunner::Modified(const ScriptStep& step) {
  const bool modified = QueryGrid(step).IsModified() != 0;
  if (m_out.IsJson()) m_out.Json({{"modified", modified}});
  else m_out.Line(modified ? "modified" : "unmodified");
}

void ScriptRunner::CellButton(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CGXGridWnd& grid = Grid(step);
  RequireCell(grid, command.row, command.col);
  if (!MakeCurrent(grid, command)) return;
  grid.OnClickedButtonRowCol(command.row, command.col);
}

void ScriptRunner::RightClick(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CGXGridWnd& grid = Grid(step);
  RequireCell(grid, command.row, command.col);
  grid.OnRButtonClickedRowCol(command.row, command.col, 0, CellPoint(grid, command.row, command.col));
}

// From a field list of the open dialog that offers the text as a drag source; otherwise the
// plain text as another program would drag it.
void ScriptRunner::Drag(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  CGXGridWnd& grid = Grid(step);
  RequireCell(grid, command.row, command.col);
  const POINT point = CellPoint(grid, command.row, command.col);
  CListBox* source = nullptr;
  int index = -1;
  if (CDialog* dialog = OpenDialog()) {
    for (CWnd* control : ListedControls(*dialog)) {
      auto* list = dynamic_cast<CListBox*>(control);
      if (!list || !list->IsTextDragEnabled()) continue;
      index = list->FindStringExact(-1, command.text.c_str());
      if (index >= 0) {
        source = list;
        break;
      }
    }
  }
  const DROPEFFECT effect = source ? source->SimulateDragTo(index, grid, CPoint(point.x, point.y))
                                   : mirel::DoDragDrop(DropData(command.text), DROPEFFECT_COPY, grid, CPoint(point.x, point.y));
  if (effect == DROPEFFECT_NONE) m_out.DropRefused();
}

}  // namespace mirel::cli
