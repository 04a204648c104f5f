// mirel script: commands from standard input worked on one query grid, as a person would work
// the query layout page: typing into cells, double clicks in the field lists, the Edit menu,
// and the answers to the questions the grid asks.
#include <algorithm>
#include <array>

#include "app/commands.h"
#include "app/choicelist.h"
#include "app/scriptcommand.h"
#include "celldialogs/PropNameDlg.h"
#include "platform/mfc/nocase.h"
#include "querygrid/QueryGrid.h"

namespace mirel::cli {

namespace {

// A command that cannot be carried out as written (the script is wrong, or a file failed).
struct ScriptError {
  std::string why;
};

class ScriptRunner {
 public:
  ScriptRunner(Services& services, GridSession& session, MessageRouter& router, Output& out)
      : m_services(services), m_session(session), m_router(router), m_out(out), m_grid(session.Grid()) {}

  void Run(const ScriptCommand& command);
  bool FoundInvalid() const { return m_foundInvalid; }

 private:
  void RequireCell(ROWCOL row, ROWCOL col) const;
  void Put(const ScriptCommand& command);
  void Add(const ScriptCommand& command);
  void AddCustom(const ScriptCommand& command);
  void Property(const ScriptCommand& command);
  void Choices(const ScriptCommand& command);
  void Select(const ScriptCommand& command);
  void EditCommand(const ScriptCommand& command);
  void Validate();
  void Store(const ScriptCommand& command);
  void Modified();

  Services& m_services;
  GridSession& m_session;
  MessageRouter& m_router;
  Output& m_out;
  CQueryGrid& m_grid;
  bool m_foundInvalid = false;
};

void ScriptRunner::RequireCell(ROWCOL row, ROWCOL col) const {
  const ROWCOL last = m_grid.GetColCount();
  if (col > last) {
    throw ScriptError{"column " + std::to_string(col) + " is not in the grid (its columns are 1 to " +
                      std::to_string(last) + ")"};
  }
  if (row > m_grid.GetRowCount()) throw ScriptError{"row " + std::to_string(row) + " is not in the grid"};
}

void ScriptRunner::Run(const ScriptCommand& command) {
  switch (command.verb) {
    case ScriptVerb::Put: return Put(command);
    case ScriptVerb::Add: return Add(command);
    case ScriptVerb::AddCustom: return AddCustom(command);
    case ScriptVerb::Answer:
      m_router.Interaction().AnswerMessage(command.text, command.button);
      return;
    case ScriptVerb::Property: return Property(command);
    case ScriptVerb::Choices: return Choices(command);
    case ScriptVerb::Select: return Select(command);
    case ScriptVerb::Validate: return Validate();
    case ScriptVerb::Store: return Store(command);
    case ScriptVerb::Dump:
      m_out.Dump(m_session.Dump());
      return;
    case ScriptVerb::Modified: return Modified();
    default: return EditCommand(command);
  }
}

// Typing goes into the current cell: a cell that cannot be current or edited refuses, except
// a check box, which a person sets by clicking it.
void ScriptRunner::Put(const ScriptCommand& command) {
  RequireCell(command.row, command.col);
  const CString text(command.text);
  bool stored = false;
  if (m_grid.SetCurrentCell(command.row, command.col)) {
    // The cell as the person sees it: composing the current cell fills its drop-down, from
    // which the combo completes what is typed.
    CGXStyle shown;
    m_grid.GetStyleRowCol(command.row, command.col, shown);
    if (m_grid.CanStartEditing(command.row, command.col)) {
      stored = m_grid.StoreEditText(command.row, command.col, text) != FALSE;
    } else if (m_grid.GetComposedStyle(command.row, command.col).GetControl() == qg::kCheckBoxControl &&
               (text == "0" || text == "1")) {
      stored = m_grid.GetValueRowCol(command.row, command.col) == text ||
               m_grid.ToggleCheckBoxRowCol(command.row, command.col) != FALSE;
    }
  }
  if (!stored) m_out.Refused(command.word);
}

void ScriptRunner::Add(const ScriptCommand& command) {
  for (const std::string& field : m_services.StandardFields()) {
    if (EqualsNoCase(field, command.text)) {
      m_grid.AddKeyword(CString(field), 0);
      return;
    }
  }
  throw ScriptError{"the standard field list has no field \"" + command.text + "\""};
}

void ScriptRunner::AddCustom(const ScriptCommand& command) {
  if (m_session.IsCustomColumn()) {
    throw ScriptError{"a user-defined column's own sub-columns have no user-defined field list"};
  }
  const std::optional<std::string> name = m_session.FindCustomColumn(command.text);
  if (!name) throw ScriptError{"the user-defined field list has no field \"" + command.text + "\""};
  m_grid.AddCustomKeyword(CString(*name));
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

void ScriptRunner::Choices(const ScriptCommand& command) {
  RequireCell(command.row, command.col);
  if (!m_grid.SetCurrentCell(command.row, command.col)) {
    m_out.Refused(command.word);
    return;
  }
  m_out.Choices(ReadDropDownChoices(m_grid, command.row, command.col));
}

void ScriptRunner::Select(const ScriptCommand& command) {
  RequireCell(command.row, command.col);
  RequireCell(command.row2, command.col2);
  if (!m_grid.SetCurrentCell(command.row, command.col)) {
    m_out.Refused(command.word);
    return;
  }
  m_grid.SetSelection(CGXRange(command.row, command.col, command.row2, command.col2));
}

// The Edit menu: a command it would gray out is refused.
void ScriptRunner::EditCommand(const ScriptCommand& command) {
  CQueryGrid& g = m_grid;
  bool enabled = false;
  switch (command.verb) {
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
  if (!enabled) m_out.Refused(command.word);
}

void ScriptRunner::Validate() {
  const bool valid = m_grid.ValidateData() != 0;
  if (!valid) m_foundInvalid = true;
  if (m_out.IsJson()) m_out.Json({{"valid", valid}});
  else m_out.Line(valid ? "valid" : "invalid");
}

void ScriptRunner::Store(const ScriptCommand& command) {
  std::string error;
  if (!m_session.Store(command.text, error)) throw ScriptError{"not saved: " + error};
  m_grid.SetTemplateModified(0);  // saved, as the dialog marks it after a Save
  if (m_out.IsJson()) m_out.Json({{"stored", command.text}});
  else m_out.Line("stored " + command.text);
}

void ScriptRunner::Modified() {
  const bool modified = m_grid.IsModified() != 0;
  if (m_out.IsJson()) m_out.Json({{"modified", modified}});
  else m_out.Line(modified ? "modified" : "unmodified");
}

void PrintUnanswered(Output& out, const UnansweredQuestion& question) {
  if (out.IsJson()) {
    ShownMessage shown = ShownFromAsked(question.Question());
    shown.answer.reset();
    out.Json({{"unanswered", MessageToJson(shown)}, {"why", question.what()}});
  } else {
    out.Line(question.what());
  }
  out.Flush();
}

}  // namespace

int RunScript(const CommonOptions& options, const std::optional<std::string>& file, std::istream& commands) {
  Output out(stdout, options.format);
  MessageRouter router(options);
  router.SetSink([&out](const ShownMessage& message) { out.Message(message); });
  int lineNumber = 0;
  auto where = [&lineNumber]() { return lineNumber ? "script line " + std::to_string(lineNumber) + ": " : std::string(); };
  try {
    std::string error;
    std::unique_ptr<Services> services = Services::Create(options, error);
    if (!services) {
      PrintError(error);
      return kExitError;
    }
    GridSession session(*services);
    if (file && !session.Open(*file, error)) {
      PrintError(error);
      return kExitError;
    }
    if (!session.Load()) {
      out.Flush();
      PrintError(*file + ": loading stopped at a keyword that was refused; the script does not run");
      return kExitInvalid;
    }
    ScriptRunner runner(*services, session, router, out);
    for (std::string line; std::getline(commands, line);) {
      ++lineNumber;
      const ParsedLine parsed = ParseScriptLine(line);
      if (!parsed.ok()) {
        out.Flush();
        PrintError(where() + parsed.error);
        return kExitError;
      }
      if (!parsed.command) continue;
      try {
        runner.Run(*parsed.command);
      } catch (const ScriptError& failure) {
        out.Flush();
        PrintError(where() + failure.why);
        return kExitError;
      }
    }
    out.Flush();
    const std::vector<std::string> unused = router.Interaction().DescribePending();
    for (const std::string& answer : unused) PrintError("script: " + answer + " was never used");
    if (!unused.empty()) return kExitError;
    return runner.FoundInvalid() ? kExitInvalid : kExitOk;
  } catch (const UnansweredQuestion& question) {
    PrintUnanswered(out, question);
    PrintError(where() + question.what());
    return kExitUnanswered;
  }
}

}  // namespace mirel::cli
