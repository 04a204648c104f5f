// Text: each column padded to its Width by its Alignment, a longer text cut with "~".
#include "report/Writers.h"

namespace mirel::report {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t Characters(std::string_view text) {
  size_t count = 0;
  for (char c : text) count += IsContinuation(c) ? 0 : 1;
  return count;
}

// The first `count` characters of the text.
std::string_view Head(std::string_view text, size_t count) {
  size_t at = 0;
  for (size_t seen = 0; at < text.size(); ++at) {
    if (IsContinuation(text[at])) continue;
    if (seen++ == count) break;
  }
  return text.substr(0, at);
}

std::string Fit(std::string_view text, const Column& column) {
  const size_t width = size_t(column.width);
  const size_t length = Characters(text);
  if (length > width) return std::string(Head(text, width - 1)) + "~";
  const size_t room = width - length;
  size_t left = 0;
  if (column.alignment == Alignment::kRight) left = room;
  if (column.alignment == Alignment::kCenter) left = room / 2;
  return std::string(left, ' ') + std::string(text) + std::string(room - left, ' ');
}

template <typename TextOf>
std::string Line(const Report& report, TextOf textOf) {
  std::string line;
  bool first = true;
  for (size_t c = 0; c < report.columns.size(); ++c) {
    if (report.columns[c].width <= 0) continue;
    line += (first ? "" : " ") + Fit(textOf(c), report.columns[c]);
    first = false;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

}  // namespace

std::string WriteText(const Report& report) {
  std::string out = report.titlePage;
  if (!out.empty() && out.back() != '\n') out += '\n';
  for (const Section& section : report.sections) {
    out += "\n";
    out += Line(report, [&](size_t c) -> std::string_view { return section.titles[c]; });
    for (const auto& row : section.rows)
      out += Line(report, [&](size_t c) -> std::string_view { return row[c].blank ? "" : row[c].text; });
  }
  if (!report.totals.empty()) out += Line(report, [&](size_t c) -> std::string_view { return report.totals[c]; });
  return out;
}

}  // namespace mirel::report
