// The report engine as the preview runs it: report/'s RunTemplate on the job, its report kept for
// the writers and turned into the table the window shows.
#include "design/Text.h"
#include "preview/Engine.h"

namespace mirel::preview {

namespace {

Alignment AlignmentOf(report::Alignment alignment) {
  switch (alignment) {
    case report::Alignment::kCenter: return Alignment::Center;
    case report::Alignment::kRight: return Alignment::Right;
    case report::Alignment::kLeft: break;
  }
  return Alignment::Left;
}

// Cells as the HTML page shows them: repeated values blanked, nothing cut.
std::shared_ptr<const ReportTable> TableOf(const report::Report& report) {
  auto table = std::make_shared<ReportTable>();
  table->reportName = report.reportName;
  table->designName = report.design;
  table->variant = report.variant;
  for (size_t c = 0; c < report.columns.size(); ++c) {
    const report::Column& column = report.columns[c];
    table->columns.push_back({c < report.titles.size() ? report.titles[c] : column.title, AlignmentOf(column.alignment),
                              column.width});
  }
  for (const report::Section& section : report.sections) {
    ReportTable::Section shown;
    shown.title = report.sectioned ? section.title : "";
    shown.rows.reserve(section.rows.size());
    for (const std::vector<report::Cell>& row : section.rows) {
      std::vector<std::string> cells;
      cells.reserve(row.size());
      for (const report::Cell& cell : row) cells.push_back(cell.blank ? std::string() : cell.text);
      shown.rows.push_back(std::move(cells));
    }
    table->sections.push_back(std::move(shown));
  }
  table->totals = report.totals;
  return table;
}

class ReportEngine : public IEngine {
 public:
  explicit ReportEngine(IZRQueryServer& vocabulary) : m_vocabulary(vocabulary) {}

  Result Run(const Job& job) override {
    Result result;
    result.generation = job.generation;
    report::RunOptions options;
    options.variant = job.design.variant;
    options.fittedOnly = job.design.fittedOnly;
    options.vocabulary = &m_vocabulary;
    options.templateFolder = job.templateFolder;
    const std::shared_ptr<const CustomColumns> columns = job.customColumns;
    options.userColumn = [columns](std::string_view name) -> const CCustomColData* {
      if (!columns) return nullptr;
      for (const auto& column : *columns) {
        if (design::EqualNoCase(column->m_name, name)) return column.get();
      }
      return nullptr;
    };
    report::RunResult run = report::RunTemplate(*job.templ, *job.design.design, options);
    result.warnings = std::move(run.warnings);
    if (!run.report) {
      result.error = run.error;
      return result;
    }
    auto made = std::make_shared<const report::Report>(std::move(*run.report));
    auto shown = std::make_shared<Report>();
    shown->table = TableOf(*made);
    shown->write = [made](Format format) { return report::WriteReport(*made, format); };
    result.report = std::move(shown);
    return result;
  }

 private:
  IZRQueryServer& m_vocabulary;
};

}  // namespace

std::shared_ptr<IEngine> MakeReportEngine(IZRQueryServer& vocabulary) { return std::make_shared<ReportEngine>(vocabulary); }

}  // namespace mirel::preview
