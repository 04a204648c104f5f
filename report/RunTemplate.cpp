#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "design/Text.h"
#include "report/Arrange.h"
#include "report/Plan.h"
#include "report/Report.h"
#include "report/Rows.h"

namespace mirel::report {

namespace {

// YYYY-MM-DD of SOURCE_DATE_EPOCH when it is set (stable goldens), else of today, in UTC.
std::string RunDate() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (end && *end == '\0' && seconds >= 0) now = std::time_t(seconds);
  }
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
  return text;
}

std::string ReadTitlePage(const CTemplateData& data, const RunOptions& options, std::vector<std::string>& warnings) {
  const std::string path = design::Trim(data.m_titlePage);
  if (path.empty()) return "";
  std::filesystem::path file(path);
  if (file.is_relative() && !options.templateFolder.empty()) file = std::filesystem::path(options.templateFolder) / file;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    warnings.push_back("the title page file " + file.string() + " cannot be read; the report is printed without it");
    return "";
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

RunResult RunTemplate(const CTemplateData& data, const design::Design& design, const RunOptions& options) {
  RunResult result;
  std::optional<Plan> plan = BuildPlan(data, options, result.error, result.warnings);
  if (!plan) return result;
  Report report;
  report.reportName = data.m_reportName;
  report.design = design.name;
  report.variant = options.variant;
  report.date = options.date.empty() ? RunDate() : options.date;
  report.titlePage = ReadTitlePage(data, options, result.warnings);
  Arrange(*plan, data, EvaluateRows(*plan, design, options), report);
  result.report = std::move(report);
  return result;
}

}  // namespace mirel::report
