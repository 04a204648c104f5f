#include "design/Text.h"
#include "report/Writers.h"

namespace mirel::report {

std::optional<Format> FormatFromName(std::string_view name) {
  if (design::EqualNoCase(name, "text")) return Format::kText;
  if (design::EqualNoCase(name, "csv")) return Format::kCsv;
  if (design::EqualNoCase(name, "html")) return Format::kHtml;
  if (design::EqualNoCase(name, "json")) return Format::kJson;
  return std::nullopt;
}

std::string_view AlignmentName(Alignment alignment) {
  switch (alignment) {
    case Alignment::kLeft: return "LEFT";
    case Alignment::kCenter: return "CENTER";
    case Alignment::kRight: return "RIGHT";
  }
  return "LEFT";
}

std::string WriteReport(const Report& report, Format format) {
  switch (format) {
    case Format::kText: return WriteText(report);
    case Format::kCsv: return WriteCsv(report);
    case Format::kHtml: return WriteHtml(report);
    case Format::kJson: return WriteJson(report);
  }
  return "";
}

}  // namespace mirel::report
