#include "design/Text.h"
#include "preview/Engine.h"

namespace mirel::preview {

std::optional<Format> FormatFromName(std::string_view name) {
  for (Format format : {Format::Text, Format::Csv, Format::Html, Format::Json}) {
    static constexpr const char* kNames[] = {"text", "csv", "html", "json"};
    if (design::EqualNoCase(name, kNames[int(format)])) return format;
  }
  return std::nullopt;
}

const char* FormatExtension(Format format) {
  switch (format) {
    case Format::Text: return "txt";
    case Format::Csv: return "csv";
    case Format::Html: return "html";
    case Format::Json: return "json";
  }
  return "";
}

const char* FormatFilter(Format format) {
  switch (format) {
    case Format::Text: return "Text File (*.txt)|*.txt|All Files (*.*)|*.*||";
    case Format::Csv: return "CSV File (*.csv)|*.csv|All Files (*.*)|*.*||";
    case Format::Html: return "HTML Page (*.html;*.htm)|*.html;*.htm|All Files (*.*)|*.*||";
    case Format::Json: return "JSON Report (*.json)|*.json|All Files (*.*)|*.*||";
  }
  return "";
}

}  // namespace mirel::preview
