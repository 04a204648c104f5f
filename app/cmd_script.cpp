// mirel script: the script's lines are the user. Without --dialog they work one query grid as a
// person works the query layout page; with --dialog KIND they work that dialog and the dialogs
// it opens (scriptrunner.h).
#include <memory>

#include "app/commands.h"
#include "app/dialogkinds.h"
#include "app/scriptprogram.h"
#include "app/scriptrunner.h"
#include "host/atomicwrite.h"
#include "platform/mfc/dialog.h"

namespace mirel::cli {

namespace {

void PrintUnanswered(Output& out, const UnansweredQuestion& question) {
  if (out.IsJson()) {
    nlohmann::ordered_json asked;
    if (question.Question().kind == QuestionKind::Message) {
      ShownMessage shown = ShownFromAsked(question.Question());
      shown.answer.reset();
      asked = MessageToJson(shown);
    } else {
      asked = QuestionToJson(question.Question(), false);
    }
    out.Json({{"unanswered", std::move(asked)}, {"why", question.what()}});
  } else {
    out.Line(question.what());
  }
  out.Flush();
}

// Prints every question as it is answered, every dialog as it opens and every help call.
void ConnectRecords(MessageRouter& router, Output& out) {
  ScriptedInteraction& interaction = router.Interaction();
  interaction.SetObserver([&out](const AskedQuestion& asked) { out.Answered(asked); });
  interaction.SetOpenObserver([&out](CDialog& dialog) {
    out.DialogOpened(dialog.GetTemplateId(), dialog.GetWindowTextString().str());
  });
  interaction.SetHelpObserver([&out](const HelpRequest& request) { out.Help(request.context); });
}

// The bare grid: FILE loaded as the layout page loads it, then the steps.
int RunOnGrid(Services& services, const std::optional<std::string>& file, MessageRouter& router, Output& out,
              const std::vector<ScriptStep>& steps, std::unique_ptr<ScriptRunner>& runner) {
  GridSession session(services);
  std::string error;
  if (file && !session.Open(*file, error)) {
    PrintError(error);
    return kExitError;
  }
  if (!session.Load()) {
    out.Flush();
    PrintError(*file + ": loading stopped at a keyword that was refused; the script does not run");
    return kExitInvalid;
  }
  runner = std::make_unique<ScriptRunner>(services, &session, router, out);
  size_t next = 0;
  runner->RunWithoutDialog(steps, next);
  return kExitOk;
}

// The kind's dialog, answered by the steps from its opening; steps left after it ended run
// with no dialog open.
int RunOnDialog(const DialogKind& kind, Services& services, const std::optional<std::string>& file,
                MessageRouter& router, Output& out, const std::vector<ScriptStep>& steps,
                std::unique_ptr<ScriptRunner>& runner) {
  runner = std::make_unique<ScriptRunner>(services, nullptr, router, out);
  // Each file is printed as it is saved, by whichever dialog saves it (nested editors too).
  ObserveSavedFiles([&out](const std::string& path) { out.Saved(path); });
  struct StopObserving {
    ~StopObserving() { ObserveSavedFiles(nullptr); }
  } stopObserving;
  DialogKindContext context(services, file);
  runner->SetPreviewLookup([&context] { return context.Preview(); });
  size_t next = 0;
  bool opened = false;
  router.Interaction().AnswerDialog(kind.templateId, [&](CDialog& dialog) {
    opened = true;
    runner->RunInDialog(dialog, steps, next, true);
  });
  std::string error;
  try {
    if (!kind.run(context, error)) {
      out.Flush();
      PrintError(error);
      return kExitError;
    }
  } catch (const InputEnded&) {
    return kExitOk;  // torn down as it stood
  }
  if (!opened) {
    out.Flush();
    if (context.LoadRefused()) {
      PrintError(*file + ": loading stopped at a keyword that was refused; the script does not run");
      return kExitInvalid;
    }
    PrintError("dialog " + std::to_string(kind.templateId) + " ended while it opened; the script does not run");
    return kExitError;
  }
  runner->RunWithoutDialog(steps, next);
  return kExitOk;
}

}  // namespace

int RunScript(const CommonOptions& options, const std::optional<std::string>& file, const std::string& dialogKind,
              std::istream& commands) {
  Output out(stdout, options.format);
  MessageRouter router(options);
  std::unique_ptr<ScriptRunner> runner;
  ConnectRecords(router, out);
  auto where = [&runner]() { return runner ? runner->Where() : std::string(); };
  const DialogKind* kind = nullptr;
  if (!dialogKind.empty() && !(kind = FindDialogKind(dialogKind))) {
    PrintError("no dialog kind \"" + dialogKind + "\" (the kinds are " + DialogKindNames() + ")");
    return kExitError;
  }
  if (!options.design.empty() && (!kind || kind->templateId != 1021)) {
    PrintError("--design works the live preview of the template dialog: mirel script --dialog template --design FILE");
    return kExitError;
  }
  const std::vector<ScriptStep> steps = ReadScript(commands);
  try {
    std::string error;
    std::unique_ptr<Services> services =
        kind ? Services::CreateQuietly(options, error) : Services::Create(options, error);
    if (!services) {
      PrintError(error);
      return kExitError;
    }
    const int status = kind ? RunOnDialog(*kind, *services, file, router, out, steps, runner)
                            : RunOnGrid(*services, file, router, out, steps, runner);
    if (status != kExitOk) return status;
    out.Flush();
    const std::vector<std::string> unused = router.Interaction().DescribePending();
    for (const std::string& answer : unused) PrintError("script: " + answer + " was never used");
    if (!unused.empty()) return kExitError;
    return runner->FoundInvalid() ? kExitInvalid : kExitOk;
  } catch (const ScriptError& failure) {
    out.Flush();
    PrintError("script line " + std::to_string(failure.line) + ": " + failure.why);
    return kExitError;
  } catch (const UnansweredQuestion& question) {
    PrintUnanswered(out, question);
    PrintError(where() + question.what());
    return kExitUnanswered;
  }
}

}  // namespace mirel::cli
