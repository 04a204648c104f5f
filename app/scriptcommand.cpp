#include "app/scriptcommand.h"

#include <array>
#include <vector>

#include "app/rows.h"
#include "app/scriptlexer.h"
#include "platform/mfc/nocase.h"

namespace mirel::cli {

namespace {

enum class Args { None, Name, RowCol, RowColText, Answer, Range };

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
};

size_t WordCount(Args args) {
  switch (args) {
    case Args::None: return 0;
    case Args::Name: return 1;
    case Args::RowCol: return 2;
    case Args::RowColText: return 3;
    case Args::Answer: return 2;
    case Args::Range: return 4;
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

}  // namespace

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
  }
  ParsedLine result;
  result.command = std::move(command);
  return result;
}

const char* ScriptLanguageHelp() {
  return R"(Script commands, one a line, from standard input. Words are separated by blanks; a word
may be written in double quotes, with \" for a quote and \\ for a backslash. Blank lines and
lines starting with # are skipped. ROW is a row label ("Keyword", "Dependency", "Qualifier",
"Qualifier Value", "Total", "Title", "View Order", "Sort Order", "Width", "Alignment",
"Visible", any letter case) or its number 1 to 11; COL is a grid column number (report
column n is grid column n + 1, so 2 is the first report column).

  put ROW COL TEXT           type TEXT into the cell and confirm it (the cell rules decide;
                             a refused text prints "refused put")
  add KEYWORD                add a field as a double click in the standard field list does
  add-custom NAME            add a user-defined column as a double click in its list does
  answer CODE yes|no|cancel|ok
                             answer the next question, which must have that message code
  property NAME|cancel       answer the next Select Property dialog: choose NAME, or cancel it
  choices ROW COL            make the cell current and print its drop-down choices in their
                             own (sorted) order, blue ones marked with *
  select R1 C1 R2 C2         select a range; the current cell moves to R1 C1
  clear | cut | copy | paste | undo | redo | insert-col | delete-col
                             the Edit commands, on the current cell and the selection; a
                             command the Edit menu would gray out prints "refused COMMAND"
  validate                   the grid's validation: its messages, then valid or invalid
  store FILE                 store the grid into the template (or the user-defined column)
                             as it stands, without validation, and save it to FILE; the
                             query counts as unmodified from then on, as after a Save
  dump                       print the grid as mirel show does
  modified                   print modified or unmodified: whether the query changed since
                             it was loaded or stored (what Close would offer to save)

Answers wait in a queue and are used in order; messages with only an OK button need none.
Every message is printed as it is shown, with the answer it got ("CODE: text -> yes"); a
dialog prints as "dialog 1038: Select Property -> ok". With --format json every printed item
is one JSON object a line: {"code":...,"args":[...],"text":...} with "answer" for a question,
{"refused":"put"}, {"choices":[{"text":"REFDES","blue":true}, ...]}, {"valid":true},
{"stored":"FILE"}, {"modified":true}, and dump as mirel show prints it.

FILE is loaded first, as the dialog loads it; a keyword the query server does not know is
answered No (the script does not run) unless --accept-unknown is given.

Exit status: 0 the script ran to its end; 1 a validate command found the query invalid, or
loading FILE stopped at a refused keyword; 2 a usage error, a line that is not a command, a
file that could not be read or saved, or an answer that no question used; 3 a question that
the script did not answer (it is named).)";
}

}  // namespace mirel::cli
