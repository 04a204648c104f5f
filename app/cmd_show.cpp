// mirel show: the grid after loading, one report column a line. What loading told the user
// goes to standard error, so that standard output is the grid alone.
#include "app/commands.h"

namespace mirel::cli {

int RunShow(const CommonOptions& options, const std::string& file) {
  Output out(stdout, options.format);
  Output notes(stderr, options.format);
  MessageRouter router(options);
  router.SetSink([&notes](const ShownMessage& message) { notes.Message(message); });
  try {
    std::string error;
    std::unique_ptr<Services> services = Services::Create(options, error);
    if (!services) {
      PrintError(error);
      return kExitError;
    }
    GridSession session(*services);
    if (!session.Open(file, error)) {
      PrintError(error);
      return kExitError;
    }
    const bool loaded = session.Load();
    out.Dump(session.Dump());
    out.Flush();
    if (!loaded) {
      PrintError(file + ": loading stopped at a keyword that was refused; the grid holds the columns before it");
      return kExitInvalid;
    }
    return kExitOk;
  } catch (const UnansweredQuestion& question) {
    PrintError(question.what());
    return kExitUnanswered;
  }
}

}  // namespace mirel::cli
