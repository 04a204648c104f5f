#pragma once
// What the commands print, in text or JSON (one JSON object a line). A message prints as
// {"code":"ZRREPS-238","args":["...",1,3],"text":"<formatted>"}, with "answer" for a question;
// in text as "ZRREPS-238: <formatted>" and " -> yes" for a question.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/griddump.h"
#include "platform/mfc/scripted.h"

namespace mirel::cli {

enum class OutputFormat { Text, Json };

struct ShownMessage {
  std::string code;
  FormatArgs args;
  std::string text;                   // formatted
  std::optional<std::string> answer;  // "yes", "no", "cancel" for a question
};

// A message box or dialog as the interaction service reports it. A dialog becomes a message
// with code "dialog <id>" and its caption as the text.
ShownMessage ShownFromAsked(const AskedQuestion& asked);

nlohmann::ordered_json MessageToJson(const ShownMessage& message);
// One line: new lines and tabs of the text become blanks.
std::string MessageToText(const ShownMessage& message);

struct Choice {
  std::string text;
  bool blue = false;
};

// The JSON text of one value on one line; texts that are not UTF-8 are shown with U+FFFD.
std::string JsonLine(const nlohmann::ordered_json& value);

// "mirel: <text>" on standard error.
void PrintError(std::string_view text);

class Output {
 public:
  Output(std::FILE* out, OutputFormat format) : m_out(out), m_format(format) {}
  OutputFormat Format() const { return m_format; }
  bool IsJson() const { return m_format == OutputFormat::Json; }

  void Message(const ShownMessage& message);
  void Refused(std::string_view command);  // {"refused":"put"} / "refused put"
  void Choices(const std::vector<Choice>& choices);
  void Dump(const std::vector<DumpedColumn>& columns);
  // A line of text or a JSON value (on its own line).
  void Line(std::string_view text);
  void Json(const nlohmann::ordered_json& value);
  void Flush() { std::fflush(m_out); }

 private:
  std::FILE* m_out;
  OutputFormat m_format;
};

}  // namespace mirel::cli
