// The script runner's preview commands: the live preview beside the template dialog, worked as
// its window is worked, and printed as mirel run prints the report.
#include "app/previewsession.h"
#include "app/scriptrunner.h"

namespace mirel::cli {

PreviewSession& ScriptRunner::RequirePreview(const ScriptStep& step) const {
  if (PreviewSession* preview = m_preview ? m_preview() : nullptr) return *preview;
  Fail("\"" + step.command.word + "\" works the live preview: mirel script --dialog template --design FILE");
}

void ScriptRunner::PreviewVerb(const ScriptStep& step) {
  const ScriptCommand& command = step.command;
  PreviewSession& preview = RequirePreview(step);
  std::string error;
  switch (command.verb) {
    case ScriptVerb::Preview: PrintPreview(preview); return;
    case ScriptVerb::PreviewOpen:
      if (!preview.AskOpenDesign(error) && !error.empty()) Fail(error);
      return;
    case ScriptVerb::PreviewVariant:
      if (!preview.SetVariant(command.text, error)) Fail(error);
      return;
    case ScriptVerb::PreviewFitted: preview.SetFittedOnly(command.on); return;
    case ScriptVerb::PreviewExport: {
      const std::optional<preview::Format> format = preview::FormatFromName(command.text);
      if (!format) Fail("no report format \"" + command.text + "\" (text, csv, html or json)");
      preview.Settle();  // what is exported is what the window would show now
      if (!preview.AskExport(*format, error) && !error.empty()) Fail("not exported: " + error);
      return;
    }
    default: return;
  }
}

void ScriptRunner::PrintPreview(PreviewSession& preview) {
  preview.Settle();
  const preview::Result& shown = preview.Shown();
  for (const std::string& warning : shown.warnings) PrintError("warning: " + warning);
  if (shown.invalid) {
    const ShownMessage message{shown.invalid->code, shown.invalid->args, shown.invalid->text, std::nullopt};
    if (m_out.IsJson()) m_out.Json({{"preview", {{"invalid", MessageToJson(message)}}}});
    else m_out.Line("preview invalid: " + MessageToText(message));
    return;
  }
  if (!shown.report) {
    if (m_out.IsJson()) m_out.Json({{"preview", {{"error", shown.error}}}});
    else m_out.Line("preview: " + shown.error);
    return;
  }
  if (m_out.IsJson()) {
    m_out.Json({{"preview", nlohmann::ordered_json::parse(preview.Render(preview::Format::kJson))}});
  } else {
    const std::string text = preview.Render(preview::Format::kText);
    m_out.Line(text.ends_with('\n') ? std::string_view(text).substr(0, text.size() - 1) : std::string_view(text));
  }
}

}  // namespace mirel::cli
