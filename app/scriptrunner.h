#pragma once
// The runner of `mirel script`: the script's steps are the user. Without a dialog they work the
// bare query grid of a GridSession; with `--dialog KIND` they work the kind's dialog, and each
// `dialog ID ... end` block is queued as the answer to the next dialog with that template id.
// Grid verbs act on the grid of the open dialog, control verbs on its controls (dialogcontrols.h).
#include <functional>
#include <string>
#include <vector>

#include "app/scriptprogram.h"
#include "app/session.h"

class CDialog;
class CGXGridWnd;

namespace mirel::cli {

class PreviewSession;

// A step that cannot be carried out as written (the script is wrong, or a file failed): exit 2.
struct ScriptError {
  int line = 0;
  std::string why;
};

// The input ended while the kind's dialog was still open: it is torn down as it stands.
struct InputEnded {};

class ScriptRunner {
 public:
  // `bareGrid` is the grid of a GridSession (null when a dialog is worked).
  ScriptRunner(Services& services, GridSession* bareGrid, MessageRouter& router, Output& out);

  // Runs steps[next...] with no dialog open; `next` ends past the last step run.
  void RunWithoutDialog(const std::vector<ScriptStep>& steps, size_t& next);
  // Works the open dialog with steps[next...] until they or the dialog end. The kind's dialog
  // (`last` true) is torn down when the steps end first (throws InputEnded).
  void RunInDialog(CDialog& dialog, const std::vector<ScriptStep>& steps, size_t& next, bool last);

  bool FoundInvalid() const { return m_foundInvalid; }
  // Where the preview commands find the live preview (null when there is none).
  void SetPreviewLookup(std::function<PreviewSession*()> lookup) { m_preview = std::move(lookup); }
  // Where the current step is, for messages: "script line 3: " ("" outside the steps).
  std::string Where() const;

 private:
  void Run(const ScriptStep& step);
  [[noreturn]] void Fail(const std::string& why) const;
  CDialog* OpenDialog() const { return m_dialogs.empty() ? nullptr : m_dialogs.back(); }
  CDialog& RequireDialog(const ScriptStep& step) const;

  // ---- the open dialog's controls ----
  CWnd& RequireControl(const ScriptStep& step) const;
  void ControlVerb(const ScriptStep& step);
  void Key(const ScriptStep& step);
  void QueueDialog(const ScriptStep& step);

  // ---- grids ----
  CGXGridWnd& Grid(const ScriptStep& step) const;
  class CQueryGrid& QueryGrid(const ScriptStep& step) const;
  void RequireCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) const;
  bool MakeCurrent(CGXGridWnd& grid, const ScriptCommand& command);
  POINT CellPoint(CGXGridWnd& grid, ROWCOL row, ROWCOL col) const;
  void Put(const ScriptStep& step);
  void Add(const ScriptStep& step);
  void AddCustom(const ScriptStep& step);
  void Property(const ScriptCommand& command);
  void Choices(const ScriptStep& step);
  void Select(const ScriptStep& step);
  void EditCommand(const ScriptStep& step);
  void Validate(const ScriptStep& step);
  void Store(const ScriptStep& step);
  void Dump(const ScriptStep& step);
  void Modified(const ScriptStep& step);
  void CellButton(const ScriptStep& step);
  void RightClick(const ScriptStep& step);
  void Drag(const ScriptStep& step);

  // ---- the live preview (scriptpreview.cpp) ----
  PreviewSession& RequirePreview(const ScriptStep& step) const;
  void PreviewVerb(const ScriptStep& step);
  void PrintPreview(PreviewSession& preview);

  Services& m_services;
  GridSession* m_bareGrid;
  MessageRouter& m_router;
  Output& m_out;
  std::vector<CDialog*> m_dialogs;  // the open dialogs being worked, innermost last
  int m_line = 0;
  bool m_foundInvalid = false;
  std::function<PreviewSession*()> m_preview;
};

}  // namespace mirel::cli
