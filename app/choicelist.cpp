#include "app/choicelist.h"

#include "platform/grid/gxaccombo.h"
#include "querygrid/QueryGrid.h"

namespace mirel::cli {

std::vector<Choice> ReadDropDownChoices(CQueryGrid& grid, ROWCOL row, ROWCOL col) {
  CGXStyle style;
  grid.GetStyleRowCol(row, col, style);
  std::vector<Choice> choices;
  const CListBox* list = grid.GetListBox();
  if (!list || grid.GetComposedStyle(row, col).GetControl() != qg::kComboControl) return choices;
  for (const ListItem& item : list->Items()) choices.push_back({item.text, item.color == qg::kBlue});
  return choices;
}

}  // namespace mirel::cli
