// The drop-down choices of the combo cells (Keyword, Dependency, Qualifier, Alignment), the
// dependency a new column takes by itself, and the dependency choices of a user-defined column.
#include <cstdint>
#include <memory>
#include <set>

#include "platform/grid/gxaccombo.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"

using namespace qg;

namespace {

bool IsCustomColumnCell(const CGXStyle& keywordCell) {
  return keywordCell.GetUserAttribute(kCustomColAttr).GetLongValue() == 1;
}

bool IsPropertyFieldCell(const CGXStyle& cell) {
  return cell.GetIncludeControl() && cell.GetControl() == kPropFieldControl;
}

void AddChoice(std::vector<ListItem>& choices, const CString& text, bool blue) {
  choices.push_back({text.str(), 0, blue ? kBlue : CLR_DEFAULT});
}

}  // namespace

void CQueryGrid::FillComboBox(DWORD row, DWORD col) {
  if (m_pListBox) FillChoiceList(*this, row, col, *m_pListBox, m_heldKeywordChoices);
}

void CQueryGrid::FillChoiceList(CGXGridCore& cells, ROWCOL row, ROWCOL col, CZRGridACListBox& list,
                                std::string& held) {
  // The current cell is composed at every paint and every read of its value: the vocabulary's
  // keywords are listed once for as long as what they depend on stays the same.
  std::string keywordChoices = row == kRowKeyword && m_pQueryServer ? KeywordChoicesKey(cells, col) : std::string();
  if (!keywordChoices.empty() && keywordChoices == held) return;
  held = std::move(keywordChoices);
  if (!m_pQueryServer && row != kRowAlignment) {
    list.ResetContent();
    return;
  }

  std::vector<ListItem> choices;
  switch (row) {
    case kRowKeyword:
      FillKeywordChoices(cells, col, choices);
      break;
    case kRowDependency:
      FillDependencyChoices(cells, col, choices);
      break;
    case kRowQualifier:
      FillQualifierChoices(cells, col, choices);
      break;
    case kRowAlignment:
      for (const char* alignment : {"LEFT", "RIGHT", "CENTER"}) AddChoice(choices, alignment, false);
      break;
    default:
      break;
  }
  // In one go: quadratic entry by entry for a large vocabulary.
  list.ReplaceItems(std::move(choices));
}

// All that FillKeywordChoices reads besides the vocabulary, which does not change under the grid.
std::string CQueryGrid::KeywordChoicesKey(CGXGridCore& cells, ROWCOL col) {
  const CGXStyle dependencyCell = cells.GetComposedStyle(kRowDependency, col);
  const bool operatorColumn = dependencyCell.GetIncludeControl() && dependencyCell.GetControl() == kHotSpotControl;
  std::string key = std::to_string(reinterpret_cast<std::uintptr_t>(m_pQueryServer));
  key += {m_nCustomizeMode != 0 ? 'C' : 'T', m_bBlockBased ? 'B' : 'D', operatorColumn ? 'O' : '-', '\x1f'};
  key += dependencyCell.GetValue().str();
  if (&cells == this) {
    for (const auto& entry : m_customCols) (key += '\x1f') += entry.first.str();
  }
  return key;
}

void CQueryGrid::FillKeywordChoices(CGXGridCore& cells, ROWCOL col, std::vector<ListItem>& choices) {
  const CGXStyle dependencyCell = cells.GetComposedStyle(kRowDependency, col);
  const CString dependency = dependencyCell.GetValue();
  const bool customize = m_nCustomizeMode != 0;

  std::list<std::string> keywords;
  m_pQueryServer->GetKeywords(&keywords);
  for (const std::string& keyword : keywords) {
    if (!dependency.IsEmpty() && !m_pQueryServer->IsValidDependency(dependency.str(), keyword, m_bBlockBased))
      continue;
    // Customize mode shows no highlighting (and does not ask for it).
    AddChoice(choices, keyword, !customize && m_pQueryServer->IsKeywordHighlighted(keyword, m_bBlockBased));
  }

  // User-defined columns only while no dependency narrows the choice, never inside one, and
  // never where columns are shown expanded (a name there would not be expanded again).
  if (dependency.IsEmpty() && !customize && &cells == this) {
    for (const auto& entry : m_customCols) AddChoice(choices, entry.first, false);
  }

  const bool operatorColumn = dependencyCell.GetIncludeControl() && dependencyCell.GetControl() == kHotSpotControl;
  if (dependency.IsEmpty() || operatorColumn) {
    for (const char* marker : {kMathOp, kRelOp, kStringOp}) AddChoice(choices, marker, false);
  }
}

void CQueryGrid::FillDependencyChoices(CGXGridCore& cells, ROWCOL col, std::vector<ListItem>& choices) {
  const CGXStyle keywordCell = cells.GetComposedStyle(kRowKeyword, col);
  const CString keyword = keywordCell.GetValue();

  if (keyword.IsEmpty()) {
    // Every keyword of the grid, repeats included.
    for (ROWCOL c = kFirstReportCol; c <= cells.GetColCount(); ++c) {
      const CString text = cells.GetValueRowCol(kRowKeyword, c);
      if (!text.IsEmpty()) AddChoice(choices, text, false);
    }
    return;
  }
  if (IsOperatorMarker(keyword.view())) return;  // an expression, made in the operator dialog

  if (IsCustomColumnCell(keywordCell)) {
    const std::unique_ptr<std::list<std::string>> keywords(GetCColDepKeywords(GetCustomColData(keyword)));
    for (const std::string& choice : *keywords) AddChoice(choices, choice, false);
    return;
  }

  std::list<std::string> keywords;
  m_pQueryServer->GetDependencyKeywords(IsPropertyFieldCell(keywordCell) ? kPropMarker : keyword.str(), &keywords);
  for (const std::string& choice : keywords) AddChoice(choices, choice, false);
}

void CQueryGrid::FillQualifierChoices(CGXGridCore& cells, ROWCOL col, std::vector<ListItem>& choices) {
  const CGXStyle keywordCell = cells.GetComposedStyle(kRowKeyword, col);
  const CString keyword = keywordCell.GetValue();
  if (keyword.IsEmpty()) return;
  if (IsOperatorMarker(keyword.view())) {
    AddChoice(choices, "VALUE", false);
    return;
  }
  std::list<std::string> qualifiers;
  m_pQueryServer->GetQualifiers(IsPropertyFieldCell(keywordCell) ? kPropMarker : keyword.str(), &qualifiers);
  for (const std::string& qualifier : qualifiers) AddChoice(choices, qualifier, false);
}

CString CQueryGrid::GetKeywordAvailableDependency(CString keyword, CGXStyle keywordStyle, int /*isProperty*/,
                                                  DWORD col) {
  if (keyword.IsEmpty() || !m_pQueryServer) return CString();

  // The keywords the grid shows. The column's own cell still holds what this edit replaces:
  // it counts only when it is the same keyword, never the one going away.
  std::set<CString> present;
  for (ROWCOL c = kFirstReportCol; c <= GetColCount(); ++c) {
    CString text = StoredText(*this, kRowKeyword, c);
    if (text.IsEmpty() || (c == col && !mirel::EqualsNoCase(text.view(), keyword.view()))) continue;
    present.insert(std::move(text));
  }

  std::list<std::string> candidates;
  if (IsCustomColumnCell(keywordStyle)) {
    const std::unique_ptr<std::list<std::string>> list(GetCColDepKeywords(GetCustomColData(keyword)));
    candidates = std::move(*list);
  } else {
    if (IsPropertyFieldCell(keywordStyle)) keyword = kPropMarker;
    m_pQueryServer->GetDependencyKeywords(keyword.str(), &candidates);
  }
  for (const std::string& candidate : candidates) {
    if (present.count(CString(candidate))) return CString(candidate);
  }
  return CString();
}

std::list<std::string>* CQueryGrid::GetCColDepKeywords(CCustomColData* data) {
  auto result = std::make_unique<std::list<std::string>>();
  if (!data || !m_pQueryServer) return result.release();

  std::list<std::string> candidates;
  m_pQueryServer->GetKeywords(&candidates);
  // Each independent sub-column narrows the candidates to what it may depend on.
  for (const CTmpltQuery* query : data->m_queries) {
    if (!query || !query->m_dependency.empty()) continue;
    result->clear();
    if (IsOperatorMarker(query->m_keyword)) {
      *result = candidates;
    } else {
      std::list<std::string> allowed;
      m_pQueryServer->GetDependencyKeywords(query->m_keyword, &allowed);
      for (const std::string& entry : allowed) {
        for (const std::string& candidate : candidates) {
          if (mirel::EqualsNoCase(candidate, entry)) result->push_back(candidate);
        }
      }
    }
    candidates = *result;
  }
  return result.release();
}
