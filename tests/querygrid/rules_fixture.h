#pragma once
// The fixture of the keyword, rule and choice tests: a query grid over the small fake
// vocabulary, edited as a person edits it (make a cell current, type, confirm), with every
// question answered by script.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "celldialogs/PropNameDlg.h"
#include "fake_query_server.h"
#include "platform/grid/gxaccombo.h"
#include "querygrid_fixture.h"

namespace qgtest {

// Opens the protected operations the tests call directly.
class RulesGrid : public CQueryGrid {
 public:
  using CQueryGrid::CQueryGrid;
  using CQueryGrid::GetTitle;
  using CQueryGrid::ResetColsViewSortOrder;
  using CQueryGrid::ValidateDependencyRow;
};

struct Choice {
  std::string text;
  bool blue = false;
  friend bool operator==(const Choice&, const Choice&) = default;
  friend bool operator<(const Choice& a, const Choice& b) {
    return a.text != b.text ? a.text < b.text : a.blue < b.blue;
  }
  friend std::ostream& operator<<(std::ostream& out, const Choice& c) {
    return out << '"' << c.text << '"' << (c.blue ? " (blue)" : "");
  }
};

class RulesTest : public ScriptedTest {
 protected:
  RulesTest() : properties(CPQPropertyServer::KindMap{{10, {"HEIGHT", "VALUE"}}}), server(&properties) {
    FillSmallVocabulary(queries);
    UseVocabulary(&queries);
  }

  // A fresh grid over another vocabulary.
  void UseVocabulary(IZRQueryServer* vocabulary) {
    grid = std::make_unique<RulesGrid>(&server, vocabulary);
    grid->InitGrid();
  }

  // A person makes the cell current, types the text and confirms it; false when refused.
  bool Type(ROWCOL row, ROWCOL col, const char* text) {
    grid->SetCurrentCell(row, col);
    return grid->StoreEditText(row, col, text) != FALSE;
  }
  // Moves the current cell away, as a person does after an edit.
  void Leave() { grid->SetCurrentCell(qg::kRowTitle, grid->GetColCount()); }

  CString Text(ROWCOL row, ROWCOL col) { return grid->GetValueRowCol(row, col); }
  CGXStyle Cell(ROWCOL row, ROWCOL col) { return grid->GetComposedStyle(row, col); }
  UINT Control(ROWCOL row, ROWCOL col) { return Cell(row, col).GetControl(); }
  long CustomMark(ROWCOL col) {
    return Cell(qg::kRowKeyword, col).GetUserAttribute(qg::kCustomColAttr).GetLongValue();
  }

  // The next Select Property dialog: the person types a name and presses OK, or cancels.
  void AnswerProperty(const char* name) {
    script.AnswerDialog(CPropNameDlg::IDD, [name](CDialog& dialog) {
      mirel::script::Type(dialog, CPropNameDlg::kNameComboId, name);
      mirel::script::Click(dialog, IDOK);
    });
  }
  void CancelProperty() {
    script.AnswerDialog(CPropNameDlg::IDD, [](CDialog& dialog) { mirel::script::Click(dialog, IDCANCEL); });
  }

  // Codes of the messages shown so far, in order.
  std::vector<std::string> Messages() const {
    std::vector<std::string> codes;
    for (const mirel::AskedQuestion& q : script.Asked())
      if (q.kind == mirel::QuestionKind::Message) codes.push_back(q.code);
    return codes;
  }
  size_t DialogsShown() const {
    size_t n = 0;
    for (const mirel::AskedQuestion& q : script.Asked()) n += q.kind == mirel::QuestionKind::Dialog;
    return n;
  }

  // Registers a user-defined column with the grid (which takes it) and returns it.
  CCustomColData* Register(const std::string& name, std::vector<std::pair<std::string, std::string>> subColumns = {}) {
    auto data = std::make_unique<CCustomColData>();
    data->m_name = name;
    for (const auto& [keyword, dependency] : subColumns) {
      auto query = new CTmpltQuery;
      query->m_keyword = keyword;
      query->m_dependency = dependency;
      data->m_queries.push_back(query);
    }
    CCustomColData* raw = data.release();
    grid->AddCustomColToList(raw);
    return raw;
  }

  // The drop-down choices of a cell as the person sees them on making it current.
  std::vector<Choice> Choices(ROWCOL row, ROWCOL col) {
    grid->SetCurrentCell(row, col);
    (void)grid->GetComposedStyle(row, col);
    std::vector<Choice> choices;
    for (const ListItem& item : grid->GetListBox()->Items())
      choices.push_back({item.text, item.color == qg::kBlue});
    return choices;
  }

  FakeQueryServer queries;
  CPQPropertyServer properties;
  FakeServer server;
  std::unique_ptr<RulesGrid> grid;
};

}  // namespace qgtest
