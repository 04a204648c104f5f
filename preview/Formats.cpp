#include "preview/Engine.h"

namespace mirel::preview {

const char* FormatExtension(Format format) {
  switch (format) {
    case Format::kText: return "txt";
    case Format::kCsv: return "csv";
    case Format::kHtml: return "html";
    case Format::kJson: return "json";
  }
  return "";
}

const char* FormatFilter(Format format) {
  switch (format) {
    case Format::kText: return "Text File (*.txt)|*.txt|All Files (*.*)|*.*||";
    case Format::kCsv: return "CSV File (*.csv)|*.csv|All Files (*.*)|*.*||";
    case Format::kHtml: return "HTML Page (*.html;*.htm)|*.html;*.htm|All Files (*.*)|*.*||";
    case Format::kJson: return "JSON Report (*.json)|*.json|All Files (*.*)|*.*||";
  }
  return "";
}

}  // namespace mirel::preview
