#include "app/output.h"

#include "app/scriptcommand.h"

namespace mirel::cli {

namespace {
nlohmann::ordered_json ArgToJson(const FormatArg& arg) {
  if (arg.IsInteger()) return arg.Integer();
  if (arg.IsReal()) return arg.Real();
  return arg.Text();
}
}  // namespace

ShownMessage ShownFromAsked(const AskedQuestion& asked) {
  ShownMessage shown;
  if (asked.kind == QuestionKind::Message) {
    shown.code = asked.code;
    shown.args = asked.args;
    shown.text = asked.caption;
    if (asked.buttons != MessageButtons::Ok) shown.answer = ButtonWord(asked.answer);
    return shown;
  }
  const char* kind = asked.kind == QuestionKind::Dialog ? "dialog" : asked.kind == QuestionKind::Menu ? "menu" : "file";
  shown.code = std::string(kind) + " " + asked.code;
  shown.text = asked.caption;
  shown.answer = asked.kind == QuestionKind::Dialog ? ButtonWord(asked.answer) : std::to_string(asked.answer);
  if (shown.answer->empty()) shown.answer = std::to_string(asked.answer);
  return shown;
}

nlohmann::ordered_json MessageToJson(const ShownMessage& message) {
  nlohmann::ordered_json object;
  object["code"] = message.code;
  nlohmann::ordered_json args = nlohmann::ordered_json::array();
  for (const FormatArg& arg : message.args) args.push_back(ArgToJson(arg));
  object["args"] = std::move(args);
  object["text"] = message.text;
  if (message.answer) object["answer"] = *message.answer;
  return object;
}

std::string MessageToText(const ShownMessage& message) {
  std::string text = message.code + ": ";
  for (char c : message.text) text += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
  if (message.answer) text += " -> " + *message.answer;
  return text;
}

std::string JsonLine(const nlohmann::ordered_json& value) {
  return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void PrintError(std::string_view text) {
  std::fflush(stdout);
  std::fprintf(stderr, "mirel: %.*s\n", int(text.size()), text.data());
  std::fflush(stderr);
}

void Output::Line(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), m_out);
  std::fputc('\n', m_out);
}

void Output::Json(const nlohmann::ordered_json& value) { Line(JsonLine(value)); }

void Output::Message(const ShownMessage& message) {
  if (IsJson()) Json(MessageToJson(message));
  else Line(MessageToText(message));
}

void Output::Refused(std::string_view command) {
  if (IsJson()) Json({{"refused", std::string(command)}});
  else Line("refused " + std::string(command));
}

void Output::Choices(const std::vector<Choice>& choices) {
  if (IsJson()) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Choice& choice : choices) list.push_back({{"text", choice.text}, {"blue", choice.blue}});
    Json({{"choices", std::move(list)}});
    return;
  }
  Line("choices: " + std::to_string(choices.size()));
  for (const Choice& choice : choices) Line((choice.blue ? "* " : "  ") + choice.text);
}

void Output::Dump(const std::vector<DumpedColumn>& columns) {
  if (IsJson()) {
    Json(DumpToJson(columns));
    return;
  }
  const std::string text = DumpToText(columns);
  std::fwrite(text.data(), 1, text.size(), m_out);
}

}  // namespace mirel::cli
