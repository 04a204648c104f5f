// Random edits through the query grid's own rules (typed keywords of every kind, typed cells,
// clearing, pasting, added fields, inserted and deleted columns, "ZRREPS-252" answered either
// way), each followed at random by undo or redo. Every undo must give back exactly the grid
// before its step, every redo exactly the grid after it, an edit that records no step must
// change nothing, no question may be asked during undo or redo, and at the end undoing
// everything gives back the start and redoing everything the end.
//
// Seeded and reproducible. A failure names the seed and the shortest sequence of edits found
// that still fails. For a longer run:
//   MIREL_UNDO_SEEDS=N        N seeds from MIREL_UNDO_FIRST_SEED (default 1) instead of the fixed ones
//   MIREL_UNDO_EDITS=N        edits per seed (default 1000, 300 under the sanitizers)
#include <gtest/gtest.h>

#include <chrono>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "celldialogs/PropNameDlg.h"
#include "fake_query_server.h"
#include "grid_state.h"
#include "platform/grid/gxclip.h"
#include "platform/mfc/scripted.h"
#include "querygrid_fixture.h"
#include "resources/library_resources.h"

using namespace qg;

namespace qgtest {
namespace {

enum class EditKind { TypeKeyword, TypeCell, Clear, Paste, AddField, InsertColumn, DeleteColumn };
enum class Follow { Undo, Redo };

struct Edit {
  EditKind kind = EditKind::TypeKeyword;
  ROWCOL row = 0;
  ROWCOL col = 0;   // taken modulo the report columns there are when the edit is made
  ROWCOL rows = 1;  // clear: how many rows and columns the selection spans
  ROWCOL cols = 1;
  std::string text;
  bool yes = false;      // the answer to "ZRREPS-252", should the edit ask it
  std::string property;  // the Select Property dialog's answer, should it open ("" cancels)
  std::vector<Follow> then;
};

std::string Describe(const Edit& e) {
  static const char* const kKinds[] = {"type keyword", "type", "clear", "paste", "add field", "insert column",
                                       "delete column"};
  std::ostringstream out;
  out << kKinds[int(e.kind)];
  if (e.kind == EditKind::TypeCell || e.kind == EditKind::Clear || e.kind == EditKind::Paste)
    out << " row " << e.row;
  if (e.kind != EditKind::AddField) out << " column#" << e.col;
  if (e.kind == EditKind::Clear) out << " spanning " << e.rows << "x" << e.cols;
  if (!e.text.empty() || e.kind == EditKind::TypeKeyword || e.kind == EditKind::TypeCell) {
    std::string shown = e.text;
    for (char& c : shown) if (c == '\t') c = '|'; else if (c == '\n') c = '/';
    out << " \"" << shown << '"';
  }
  out << " (252: " << (e.yes ? "yes" : "no") << ", property: " << (e.property.empty() ? "cancel" : e.property) << ")";
  for (Follow f : e.then) out << (f == Follow::Undo ? ", undo" : ", redo");
  return out.str();
}

// ---- drawing edits -----------------------------------------------------------------------------

class Dice {
 public:
  explicit Dice(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
  // splitmix64: the same numbers on every platform and library.
  uint64_t Next() {
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  size_t Below(size_t n) { return size_t(Next() % n); }
  template <typename T, size_t N>
  const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

 private:
  uint64_t m_state;
};

// Standard keywords (one in lower case), operators, the property marker, user-defined columns,
// unknown text, an emptied and a blank keyword.
const char* const kKeywords[] = {"A",       "B",     "C",        "SAME1",   "SAME1", "b",   "MATH-OP",
                                 "RELOP",   "stringop", "PROP",  "PINLIST", "NETLIST", "netlist",
                                 "UNKNOWN", "",      " "};
const char* const kFields[] = {"A", "B", "C", "SAME2", "MATH-OP", "RELOP", "PROP", "PROP=HEIGHT", "PINLIST", "NETLIST"};
const char* const kDependencies[] = {"A", "B", "C", "", "a", "PINLIST"};
const char* const kQualifiers[] = {"QA1", "QB", "<PROPERTY>", "", "PROPERTY"};
const char* const kQualifierValues[] = {"x,y", "1", ""};
const char* const kTitles[] = {"T", "Mine", ""};
const char* const kNumbers[] = {"1", "3", "12", " 4 ", "", "12a", "0"};
const char* const kAlignments[] = {"RIGHT", "CENTER", "LEFT", ""};
const char* const kPastes[] = {"A", "B\tC", "RIGHT", "x", "3\n4", "PINLIST", "MATH-OP", "A\tPINLIST\tB", "", "C\nQA1"};
const char* const kProperties[] = {"HEIGHT", "VALUE", ""};

std::string CellText(Dice& dice, ROWCOL row) {
  switch (row) {
    case kRowDependency: return dice.Pick(kDependencies);
    case kRowQualifier: return dice.Pick(kQualifiers);
    case kRowQualifierValue: return dice.Pick(kQualifierValues);
    case kRowTitle: return dice.Pick(kTitles);
    case kRowViewOrder:
    case kRowSortOrder:
    case kRowWidth: return dice.Pick(kNumbers);
    case kRowAlignment: return dice.Pick(kAlignments);
    default: return {};  // check boxes are clicked
  }
}

Edit DrawEdit(Dice& dice) {
  Edit e;
  const size_t roll = dice.Below(100);
  e.kind = roll < 35   ? EditKind::TypeKeyword
           : roll < 60 ? EditKind::TypeCell
           : roll < 70 ? EditKind::Clear
           : roll < 80 ? EditKind::Paste
           : roll < 86 ? EditKind::AddField
           : roll < 93 ? EditKind::InsertColumn
                       : EditKind::DeleteColumn;
  e.col = ROWCOL(dice.Below(64));
  e.yes = dice.Below(2) == 0;
  e.property = dice.Pick(kProperties);
  switch (e.kind) {
    case EditKind::TypeKeyword: e.row = kRowKeyword; e.text = dice.Pick(kKeywords); break;
    case EditKind::TypeCell:
      e.row = ROWCOL(kRowDependency + dice.Below(kRowCount - 1));
      e.text = CellText(dice, e.row);
      break;
    case EditKind::Clear:
      e.row = ROWCOL(kRowKeyword + dice.Below(6));
      e.rows = ROWCOL(1 + dice.Below(8));
      e.cols = ROWCOL(1 + dice.Below(3));
      break;
    case EditKind::Paste:
      e.row = ROWCOL(kRowKeyword + dice.Below(kRowCount));
      e.text = dice.Pick(kPastes);
      break;
    case EditKind::AddField: e.text = dice.Pick(kFields); break;
    default: break;
  }
  for (size_t n = dice.Below(3); n > 0; --n) e.then.push_back(dice.Below(3) == 0 ? Follow::Redo : Follow::Undo);
  return e;
}

std::vector<Edit> DrawEdits(uint64_t seed, size_t count) {
  Dice dice(seed);
  std::vector<Edit> edits;
  for (size_t i = 0; i < count; ++i) edits.push_back(DrawEdit(dice));
  return edits;
}

// ---- the person at the grid --------------------------------------------------------------------

// Answers the questions of the edit being made; any question during undo or redo is a fault.
class EditAnswers : public mirel::IInteraction {
 public:
  const Edit* edit = nullptr;
  bool restoring = false;
  std::string fault;

  int MessageBox(const mirel::MessageRequest& request) override {
    if (restoring && fault.empty()) fault = "\"" + request.code + "\" was asked during undo or redo";
    if (request.buttons == mirel::MessageButtons::Ok) return IDOK;
    return edit && edit->yes ? IDYES : IDNO;
  }
  int DoModal(CDialog& dialog) override {
    if (restoring && fault.empty()) fault = "a dialog opened during undo or redo";
    const std::string name = edit ? edit->property : std::string();
    m_dialogs.AnswerDialog(CPropNameDlg::IDD, [name](CDialog& d) {
      if (name.empty()) {
        mirel::script::Click(d, IDCANCEL);
        return;
      }
      mirel::script::Type(d, CPropNameDlg::kNameComboId, name);
      mirel::script::Click(d, IDOK);
    });
    return m_dialogs.DoModal(dialog);
  }

 private:
  mirel::ScriptedInteraction m_dialogs;
};

class MemoryClipboard : public IGXClipboard {
 public:
  BOOL SetText(const CString& text) override {
    m_text = text;
    return TRUE;
  }
  BOOL GetText(CString& text) override {
    text = m_text;
    return TRUE;
  }
  BOOL HasText() override { return TRUE; }

 private:
  CString m_text;
};

constexpr ROWCOL kMostColumns = 18;
constexpr ROWCOL kFewestColumns = 4;

// Plays a sequence of edits on a fresh grid and checks every undo and redo on the way.
class Playback {
 public:
  Playback() : m_properties(CPQPropertyServer::KindMap{{10, {"HEIGHT", "VALUE"}}}), m_server(&m_properties) {
    FillSmallVocabulary(m_queries);
    m_grid = std::make_unique<CQueryGrid>(&m_server, &m_queries);
    m_grid->InitGrid();
    Register("PinList", {{"B", ""}});
    Register("NetList", {{"MATH-OP", ""}, {"C", "A"}});
  }

  struct Result {
    std::string fault;        // "" when every check held
    size_t failedAt = 0;      // index of the edit during which it failed (the count at the end)
    size_t undos = 0, redos = 0, steps = 0;
  };

  Result Play(const std::vector<Edit>& edits) {
    mirel::ScopedInteraction scope(m_answers);
    SetGridClipboard(&m_clipboard);
    Result result = PlayAll(edits);
    SetGridClipboard(nullptr);
    return result;
  }

 private:
  void Register(const std::string& name, std::vector<std::pair<std::string, std::string>> subColumns) {
    auto data = std::make_unique<CCustomColData>();
    data->m_name = name;
    for (const auto& [keyword, dependency] : subColumns) {
      auto query = new CTmpltQuery;
      query->m_keyword = keyword;
      query->m_dependency = dependency;
      data->m_queries.push_back(query);
    }
    m_grid->AddCustomColToList(data.release());
  }

  Result PlayAll(const std::vector<Edit>& edits) {
    Result r;
    const GridState start = CaptureState(*m_grid);
    std::vector<GridState> beforeStep;  // the grid before each step that undo would take back
    std::vector<GridState> afterStep;   // the grid after each step that redo would make again
    for (size_t i = 0; i < edits.size(); ++i) {
      r.failedAt = i;
      const Edit& edit = edits[i];
      m_answers.edit = &edit;
      const GridState before = CaptureState(*m_grid);
      const int steps = m_grid->GetUndoCount();
      Apply(edit);
      const int made = m_grid->GetUndoCount() - steps;
      if (made == 1) {
        beforeStep.push_back(before);
        afterStep.clear();
        ++r.steps;
      } else if (made == 0) {
        const std::string changed = FirstDifference(before, CaptureState(*m_grid));
        if (!changed.empty()) return Fail(r, "the edit recorded no step but changed the grid: " + changed);
      } else {
        return Fail(r, "the edit made " + std::to_string(made) + " undo steps");
      }
      for (Follow follow : edit.then) {
        std::vector<GridState>& from = follow == Follow::Undo ? beforeStep : afterStep;
        std::vector<GridState>& to = follow == Follow::Undo ? afterStep : beforeStep;
        if (from.empty()) continue;
        to.push_back(CaptureState(*m_grid));
        if (!Restore(follow)) return Fail(r, "undo or redo refused");
        const std::string wrong = FirstDifference(from.back(), CaptureState(*m_grid));
        if (!wrong.empty()) return Fail(r, std::string(follow == Follow::Undo ? "undo: " : "redo: ") + wrong);
        from.pop_back();
        ++(follow == Follow::Undo ? r.undos : r.redos);
      }
      if (!m_answers.fault.empty()) return Fail(r, m_answers.fault);
    }
    r.failedAt = edits.size();
    m_answers.edit = nullptr;

    const GridState end = CaptureState(*m_grid);
    size_t undone = 0;
    for (; m_grid->CanUndo(); ++undone) {
      if (!Restore(Follow::Undo)) return Fail(r, "undo refused at the end");
    }
    std::string wrong = FirstDifference(start, CaptureState(*m_grid));
    if (!wrong.empty()) return Fail(r, "after undoing everything: " + wrong);
    for (; undone > 0; --undone) {
      if (!Restore(Follow::Redo)) return Fail(r, "redo refused at the end");
    }
    wrong = FirstDifference(end, CaptureState(*m_grid));
    if (!wrong.empty()) return Fail(r, "after redoing everything: " + wrong);
    if (!m_answers.fault.empty()) return Fail(r, m_answers.fault);
    return r;
  }

  static Result Fail(Result r, std::string fault) {
    r.fault = std::move(fault);
    return r;
  }

  bool Restore(Follow follow) {
    m_answers.restoring = true;
    const BOOL done = follow == Follow::Undo ? m_grid->Undo() : m_grid->Redo();
    m_answers.restoring = false;
    return done != FALSE;
  }

  ROWCOL Column(const Edit& e) const {
    const ROWCOL reportCols = m_grid->GetColCount() - kFirstReportCol + 1;
    return kFirstReportCol + e.col % reportCols;
  }

  // As a person does it: make the cell current (which fills its choices), then type, click,
  // or use the Edit menu, whose grayed commands do nothing.
  void Apply(const Edit& e) {
    CQueryGrid& g = *m_grid;
    g.ClearSelection();
    const ROWCOL col = Column(e);
    switch (e.kind) {
      case EditKind::TypeKeyword:
      case EditKind::TypeCell: {
        if (!g.SetCurrentCell(e.row, col)) return;
        CGXStyle shown;
        g.GetStyleRowCol(e.row, col, shown);
        if (e.row == kRowTotal || e.row == kRowVisible) {
          g.ToggleCheckBoxRowCol(e.row, col);
        } else if (g.CanStartEditing(e.row, col)) {
          g.StoreEditText(e.row, col, CString(e.text));
        }
        return;
      }
      case EditKind::Clear:
        if (!g.SetCurrentCell(e.row, col)) return;
        g.SetSelection(CGXRange(e.row, col, std::min(e.row + e.rows - 1, kRowCount),
                                std::min(col + e.cols - 1, g.GetColCount())));
        if (g.CanClear()) g.OnEditDelete();
        return;
      case EditKind::Paste:
        if (!g.SetCurrentCell(e.row, col)) return;
        m_clipboard.SetText(CString(e.text));
        if (g.CanPaste()) g.OnEditPaste();
        return;
      case EditKind::AddField:
        if (g.GetColCount() >= kMostColumns) return;
        if (e.text == "PINLIST" || e.text == "NETLIST") g.AddCustomKeyword(CString(e.text));
        else g.AddKeyword(CString(e.text), 0);
        return;
      case EditKind::InsertColumn:
        if (g.GetColCount() >= kMostColumns || !g.SetCurrentCell(kRowKeyword, col)) return;
        if (g.CanInsert()) g.OnEditInsertcol();
        return;
      case EditKind::DeleteColumn:
        if (g.GetColCount() <= kFewestColumns || !g.SetCurrentCell(kRowKeyword, col)) return;
        if (g.CanDelete()) g.OnEditDeletecol();
        return;
    }
  }

  FakeQueryServer m_queries;
  CPQPropertyServer m_properties;
  FakeServer m_server;
  std::unique_ptr<CQueryGrid> m_grid;
  EditAnswers m_answers;
  MemoryClipboard m_clipboard;
};

Playback::Result PlayFresh(const std::vector<Edit>& edits) { return Playback().Play(edits); }

// The shortest sequence found that still fails: edits after the failing one go first, then
// ever smaller runs of edits, then the undos and redos that follow single edits.
std::vector<Edit> Shrink(std::vector<Edit> edits, size_t failedAt) {
  if (failedAt < edits.size()) edits.resize(failedAt + 1);
  auto fails = [](const std::vector<Edit>& candidate) { return !PlayFresh(candidate).fault.empty(); };
  constexpr int kMostTries = 3000;
  int tries = 0;
  for (size_t chunk = edits.size() / 2; chunk >= 1 && tries < kMostTries; chunk /= 2) {
    for (size_t at = 0; at + chunk <= edits.size() && tries < kMostTries;) {
      std::vector<Edit> candidate(edits.begin(), edits.begin() + long(at));
      candidate.insert(candidate.end(), edits.begin() + long(at + chunk), edits.end());
      ++tries;
      if (fails(candidate)) edits = std::move(candidate);
      else at += chunk;
    }
  }
  for (size_t i = 0; i < edits.size() && tries < kMostTries; ++i) {
    if (edits[i].then.empty()) continue;
    std::vector<Edit> candidate = edits;
    candidate[i].then.clear();
    ++tries;
    if (fails(candidate)) edits = std::move(candidate);
  }
  return edits;
}

std::optional<long> EnvNumber(const char* name) {
  const char* text = std::getenv(name);
  if (!text || !*text) return std::nullopt;
  return std::strtol(text, nullptr, 10);
}

class UndoProperty : public ::testing::Test {
 protected:
  UndoProperty() { mirel::AddResourceModule(mirel::LibraryResources()); }

  // Plays one seed; on a failure reports the seed and the shrunk sequence.
  void CheckSeed(uint64_t seed, size_t count) {
    const auto started = std::chrono::steady_clock::now();
    const std::vector<Edit> edits = DrawEdits(seed, count);
    const Playback::Result result = PlayFresh(edits);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    std::printf("undo property: seed %llu, %zu edits, %zu undo steps made, %zu undos, %zu redos checked, %lld ms\n",
                static_cast<unsigned long long>(seed), count, result.steps, result.undos, result.redos,
                static_cast<long long>(ms.count()));
    if (result.fault.empty()) return;
    const std::vector<Edit> shortest = Shrink(edits, result.failedAt);
    const Playback::Result again = PlayFresh(shortest);
    std::ostringstream out;
    out << "seed " << seed << " (rerun with MIREL_UNDO_SEEDS=1 MIREL_UNDO_FIRST_SEED=" << seed
        << " MIREL_UNDO_EDITS=" << count << "): edit " << result.failedAt << ": " << result.fault
        << "\nshortest failing sequence (" << shortest.size() << " edits), failing with: " << again.fault << "\n";
    for (size_t i = 0; i < shortest.size(); ++i) out << "  " << i << ": " << Describe(shortest[i]) << "\n";
    ADD_FAILURE() << out.str();
  }
};

// The sanitizers make every edit some fifteen times slower: fewer edits keep CI's run short.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kEditsPerSeed = 300;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr long kEditsPerSeed = 300;
#else
constexpr long kEditsPerSeed = 1000;
#endif
#else
constexpr long kEditsPerSeed = 1000;
#endif

TEST_F(UndoProperty, EveryUndoAndRedoGivesBackExactlyTheGridOfItsStep) {
  const size_t count = size_t(EnvNumber("MIREL_UNDO_EDITS").value_or(kEditsPerSeed));
  if (const std::optional<long> seeds = EnvNumber("MIREL_UNDO_SEEDS")) {
    const long first = EnvNumber("MIREL_UNDO_FIRST_SEED").value_or(1);
    for (long seed = first; seed < first + *seeds; ++seed) CheckSeed(uint64_t(seed), count);
    return;
  }
  for (uint64_t seed : {20261208ull, 7ull, 1234567ull}) CheckSeed(seed, count);
}

}  // namespace
}  // namespace qgtest
