// HTML: one self-contained UTF-8 page, a table per section, every text escaped.
#include "report/Writers.h"

namespace mirel::report {

namespace {

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Open(const char* tag, Alignment alignment) {
  if (alignment == Alignment::kRight) return std::string("<") + tag + " class=\"r\">";
  if (alignment == Alignment::kCenter) return std::string("<") + tag + " class=\"c\">";
  return std::string("<") + tag + ">";
}

template <typename TextOf>
std::string Row(const Report& report, const char* tag, TextOf textOf) {
  std::string row = "<tr>";
  for (size_t c = 0; c < report.columns.size(); ++c)
    row += Open(tag, report.columns[c].alignment) + Escape(textOf(c)) + "</" + tag + ">";
  return row + "</tr>\n";
}

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1em}table{border-collapse:collapse;margin:1em 0}"
    "caption{text-align:left;font-weight:bold}th,td{border:1px solid #bbb;padding:2px 6px;text-align:left}"
    "th{background:#eee}.r{text-align:right}.c{text-align:center}tfoot td{font-weight:bold}";

}  // namespace

std::string WriteHtml(const Report& report) {
  const std::string name = Escape(report.reportName);
  std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + name + "</title>\n<style>" +
                    kStyle + "</style>\n</head>\n<body>\n<h1>" + name + "</h1>\n";
  out += "<p>Design: " + Escape(report.design) + "<br>Variant: " +
         Escape(report.variant.empty() ? "default" : report.variant) + "<br>Date: " + Escape(report.date) + "</p>\n";
  if (!report.titlePage.empty()) out += "<pre>" + Escape(report.titlePage) + "</pre>\n";
  for (size_t s = 0; s < report.sections.size(); ++s) {
    const Section& section = report.sections[s];
    out += "<table>\n";
    if (report.sectioned) out += "<caption>" + Escape(section.title) + "</caption>\n";
    out += "<thead>" + Row(report, "th", [&](size_t c) -> std::string_view { return section.titles[c]; }) + "</thead>\n";
    if (s + 1 == report.sections.size() && !report.totals.empty())
      out += "<tfoot>" + Row(report, "td", [&](size_t c) -> std::string_view { return report.totals[c]; }) + "</tfoot>\n";
    out += "<tbody>\n";
    for (const auto& row : section.rows)
      out += Row(report, "td", [&](size_t c) -> std::string_view { return row[c].blank ? "" : row[c].text; });
    out += "</tbody>\n</table>\n";
  }
  return out + "</body>\n</html>\n";
}

}  // namespace mirel::report
