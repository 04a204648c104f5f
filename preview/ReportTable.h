#pragma once
// A report as the preview's table shows it: the visible columns with their titles, alignment
// and width, the sections with their rows, and the Total row. Cells are as the HTML page shows
// them: ranges applied, repeated values blanked unless the template keeps duplicates, nothing
// cut.
#include <cstddef>
#include <string>
#include <vector>

namespace mirel::preview {

enum class Alignment { Left, Center, Right };

struct ReportTable {
  struct Column {
    std::string title;  // %KEYWORD% put in as the CSV header puts it in
    Alignment alignment = Alignment::Left;
    int width = 0;  // the template's width, in characters
  };
  struct Section {
    std::string title;  // "" without a title variable
    std::vector<std::vector<std::string>> rows;
  };
  std::string reportName, designName, variant;
  std::vector<Column> columns;
  std::vector<Section> sections;
  std::vector<std::string> totals;  // one cell a column; empty: no Total row

  std::size_t RowCount() const {
    std::size_t rows = 0;
    for (const Section& section : sections) rows += section.rows.size();
    return rows;
  }
  bool HasSectionTitles() const { return sections.size() > 1 || (sections.size() == 1 && !sections[0].title.empty()); }
};

}  // namespace mirel::preview
