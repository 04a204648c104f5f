// mirel validate: each file loaded into a query grid as the dialog loads it, then the grid's
// validation; one result a file.
#include <algorithm>

#include "app/commands.h"
#include "app/fileargs.h"
#include "querygrid/QueryGrid.h"

namespace mirel::cli {

namespace {

struct FileResult {
  std::string file;
  bool valid = false;
  std::vector<ShownMessage> messages;
  std::string error;  // the file could not be read, or a question nobody answers came up
  int exitCode = kExitOk;
};

FileResult ValidateFile(Services& services, MessageRouter& router, const std::string& file) {
  FileResult result;
  result.file = file;
  GridSession session(services);
  if (!session.Open(file, result.error)) {
    result.exitCode = kExitError;
    return result;
  }
  // A report lists what the user was told; the answers are the command's, not the file's.
  router.SetSink([&result](ShownMessage message) {
    message.answer.reset();
    result.messages.push_back(std::move(message));
  });
  try {
    const bool loaded = session.Load();
    result.valid = loaded && session.Grid().ValidateData() != 0;
  } catch (const UnansweredQuestion& question) {
    result.valid = false;
    result.error = question.what();
    result.exitCode = kExitUnanswered;
  }
  router.SetSink(nullptr);
  if (result.exitCode == kExitOk && !result.valid) result.exitCode = kExitInvalid;
  return result;
}

// The loaders name the file first; the report names it already.
std::string Reason(const FileResult& result) {
  const std::string prefix = result.file + ": ";
  return result.error.starts_with(prefix) ? result.error.substr(prefix.size()) : result.error;
}

void Print(Output& out, const FileResult& result) {
  if (out.IsJson()) {
    nlohmann::ordered_json object;
    object["file"] = result.file;
    object["valid"] = result.valid;
    nlohmann::ordered_json messages = nlohmann::ordered_json::array();
    for (const ShownMessage& message : result.messages) messages.push_back(MessageToJson(message));
    object["messages"] = std::move(messages);
    if (!result.error.empty()) object["error"] = Reason(result);
    out.Json(object);
    return;
  }
  if (!result.error.empty() && result.exitCode == kExitError) {
    out.Line(result.file + ": error: " + Reason(result));
    return;
  }
  out.Line(result.file + (result.valid ? ": valid" : ": invalid"));
  for (const ShownMessage& message : result.messages) out.Line("  " + MessageToText(message));
  if (!result.error.empty()) out.Line("  " + result.error);
}

}  // namespace

int RunValidate(const CommonOptions& options, const std::vector<std::string>& arguments) {
  Output out(stdout, options.format);
  Output preparation(stderr, options.format);
  MessageRouter router(options);
  router.SetSink([&preparation](const ShownMessage& message) { preparation.Message(message); });

  int failed = kExitOk;
  const std::unique_ptr<Services> services = Services::CreateOrReport(options, failed);
  if (!services) return failed;

  int exitCode = kExitOk;
  const ExpandedFiles files = ExpandFileArguments(arguments);
  for (const std::string& why : files.errors) {
    PrintError(why);
    exitCode = kExitError;
  }
  for (const std::string& file : files.files) {
    const FileResult result = ValidateFile(*services, router, file);
    if (result.exitCode == kExitError) PrintError(result.error);
    Print(out, result);
    exitCode = std::max(exitCode, result.exitCode);
  }
  out.Flush();
  return exitCode;
}

}  // namespace mirel::cli
