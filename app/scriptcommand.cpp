#include "app/scriptcommand.h"

#include <array>
#include <vector>

#include "app/rows.h"
#include "app/scriptlexer.h"
#include "platform/mfc/nocase.h"
#include "platform/mfc/winconst.h"

namespace mirel::cli {

namespace {

enum class Args { None, Name, RowCol, RowColText, Answer, Range, Id, IdText, Key, TextRowCol, File, Menu, Text, OnOff };

struct VerbSpec {
  const char* word;
  ScriptVerb verb;
  Args args;
  const char* usage;
};

constexpr std::array kVerbs{
    VerbSpec{"put", ScriptVerb::Put, Args::RowColText, "put ROW COL TEXT"},
    VerbSpec{"add", ScriptVerb::Add, Args::Name, "add KEYWORD"},
    VerbSpec{"add-custom", ScriptVerb::AddCustom, Args::Name, "add-custom NAME"},
    VerbSpec{"answer", ScriptVerb::Answer, Args::Answer, "answer CODE yes|no|cancel|ok"},
    VerbSpec{"property", ScriptVerb::Property, Args::Name, "property NAME|cancel"},
    VerbSpec{"choices", ScriptVerb::Choices, Args::RowCol, "choices ROW COL"},
    VerbSpec{"select", ScriptVerb::Select, Args::Range, "select R1 C1 R2 C2"},
    VerbSpec{"clear", ScriptVerb::Clear, Args::None, "clear"},
    VerbSpec{"cut", ScriptVerb::Cut, Args::None, "cut"},
    VerbSpec{"copy", ScriptVerb::Copy, Args::None, "copy"},
    VerbSpec{"paste", ScriptVerb::Paste, Args::None, "paste"},
    VerbSpec{"undo", ScriptVerb::Undo, Args::None, "undo"},
    VerbSpec{"redo", ScriptVerb::Redo, Args::None, "redo"},
    VerbSpec{"insert-col", ScriptVerb::InsertCol, Args::None, "insert-col"},
    VerbSpec{"delete-col", ScriptVerb::DeleteCol, Args::None, "delete-col"},
    VerbSpec{"validate", ScriptVerb::Validate, Args::None, "validate"},
    VerbSpec{"store", ScriptVerb::Store, Args::Name, "store FILE"},
    VerbSpec{"dump", ScriptVerb::Dump, Args::None, "dump"},
    VerbSpec{"modified", ScriptVerb::Modified, Args::None, "modified"},
    VerbSpec{"click", ScriptVerb::Click, Args::Id, "click ID"},
    VerbSpec{"type", ScriptVerb::Type, Args::IdText, "type ID TEXT"},
    VerbSpec{"choose", ScriptVerb::Choose, Args::IdText, "choose ID TEXT"},
    VerbSpec{"dblclick", ScriptVerb::DblClick, Args::IdText, "dblclick ID TEXT"},
    VerbSpec{"dropdown", ScriptVerb::DropDown, Args::Id, "dropdown ID"},
    VerbSpec{"key", ScriptVerb::Key, Args::Key, "key Escape|Tab|Shift+Tab|Enter|F1"},
    VerbSpec{"focus", ScriptVerb::Focus, Args::Id, "focus ID"},
    VerbSpec{"button", ScriptVerb::Button, Args::RowCol, "button ROW COL"},
    VerbSpec{"rclick", ScriptVerb::RClick, Args::RowCol, "rclick ROW COL"},
    VerbSpec{"drag", ScriptVerb::Drag, Args::TextRowCol, "drag TEXT ROW COL"},
    VerbSpec{"controls", ScriptVerb::Controls, Args::None, "controls"},
    VerbSpec{"dialog", ScriptVerb::Dialog, Args::Id, "dialog ID"},
    VerbSpec{"end", ScriptVerb::End, Args::None, "end"},
    VerbSpec{"file", ScriptVerb::File, Args::File, "file PATH|cancel"},
    VerbSpec{"menu", ScriptVerb::Menu, Args::Menu, "menu ID|none"},
    VerbSpec{"preview", ScriptVerb::Preview, Args::None, "preview"},
    VerbSpec{"preview-open", ScriptVerb::PreviewOpen, Args::None, "preview-open"},
    VerbSpec{"preview-variant", ScriptVerb::PreviewVariant, Args::Text, "preview-variant NAME (\"\" for none)"},
    VerbSpec{"preview-fitted", ScriptVerb::PreviewFitted, Args::OnOff, "preview-fitted on|off"},
    VerbSpec{"preview-export", ScriptVerb::PreviewExport, Args::Name, "preview-export text|csv|html|json"},
};

size_t WordCount(Args args) {
  switch (args) {
    case Args::None: return 0;
    case Args::Name: return 1;
    case Args::RowCol: return 2;
    case Args::RowColText: return 3;
    case Args::Answer: return 2;
    case Args::Range: return 4;
    case Args::Id: return 1;
    case Args::IdText: return 2;
    case Args::Key: return 1;
    case Args::TextRowCol: return 3;
    case Args::File: return 1;
    case Args::Menu: return 1;
    case Args::Text: return 1;
    case Args::OnOff: return 1;
  }
  return 0;
}

ParsedLine Fail(std::string why) {
  ParsedLine result;
  result.error = std::move(why);
  return result;
}

std::string Quoted(const std::string& word) { return "\"" + word + "\""; }

// Fills row/col from words[at], words[at + 1]; "" or why not.
std::string ReadCell(const std::vector<std::string>& words, size_t at, ROWCOL& row, ROWCOL& col) {
  auto r = ParseRow(words[at]);
  if (!r) return "no row " + Quoted(words[at]) + " (a row label such as \"Keyword\" or a number from 1 to 11)";
  auto c = ParseNumber(words[at + 1]);
  if (!c || *c < 1) return "no column " + Quoted(words[at + 1]) + " (a grid column number, 2 for the first report column)";
  row = *r;
  col = *c;
  return "";
}

// A control, dialog template or command id: a number from 1 (IDOK) up.
std::string ReadId(const std::string& word, const char* what, int& id) {
  auto number = ParseNumber(word);
  if (!number || *number < 1) return std::string("no ") + what + " " + Quoted(word) + " (a resource id such as 1 or 1034)";
  id = int(*number);
  return "";
}

}  // namespace

std::optional<KeyName> ParseKeyName(std::string_view word) {
  if (EqualsNoCase(word, "Escape") || EqualsNoCase(word, "Esc")) return KeyName{VK_ESCAPE, false};
  if (EqualsNoCase(word, "Tab")) return KeyName{VK_TAB, false};
  if (EqualsNoCase(word, "Shift+Tab")) return KeyName{VK_TAB, true};
  if (EqualsNoCase(word, "Enter") || EqualsNoCase(word, "Return")) return KeyName{VK_RETURN, false};
  if (EqualsNoCase(word, "F1")) return KeyName{VK_F1, false};
  return std::nullopt;
}

std::optional<int> ParseAnswerWord(std::string_view word) {
  if (EqualsNoCase(word, "yes")) return IDYES;
  if (EqualsNoCase(word, "no")) return IDNO;
  if (EqualsNoCase(word, "cancel")) return IDCANCEL;
  if (EqualsNoCase(word, "ok")) return IDOK;
  return std::nullopt;
}

std::string ButtonWord(int button) {
  switch (button) {
    case IDOK: return "ok";
    case IDCANCEL: return "cancel";
    case IDYES: return "yes";
    case IDNO: return "no";
    default: return "";
  }
}

ParsedLine ParseScriptLine(std::string_view line) {
  LexResult lexed = SplitScriptLine(line);
  if (!lexed.ok()) return Fail(lexed.error);
  const std::vector<std::string>& words = lexed.words;
  if (words.empty() || words[0].starts_with('#')) return {};

  const VerbSpec* entry = nullptr;
  for (const VerbSpec& candidate : kVerbs) {
    if (EqualsNoCase(words[0], candidate.word)) entry = &candidate;
  }
  if (!entry) return Fail("unknown command " + Quoted(words[0]) + " (see mirel script --help)");
  if (words.size() - 1 != WordCount(entry->args)) {
    return Fail(std::string("wrong number of words: ") + entry->usage +
                (entry->args == Args::RowColText ? " (quote a TEXT with blanks)" : ""));
  }

  ScriptCommand command;
  command.verb = entry->verb;
  command.word = entry->word;
  switch (entry->args) {
    case Args::None:
      break;
    case Args::Name:
      command.text = words[1];
      if (command.text.empty() && entry->verb != ScriptVerb::Property) {
        return Fail(std::string("an empty name: ") + entry->usage);
      }
      if (entry->verb == ScriptVerb::Property && EqualsNoCase(command.text, "cancel")) {
        command.cancel = true;
        command.text.clear();
      }
      break;
    case Args::RowCol:
    case Args::RowColText:
      if (auto why = ReadCell(words, 1, command.row, command.col); !why.empty()) return Fail(why);
      if (entry->args == Args::RowColText) command.text = words[3];
      break;
    case Args::Answer: {
      if (words[1].empty()) return Fail("an empty message code: answer CODE yes|no|cancel|ok");
      auto button = ParseAnswerWord(words[2]);
      if (!button) return Fail("no answer " + Quoted(words[2]) + " (yes, no, cancel or ok)");
      command.text = words[1];
      command.button = *button;
      break;
    }
    case Args::Range:
      if (auto why = ReadCell(words, 1, command.row, command.col); !why.empty()) return Fail(why);
      if (auto why = ReadCell(words, 3, command.row2, command.col2); !why.empty()) return Fail(why);
      break;
    case Args::Id:
    case Args::IdText: {
      const char* what = entry->verb == ScriptVerb::Dialog ? "dialog template id" : "control id";
      if (auto why = ReadId(words[1], what, command.id); !why.empty()) return Fail(why);
      if (entry->args == Args::IdText) command.text = words[2];
      break;
    }
    case Args::Key: {
      auto key = ParseKeyName(words[1]);
      if (!key) return Fail("no key " + Quoted(words[1]) + " (Escape, Tab, Shift+Tab, Enter or F1)");
      command.key = key->key;
      command.shift = key->shift;
      command.text = words[1];
      break;
    }
    case Args::TextRowCol:
      command.text = words[1];
      if (command.text.empty()) return Fail(std::string("an empty text: ") + entry->usage);
      if (auto why = ReadCell(words, 2, command.row, command.col); !why.empty()) return Fail(why);
      break;
    case Args::File:
      if (EqualsNoCase(words[1], "cancel")) {
        command.cancel = true;
      } else if (words[1].empty()) {
        return Fail(std::string("an empty path: ") + entry->usage);
      } else {
        command.text = words[1];
      }
      break;
    case Args::Menu:
      if (!EqualsNoCase(words[1], "none")) {
        if (auto why = ReadId(words[1], "menu command", command.id); !why.empty()) return Fail(why + " or none");
      }
      break;
    case Args::Text:
      command.text = words[1];
      break;
    case Args::OnOff:
      if (EqualsNoCase(words[1], "on") || words[1] == "1") command.on = true;
      else if (!EqualsNoCase(words[1], "off") && words[1] != "0") return Fail("no switch " + Quoted(words[1]) + " (on or off)");
      break;
  }
  ParsedLine result;
  result.command = std::move(command);
  return result;
}

const char* ScriptLanguageHelp() {
  return R"(Script commands, one a line, from standard input. Words are separated by blanks; a word may
be written in double quotes, with \" for a quote, \\ for a backslash, \n for a line break (a
multi-line edit takes it as a new line) and \t for a tab. Blank lines and lines starting with #
are skipped. ROW is a row label ("Keyword", "Dependency", "Qualifier", "Qualifier Value",
"Total", "Title", "View Order", "Sort Order", "Width", "Alignment", "Visible", any letter case)
or its number 1 to 11; COL is a grid column number (report column n is grid column n + 1, so 2
is the first report column). ID is a control's resource id in the dialog's template.

The grid (without --dialog the bare query grid; with it the grid of the open dialog: the
layout page's query grid, or the validation dialog's validation grid):
  put ROW COL TEXT           type TEXT into the cell and confirm it (the cell rules decide;
                             a refused text prints "refused put")
  add KEYWORD                add a field as a double click in the standard field list does
  add-custom NAME            add a user-defined column as a double click in its list does
  choices ROW COL            make the cell current and print its drop-down choices in their
                             own (sorted) order, blue ones marked with *
  select R1 C1 R2 C2         select a range; the current cell moves to R1 C1
  clear | cut | copy | paste | undo | redo | insert-col | delete-col
                             the Edit commands, on the current cell and the selection; a
                             command the Edit menu would gray out prints "refused COMMAND"
  validate                   the grid's validation: its messages, then valid or invalid
  dump                       print the grid as mirel show does
  modified                   print modified or unmodified: whether the query changed since
                             it was loaded or stored (what Close would offer to save)
  button ROW COL             make the cell current and click its cell button
  rclick ROW COL             right-click the cell; the Edit menu that shows is printed and
                             needs an answer (menu)
  drag TEXT ROW COL          drag TEXT from the field list that has it (else plain text) and
                             drop it on the cell; a refused drop prints "drop refused"
  store FILE                 (bare grid only) store the grid into the template (or the
                             user-defined column) as it stands, without validation, and save it;
                             the query counts as unmodified from then on, as after a Save

The open dialog (the --dialog KIND's, or the one a dialog block works):
  click ID                   click a push button, check box or radio button
  type ID TEXT               replace the text of an edit, or of a combo box's edit field, as
                             typing does (upper case and length limits apply)
  choose ID TEXT             select the list or combo box entry equal to TEXT (any case)
  dblclick ID TEXT           choose, then double-click, a list box entry
  dropdown ID                open a combo box's list, then close it
  key NAME                   a key to the focused control, through the dialog's keys:
                             Escape, Tab, Shift+Tab, Enter or F1
  focus ID                   give the control the focus (the query grid is 1093, the
                             validation grid 1046)
  controls                   print the dialog and its controls (a hosted page's after them)
A control that a person could not work (hidden, disabled, read-only, no such entry) prints
"refused VERB" and the script goes on.

Answers to what the program asks wait in a queue and are used in order:
  answer CODE yes|no|cancel|ok
                             the next message, which must have that message code
  dialog ID                  the lines up to the matching "end" work the next dialog with
  ...                        template ID once it has opened; blocks nest for the dialogs
  end                        opened from that dialog
  property NAME|cancel       the next Select Property dialog: choose NAME, or cancel it
  file PATH|cancel           the next file dialog: choose PATH, or cancel it
  menu ID|none               the next pop-up menu: choose the command ID, or dismiss it
Messages with only an OK button need no answer.

Printed, one a line: every message as it is shown, with the answer it got ("CODE: text ->
yes"); a dialog as it opens ("dialog 1038 opened: Select Property") and ends ("dialog 1038
ended: ok"); a file dialog and a pop-up menu with their answers; help as "help CONTEXT"; a
file the dialog saved as "saved PATH". With --format json each is one JSON object a line:
{"code":...,"args":[...],"text":...} with "answer" for a question, {"dialog":1038,"caption":...}
and {"dialog":1038,"ended":1} (IDOK 1, IDCANCEL 2), {"fileDialog":{"open":false,"title":...,
"filter":...,"folder":...,"defaultExtension":...},"answer":PATH or null}, {"menu":[{"id":...,
"text":...,"enabled":...}, ...],"answer":ID or null}, {"help":CONTEXT}, {"saved":PATH},
{"refused":"put"}, {"drop":"refused"}, {"choices":[{"text":"REFDES","blue":true}, ...]},
{"valid":true}, {"stored":"FILE"}, {"modified":true}, dump as mirel show prints it, and controls as
{"dialog":ID,"caption":...,"controls":[{"id":...,"kind":"edit","text":...,"visible":true,
"enabled":true}, ...]} with kinds edit, button, checkbox, radio, static, group, listbox,
combobox and grid ("checked" for check boxes and radio buttons, "items" [{"text":...,"blue":...}]
for lists and combo boxes, "selected" for lists).

The live preview (--dialog template with --design FILE), the report of the grid as it stands
on the design, refreshed as the template changes:
  preview                    print the report as mirel run prints it ({"preview":REPORT} with
                             --format json, REPORT as --format json prints it), or the message
                             of a query that does not validate ({"preview":{"invalid":MESSAGE}})
  preview-open               Open Design... in the preview: a file dialog (answer it with file)
  preview-variant NAME       run for that variant of the design ("" for none)
  preview-fitted on|off      leave out what is not fitted in the variant, or keep it
  preview-export FORMAT      Export... as text, csv, html or json: a file dialog (answer it with
                             file); the report is written there ("saved PATH")

Without --dialog, FILE is loaded into the bare grid first, as the dialog loads it; a keyword
the query server does not know is answered No (the script does not run) unless
--accept-unknown is given. With --dialog KIND, FILE is what that dialog opens. At the end of
the input a dialog still open is destroyed as it stands: nothing is saved, nobody is asked.

Exit status: 0 the script ran to its end; 1 a validate command found the query invalid, or
loading FILE stopped at a refused keyword; 2 a usage error, a line that is not a command, a
control id the open dialog does not have, a file that could not be read or saved, or an answer
that no question used; 3 a question (message, dialog, file dialog, menu) that no answer met (it
is named).)";
}

}  // namespace mirel::cli
