// The query grid under random work: the fuzzer's bytes choose a template (or an empty grid),
// then a sequence of `mirel script` commands, and every answer to every question the grid asks.
// Nothing may crash, and a stored template must load back into a grid that validates as well
// and, stored again, settles.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/choicelist.h"
#include "app/scriptcommand.h"
#include "app/scriptlexer.h"
#include "app/session.h"
#include "celldialogs/PropNameDlg.h"
#include "fuzz/fuzzbytes.h"
#include "fuzz/fuzzcheck.h"
#include "platform/mfc/clipboard.h"
#include "platform/mfc/nocase.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "startup/startup.h"

namespace {

using mirel::cli::ScriptCommand;
using mirel::cli::ScriptVerb;
using mirel::fuzz::Bytes;

bool g_trace = false;

// Answers each question as it comes, from the bytes, through the scripted service's own
// handling of messages and dialogs.
class FuzzInteraction final : public mirel::IInteraction {
 public:
  explicit FuzzInteraction(Bytes& bytes) : m_bytes(bytes) {}
  void Cautious(bool cautious) { m_cautious = cautious; }

  int MessageBox(const mirel::MessageRequest& request) override {
    int button = IDOK;
    // Cautious: No to every question, except that a keyword the vocabulary does not know is
    // loaded (as --accept-unknown does), since a grid may be stored with one as it stands.
    const size_t pick = !m_cautious ? m_bytes.Below(3) : request.code == "ZRREPS-244" ? 0 : 1;
    if (request.buttons == mirel::MessageButtons::YesNo) button = pick == 0 ? IDYES : IDNO;
    if (request.buttons == mirel::MessageButtons::YesNoCancel) button = pick == 0 ? IDYES : pick == 1 ? IDNO : IDCANCEL;
    if (g_trace) std::fprintf(stderr, "  %s %s -> %d\n", request.code.c_str(), request.text.c_str(), button);
    m_inner.Clear();
    m_inner.AnswerMessage(request.code, button);
    return m_inner.MessageBox(request);
  }
  int DoModal(CDialog& dialog) override {
    m_inner.Clear();
    if (!m_cautious && dialog.GetTemplateId() == CPropNameDlg::IDD && m_bytes.Below(4) != 0) {
      const std::string name = m_bytes.Text();
      m_inner.AnswerDialog(CPropNameDlg::IDD, [name](CDialog& d) {
        mirel::script::Type(d, CPropNameDlg::kNameComboId, name);
        mirel::script::Click(d, IDOK);
      });
    }
    m_inner.AnswerDialog(0, [](CDialog& d) { mirel::script::Click(d, IDCANCEL); });
    const int result = m_inner.DoModal(dialog);
    m_inner.Clear();
    return result;
  }
  std::optional<std::string> FileDialog(const mirel::FileDialogRequest&) override { return std::nullopt; }
  UINT TrackPopupMenu(const mirel::MenuRequest&) override { return 0; }
  void Help(const mirel::HelpRequest&) override {}

 private:
  Bytes& m_bytes;
  mirel::ScriptedInteraction m_inner;
  bool m_cautious = false;
};

struct Fixture {
  std::unique_ptr<mirel::cli::Services> templates;
  std::unique_ptr<mirel::cli::Services> columns;  // customize mode
  std::vector<std::string> templateFiles;
  std::vector<std::string> columnFiles;
  std::vector<std::string> fields;
  std::vector<std::string> customNames;
  std::string scratch;
  bool trace = false;  // $MIREL_FUZZ_TRACE: print the script of each input (to replay a finding)
};

Fixture* g_fixture = nullptr;

std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

const char* const kRows[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "0", "Keyword", "Title"};
const char* const kTexts[] = {"", "0", "1", "-1", "12", "99999", "Left", "Center", "Right", "DESIGN",
                              "<PROPERTY>", "PROPERTY", "a,b", "\"x\"", "Total", "=", "CONTAINS"};

std::string Pick(Bytes& bytes, const std::vector<std::string>& from) {
  return from.empty() ? std::string() : from[bytes.Below(from.size())];
}

std::string Column(Bytes& bytes, CQueryGrid& grid) {
  return std::to_string(bytes.Below(static_cast<size_t>(grid.GetColCount()) + 3));
}

std::string Text(Bytes& bytes) {
  const Fixture& f = *g_fixture;
  switch (bytes.Below(4)) {
    case 0: return Pick(bytes, f.fields);
    case 1: return Pick(bytes, f.customNames);
    case 2: return kTexts[bytes.Below(std::size(kTexts))];
    default: return bytes.Text();
  }
}

// One script line made from the bytes.
std::string NextLine(Bytes& bytes, CQueryGrid& grid) {
  using mirel::cli::QuoteWord;
  auto row = [&] { return QuoteWord(kRows[bytes.Below(std::size(kRows))]); };
  switch (bytes.Below(16)) {
    case 0: case 1: case 2: return "put " + row() + " " + Column(bytes, grid) + " " + QuoteWord(Text(bytes));
    case 3: return "add " + QuoteWord(bytes.Below(8) ? Pick(bytes, g_fixture->fields) : Text(bytes));
    case 4: return "add-custom " + QuoteWord(Pick(bytes, g_fixture->customNames));
    case 5: return "choices " + row() + " " + Column(bytes, grid);
    case 6: return "select " + row() + " " + Column(bytes, grid) + " " + row() + " " + Column(bytes, grid);
    case 7: return "clear";
    case 8: return bytes.Below(2) ? "cut" : "copy";
    case 9: return "paste";
    case 10: return "undo";
    case 11: return "redo";
    case 12: return "insert-col";
    case 13: return "delete-col";
    case 14: return "validate";
    default: return "store memory";
  }
}

bool InGrid(CQueryGrid& grid, ROWCOL row, ROWCOL col) { return col <= grid.GetColCount() && row <= grid.GetRowCount(); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Describe(mirel::cli::GridSession& session) {
  std::string text;
  CQueryGrid& g = session.Grid();
  for (ROWCOL col = 1; col <= g.GetColCount(); ++col) {
    for (ROWCOL row = 1; row <= g.GetRowCount(); ++row) text += std::string(g.GetValueRowCol(row, col)) + " | ";
    text += "\n";
  }
  return text;
}

// The stored file loads back, validates if the grid did, and settles after one more store.
void StoreAndReload(mirel::cli::Services& services, mirel::cli::GridSession& session, FuzzInteraction& answers) {
  answers.Cautious(true);
  if (g_fixture->trace) std::fprintf(stderr, "# stored grid:\n%s", Describe(session).c_str());
  const bool valid = session.Grid().ValidateData() != 0;
  if (g_fixture->trace) std::fprintf(stderr, "# validated: %d\n%s", valid, Describe(session).c_str());
  std::string error;
  const std::string path = g_fixture->scratch + "/stored";
  if (!session.Store(path, error)) {
    // Typed bytes that are not UTF-8 could not be read back: the save refuses them by name.
    if (error.find("is not valid UTF-8 text") != std::string::npos) return answers.Cautious(false);
    std::fprintf(stderr, "%s\n", error.c_str());
    std::abort();
  }
  mirel::cli::GridSession reloaded(services);
  FUZZ_CHECK(reloaded.Open(path, error));
  FUZZ_CHECK(reloaded.Load());
  // Columns without a keyword are not stored, so an invalid grid may store a valid template;
  // a valid grid never stores an invalid one, and the template stores again as it was read.
  const bool reloadedValid = reloaded.Grid().ValidateData() != 0;
  FUZZ_CHECK(reloadedValid || !valid);
  // Loading fills what the file leaves empty (a title), so the second store is the settled form.
  const std::string again = g_fixture->scratch + "/again";
  FUZZ_CHECK(reloaded.Store(again, error));
  mirel::cli::GridSession settled(services);
  FUZZ_CHECK(settled.Open(again, error) && settled.Load());
  const std::string third = g_fixture->scratch + "/third";
  FUZZ_CHECK(settled.Store(third, error));
  FUZZ_CHECK(ReadAll(third) == ReadAll(again));
  answers.Cautious(false);
}

// The live preview's look at the grid changes nothing a person could see or save.
void CheckQuietStore(CQueryGrid& g) {
  auto texts = [&g] {
    std::string all;
    for (ROWCOL col = 0; col <= g.GetColCount(); ++col)
      for (ROWCOL row = 0; row <= g.GetRowCount(); ++row) all += g.GetValueRowCol(row, col).str() + '\t';
    return all;
  };
  const std::string before = texts();
  const int modified = g.IsModified();
  CTmpltQueryList queries;
  (void)g.StoreQuietly(queries);
  DeleteTmpltQueries(queries);
  FUZZ_CHECK(texts() == before && g.IsModified() == modified);
}

void Run(mirel::cli::Services& services, mirel::cli::GridSession& session, const ScriptCommand& c,
         FuzzInteraction& answers) {
  CQueryGrid& g = session.Grid();
  switch (c.verb) {
    case ScriptVerb::Put:
      if (InGrid(g, c.row, c.col) && g.SetCurrentCell(c.row, c.col)) {
        CGXStyle shown;
        g.GetStyleRowCol(c.row, c.col, shown);
        if (g.CanStartEditing(c.row, c.col)) g.StoreEditText(c.row, c.col, CString(c.text));
        else if (g.GetComposedStyle(c.row, c.col).GetControl() == qg::kCheckBoxControl) g.ToggleCheckBoxRowCol(c.row, c.col);
      }
      return;
    case ScriptVerb::Add:
      for (const std::string& field : g_fixture->fields)
        if (mirel::EqualsNoCase(field, c.text)) return (void)g.AddKeyword(CString(field), 0);
      return;
    case ScriptVerb::AddCustom:
      if (!session.IsCustomColumn())
        if (const auto name = session.FindCustomColumn(c.text)) g.AddCustomKeyword(CString(*name));
      return;
    case ScriptVerb::Choices:
      if (InGrid(g, c.row, c.col) && g.SetCurrentCell(c.row, c.col)) (void)mirel::cli::ReadDropDownChoices(g, c.row, c.col);
      return;
    case ScriptVerb::Select:
      if (InGrid(g, c.row, c.col) && InGrid(g, c.row2, c.col2) && g.SetCurrentCell(c.row, c.col))
        g.SetSelection(CGXRange(c.row, c.col, c.row2, c.col2));
      return;
    case ScriptVerb::Clear: if (g.CanClear()) g.OnEditDelete(); return;
    case ScriptVerb::Cut: if (g.CanCut()) g.OnEditCut(); return;
    case ScriptVerb::Copy: if (g.CanCopy()) g.OnEditCopy(); return;
    case ScriptVerb::Paste: if (g.CanPaste()) g.OnEditPaste(); return;
    case ScriptVerb::Undo: if (g.CanUndo()) g.OnEditUndo(); return;
    case ScriptVerb::Redo: if (g.CanRedo()) g.OnEditRedo(); return;
    case ScriptVerb::InsertCol: if (g.CanInsert()) g.OnEditInsertcol(); return;
    case ScriptVerb::DeleteCol: if (g.CanDelete()) g.OnEditDeletecol(); return;
    case ScriptVerb::Validate: (void)g.ValidateData(); return;
    case ScriptVerb::Store: return StoreAndReload(services, session, answers);
    case ScriptVerb::Preview: return CheckQuietStore(g);
    default: return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ::setenv("MIREL_ROOT", MIREL_FUZZ_ROOT, 1);
  FUZZ_CHECK(InitMirelDll() == 1);  // resources and message texts, as the program starts
  static Fixture fixture;
  std::string error;
  mirel::cli::CommonOptions options;
  fixture.templates = mirel::cli::Services::Create(options, error);
  options.customColumn = true;
  fixture.columns = mirel::cli::Services::Create(options, error);
  FUZZ_CHECK(fixture.templates && fixture.columns);
  fixture.templateFiles = FilesIn(std::string(MIREL_FUZZ_ROOT) + "/share/examples");
  fixture.columnFiles = FilesIn(std::string(MIREL_FUZZ_ROOT) + "/share/vynsetup/tdd/custom_columns");
  fixture.fields = fixture.templates->StandardFields();
  for (const auto& column : fixture.templates->CustomColumns()) fixture.customNames.push_back(column->m_name);
  fixture.scratch = std::filesystem::temp_directory_path() / ("mirel-fuzz-grid-" + std::to_string(::getpid()));
  std::filesystem::create_directories(fixture.scratch);
  fixture.trace = g_trace = std::getenv("MIREL_FUZZ_TRACE") != nullptr;
  g_fixture = &fixture;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bytes bytes(data, size);
  FuzzInteraction answers(bytes);
  mirel::ScopedInteraction installed(answers);
  mirel::EmptyClipboard();
  try {
    const uint8_t start = bytes.Byte();
    const bool customize = start & 0x80;
    mirel::cli::Services& services = customize ? *g_fixture->columns : *g_fixture->templates;
    const std::vector<std::string>& files = customize ? g_fixture->columnFiles : g_fixture->templateFiles;
    mirel::cli::GridSession session(services);
    std::string error;
    const size_t choice = (start & 0x7F) % (files.size() + 1);
    if (choice < files.size()) FUZZ_CHECK(session.Open(files[choice], error));
    if (!session.Load()) return 0;
    if (g_fixture->trace) std::fprintf(stderr, "# %s\n", choice < files.size() ? files[choice].c_str() : "(new)");
    for (int steps = 0; !bytes.Empty() && steps < 200; ++steps) {
      const std::string line = NextLine(bytes, session.Grid());
      if (g_fixture->trace) std::fprintf(stderr, "%s\n", line.c_str());
      const mirel::cli::ParsedLine parsed = mirel::cli::ParseScriptLine(line);
      if (parsed.ok() && parsed.command) Run(services, session, *parsed.command, answers);
    }
  } catch (const mirel::UnansweredQuestion&) {
    // An answer that does not fit the question (a dialog that stays open): the run ends here.
  }
  return 0;
}
