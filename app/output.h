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

// A message box as the interaction service reports it.
ShownMessage ShownFromAsked(const AskedQuestion& asked);

// The record of a question that is no message box: a dialog as it ended
// {"dialog":1081,"ended":1}, a file dialog {"fileDialog":{"open":..,"title":..,"filter":..,
// "folder":..,"defaultExtension":..},"answer":PATH|null}, a pop-up menu
// {"menu":[{"id":..,"text":..,"enabled":..}, ...],"answer":ID|null}. Unanswered (withAnswer
// false), a dialog is {"dialog":ID,"caption":...} and the others lack "answer".
nlohmann::ordered_json QuestionToJson(const AskedQuestion& asked, bool withAnswer = true);
std::string QuestionToText(const AskedQuestion& asked, bool withAnswer = true);
// The filter pairs in the Windows form "Text (*.txt)|*.txt|All Files (*.*)|*.*||".
std::string FilterString(const std::vector<FileFilter>& filters);

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
  // A question as it was answered: a message, or another record (QuestionToJson).
  void Answered(const AskedQuestion& asked);
  void DialogOpened(UINT id, const std::string& caption);  // {"dialog":ID,"caption":...}
  void Help(DWORD_PTR context);                           // {"help":CONTEXT}
  void Saved(const std::string& path);                    // {"saved":PATH}
  void DropRefused();                                     // {"drop":"refused"}
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
