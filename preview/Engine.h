#pragma once
// The report engine as the preview runs it: a job (the template as Save would write it, the
// user-defined columns it names, the design choice) in, a report out, written in any format by
// the engine's own writers.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "preview/Controller.h"
#include "preview/ReportTable.h"
#include "report/Report.h"

class IZRQueryServer;

namespace mirel::preview {

using report::Format;
using report::FormatFromName;
const char* FormatExtension(Format format);  // "txt", "csv", "html", "json"
const char* FormatFilter(Format format);     // "CSV File (*.csv)|*.csv|All Files (*.*)|*.*||" ...

struct Report {
  std::shared_ptr<const ReportTable> table;
  // The report as `mirel run --format` writes it.
  std::function<std::string(Format)> write;
};

inline std::string Render(const Report& report, Format format) { return report.write ? report.write(format) : ""; }

// The engine over a vocabulary (borrowed, read-only, outliving the engine).
std::shared_ptr<IEngine> MakeReportEngine(IZRQueryServer& vocabulary);

}  // namespace mirel::preview
