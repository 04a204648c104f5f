// mirel run: a template run on a design, the report printed or written atomically.
#include <filesystem>
#include <iostream>

#include "app/commands.h"
#include "app/largeheap.h"
#include "design/Load.h"
#include "design/Text.h"
#include "host/atomicwrite.h"
#include "querygrid/QueryGrid.h"
#include "report/Report.h"

namespace mirel::cli {

namespace {

// The template loaded and validated as `mirel validate` does; false after printing why, with
// the status to exit with.
bool LoadValid(Services& services, MessageRouter& router, const RunArguments& run, GridSession& session, int& status) {
  std::string error;
  if (!session.Open(run.templateFile, error)) {
    PrintError(error);
    status = kExitError;
    return false;
  }
  std::vector<ShownMessage> messages;
  router.SetSink([&messages](ShownMessage message) {
    message.answer.reset();
    messages.push_back(std::move(message));
  });
  bool valid = false;
  try {
    valid = session.Load() && session.Grid().ValidateData() != 0;
  } catch (const UnansweredQuestion& question) {
    router.SetSink(nullptr);
    PrintError(run.templateFile + ": " + question.what());
    status = kExitUnanswered;
    return false;
  }
  router.SetSink(nullptr);
  (void)services;
  if (valid) return true;
  PrintError(run.templateFile + ": invalid" + (messages.empty() ? "" : ": " + MessageToText(messages.front())));
  status = kExitInvalid;
  return false;
}

// The variant as the design spells it; false when the design has none of that name.
bool KnownVariant(const design::Design& design, std::string& variant) {
  if (variant.empty()) return true;
  for (const std::string& known : design.variants)
    if (design::EqualNoCase(known, variant)) {
      variant = known;
      return true;
    }
  return false;
}

}  // namespace

int RunRun(const CommonOptions& options, RunArguments run) {
  MessageRouter router(options);
  router.SetSink([](const ShownMessage& message) { PrintError(MessageToText(message)); });
  int failed = kExitOk;
  const std::unique_ptr<Services> services = Services::CreateOrReport(options, failed);
  if (!services) return failed;
  const std::optional<report::Format> format = report::FormatFromName(run.format);
  if (!format) {
    PrintError("--format: " + run.format + " is not one of text, csv, html, json");
    return kExitError;
  }

  GridSession session(*services);
  int status = kExitOk;
  if (!LoadValid(*services, router, run, session, status)) return status;

  PrepareHeapFor(HeapForDesignFile(run.designFile));
  design::LoadResult loaded = design::LoadDesignFile(run.designFile);
  for (const std::string& warning : loaded.warnings) PrintError("warning: " + warning);
  if (!loaded.design) {
    PrintError(loaded.error.empty() ? run.designFile + ": the design cannot be read" : loaded.error);
    return kExitError;
  }
  if (!KnownVariant(*loaded.design, run.variant)) {
    PrintError("--variant: the design " + run.designFile + " has no variant " + run.variant);
    return kExitError;
  }

  report::RunOptions runOptions;
  runOptions.variant = run.variant;
  runOptions.fittedOnly = run.fittedOnly;
  runOptions.vocabulary = &services->QueryServer();
  runOptions.userColumn = [&known = *services](std::string_view name) { return known.CustomColumn(name); };
  runOptions.templateFolder = std::filesystem::path(run.templateFile).parent_path().string();
  const report::RunResult result = report::RunTemplate(*session.TemplateData(), *loaded.design, runOptions);
  for (const std::string& warning : result.warnings) PrintError("warning: " + warning);
  if (!result.report) {
    PrintError(run.templateFile + ": cannot be run: " + result.error);
    return kExitInvalid;
  }

  const std::string text = report::WriteReport(*result.report, *format);
  if (run.output.empty()) {
    std::cout << text << std::flush;
    return kExitOk;
  }
  std::string error;
  if (!WriteFileAtomically(run.output, text, error)) {
    PrintError(error);
    return kExitError;
  }
  return kExitOk;
}

}  // namespace mirel::cli
