#include <map>
#include <string_view>

#include "host/jsonread.h"
#include "host/setuppath.h"
#include "host/utf8.h"
#include "hostapi/errorhandler.h"
#include "platform/mfc/nocase.h"

namespace {

using MessageTable = std::map<std::string, std::string, mirel::LessNoCase>;

MessageTable& Texts() {
  static MessageTable texts;
  return texts;
}

std::string& LastLoadError() {
  static std::string error;
  return error;
}

// \n, \t and \\ in a message text; any other backslash stays as written.
std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next == 'n' || next == 't' || next == '\\') {
        out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

bool IsCode(std::string_view code) {
  if (code.empty()) return false;
  for (char c : code)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
      return false;
  return true;
}

// Parses a whole message file; throws FormatError naming the line.
MessageTable ParseMessages(std::string_view text) {
  if (const auto bad = mirel::FindInvalidUtf8(text)) {
    const mirel::TextPosition pos = mirel::PositionOf(text, *bad);
    throw mirel::jsonio::FormatError("line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) +
                                     ": the file is not UTF-8 text");
  }
  MessageTable table;
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    const std::string where = "line " + std::to_string(number) + ": ";
    if (tab == std::string_view::npos) throw mirel::jsonio::FormatError(where + "expected CODE<TAB>text");
    const std::string code(line.substr(0, tab));
    if (!IsCode(code)) throw mirel::jsonio::FormatError(where + "\"" + code + "\" is not a message code");
    if (!table.emplace(code, Unescape(line.substr(tab + 1))).second)
      throw mirel::jsonio::FormatError(where + code + " is given twice");
  }
  return table;
}

std::string Fallback(const std::string& code, const mirel::FormatArgs& args) {
  std::string text = code;
  for (size_t i = 0; i < args.size(); ++i) {
    text += i == 0 ? ": " : ", ";
    text += args[i].IsText() ? "\"" + args[i].Text() + "\"" : args[i].ToString();
  }
  return text;
}

}  // namespace

int CZRErrorHandler::LoadMessageFile(const char* path) {
  const std::string relative = path ? path : "";
  // An absolute path is read as it stands, so that its own reason (a folder, no permission) is told.
  const std::string found = mirel::ToSlashes(relative).rfind('/', 0) == 0 ? mirel::ToSlashes(relative)
                                                                          : mirel::FindSetupFile(relative);
  if (found.empty()) {
    LastLoadError() = (relative.empty() ? std::string("(no file name)") : relative) +
                      ": not found on the setup search path";
    return 0;
  }
  std::string text;
  try {
    text = mirel::jsonio::ReadFileText(found);
  } catch (const std::exception& e) {
    LastLoadError() = e.what();
    return 0;
  }
  return LoadMessageText(text, found);
}

int CZRErrorHandler::LoadMessageText(std::string_view text, const std::string& name) {
  try {
    Texts() = ParseMessages(text);
  } catch (const std::exception& e) {
    LastLoadError() = mirel::jsonio::FileReason(name, e);
    return 0;
  }
  LastLoadError().clear();
  return 1;
}

const std::string& CZRErrorHandler::GetLastLoadError() { return LastLoadError(); }

void CZRErrorHandler::UnloadMessages() { Texts().clear(); }

std::string CZRErrorHandler::GetMessageTemplate(const char* code) {
  const auto it = Texts().find(std::string_view(code ? code : ""));
  return it == Texts().end() ? std::string() : it->second;
}

std::string CZRErrorHandler::FormatMessage(const char* code, const mirel::FormatArgs& args) {
  const std::string name = code ? code : "";
  const std::string format = GetMessageTemplate(name.c_str());
  if (format.empty()) return Fallback(name, args);
  return mirel::SafeFormat(format, args);
}

int CZRErrorHandler::Show(const char* code, mirel::FormatArgs args, mirel::MessageButtons buttons) {
  mirel::MessageRequest request;
  request.code = code ? code : "";
  request.text = FormatMessage(request.code.c_str(), args);
  request.args = std::move(args);
  request.buttons = buttons;
  const int answer = mirel::Interaction().MessageBox(request);
  // Only the buttons offered can come back; anything else (a closed window) is the cautious one.
  switch (buttons) {
    case mirel::MessageButtons::Ok: return IDOK;
    case mirel::MessageButtons::YesNo: return answer == IDYES ? IDYES : IDNO;
    case mirel::MessageButtons::YesNoCancel:
      return (answer == IDYES || answer == IDNO) ? answer : IDCANCEL;
  }
  return IDCANCEL;
}
