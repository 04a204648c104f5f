#pragma once
// One line of a `mirel script`, read into a command. Reading checks the words (their number,
// rows, column numbers, control ids, key names, answers); whether a column or a control exists is
// for the grid or the open dialog to say.
#include <optional>
#include <string>
#include <string_view>

#include "platform/mfc/afxtypes.h"

namespace mirel::cli {

enum class ScriptVerb {
  Put, Add, AddCustom, Answer, Property, Choices, Select,
  Clear, Cut, Copy, Paste, Undo, Redo, InsertCol, DeleteCol,
  Validate, Store, Dump, Modified,
  // the open dialog
  Click, Type, Choose, DblClick, DropDown, Key, Focus, Button, RClick, Drag, Controls,
  Dialog, End, File, Menu,
  // the live preview beside the template dialog (--design)
  Preview, PreviewOpen, PreviewVariant, PreviewFitted, PreviewExport,
};

struct ScriptCommand {
  ScriptVerb verb = ScriptVerb::Dump;
  std::string word;   // the command as written in the script, in lower case ("insert-col")
  ROWCOL row = 0, col = 0, row2 = 0, col2 = 0;
  std::string text;   // put, type, choose, dblclick, drag: the text; add / add-custom: the name;
                      // answer: the code; property: the name; store, file: the file; key: its name;
                      // preview-variant: the variant; preview-export: the format
  int button = 0;     // answer: IDYES, IDNO, IDCANCEL or IDOK
  bool cancel = false;  // property cancel, file cancel
  int id = 0;         // a control id; dialog: the template id; menu: the command (0: none)
  UINT key = 0;       // key: the virtual key
  bool shift = false;  // key: held with Shift
  bool on = false;     // preview-fitted
};

struct ParsedLine {
  std::optional<ScriptCommand> command;  // nothing for a blank line or a comment
  std::string error;                     // why the line is not a command ("" when it is)
  bool ok() const { return error.empty(); }
};

// Blank lines and lines whose first word starts with '#' are no command.
ParsedLine ParseScriptLine(std::string_view line);

// The answer word of `answer` ("yes", "no", "cancel", "ok", any letter case) as a button.
std::optional<int> ParseAnswerWord(std::string_view word);
// A key name of `key` ("Escape", "Tab", "Shift+Tab", "Enter", "F1", any letter case).
struct KeyName {
  UINT key = 0;
  bool shift = false;
};
std::optional<KeyName> ParseKeyName(std::string_view word);

// The lower-case word of a button (IDOK "ok" ...), "" for another value.
std::string ButtonWord(int button);

// The command language, for `mirel script --help`.
const char* ScriptLanguageHelp();

}  // namespace mirel::cli
