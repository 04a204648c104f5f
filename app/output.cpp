#include "app/output.h"

#include <cstdlib>

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
  shown.code = asked.code;
  shown.args = asked.args;
  shown.text = asked.caption;
  if (asked.kind == QuestionKind::Message && asked.buttons != MessageButtons::Ok) shown.answer = ButtonWord(asked.answer);
  return shown;
}

std::string FilterString(const std::vector<FileFilter>& filters) {
  std::string text;
  for (const FileFilter& filter : filters) {
    text += filter.label + "|";
    for (size_t i = 0; i < filter.patterns.size(); ++i) text += (i ? ";" : "") + filter.patterns[i];
    text += "|";
  }
  return text.empty() ? text : text + "|";
}

namespace {

int DialogId(const AskedQuestion& asked) { return std::atoi(asked.code.c_str()); }

nlohmann::ordered_json MenuToJson(const std::vector<MenuItemView>& items) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const MenuItemView& item : items) {
    if (item.separator) continue;
    nlohmann::ordered_json entry;
    if (item.items.empty()) entry["id"] = item.id;
    entry["text"] = item.text;
    entry["enabled"] = item.enabled;
    if (!item.items.empty()) entry["items"] = MenuToJson(item.items);
    list.push_back(std::move(entry));
  }
  return list;
}

std::string MenuToText(const std::vector<MenuItemView>& items) {
  std::string text;
  for (const MenuItemView& item : items) {
    if (item.separator) continue;
    if (!text.empty()) text += ", ";
    std::string label = item.text;
    for (char& c : label) c = c == '\t' ? ' ' : c;
    text += item.items.empty() ? std::to_string(item.id) + " \"" + label + "\"" : "\"" + label + "\" " + MenuToText(item.items);
    if (!item.enabled) text += " grayed";
  }
  return "[" + text + "]";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

nlohmann::ordered_json QuestionToJson(const AskedQuestion& asked, bool withAnswer) {
  nlohmann::ordered_json record;
  switch (asked.kind) {
    case QuestionKind::Message:
      return MessageToJson(ShownFromAsked(asked));
    case QuestionKind::Dialog:
      record["dialog"] = DialogId(asked);
      if (withAnswer) record["ended"] = asked.answer;
      else record["caption"] = asked.caption;
      return record;
    case QuestionKind::FileDialog: {
      nlohmann::ordered_json file;
      file["open"] = asked.file.open;
      file["title"] = asked.file.title;
      file["filter"] = FilterString(asked.file.filters);
      file["folder"] = asked.file.initialFolder;
      file["defaultExtension"] = asked.file.defaultExtension;
      record["fileDialog"] = std::move(file);
      if (withAnswer) record["answer"] = asked.answer == IDOK ? nlohmann::ordered_json(asked.answerText) : nullptr;
      return record;
    }
    case QuestionKind::Menu:
      record["menu"] = MenuToJson(asked.menu);
      if (withAnswer) record["answer"] = asked.answer ? nlohmann::ordered_json(asked.answer) : nullptr;
      return record;
  }
  return record;
}

std::string QuestionToText(const AskedQuestion& asked, bool withAnswer) {
  switch (asked.kind) {
    case QuestionKind::Message:
      return MessageToText(ShownFromAsked(asked));
    case QuestionKind::Dialog: {
      if (!withAnswer) return "dialog " + asked.code + " " + Quoted(asked.caption);
      const std::string word = ButtonWord(asked.answer);
      return "dialog " + asked.code + " ended: " + (word.empty() ? std::to_string(asked.answer) : word);
    }
    case QuestionKind::FileDialog: {
      const FileDialogRequest& file = asked.file;
      std::string text = std::string(file.open ? "open" : "save") + " file dialog " + Quoted(file.title) + " filter " +
                         Quoted(FilterString(file.filters)) + " folder " + Quoted(file.initialFolder) + " extension " +
                         Quoted(file.defaultExtension);
      if (withAnswer) text += " -> " + (asked.answer == IDOK ? asked.answerText : std::string("cancel"));
      return text;
    }
    case QuestionKind::Menu: {
      std::string text = "menu " + MenuToText(asked.menu);
      if (withAnswer) text += " -> " + (asked.answer ? std::to_string(asked.answer) : std::string("none"));
      return text;
    }
  }
  return "";
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

void Output::Answered(const AskedQuestion& asked) {
  if (IsJson()) Json(QuestionToJson(asked));
  else Line(QuestionToText(asked));
}

void Output::DialogOpened(UINT id, const std::string& caption) {
  if (IsJson()) Json({{"dialog", id}, {"caption", caption}});
  else Line("dialog " + std::to_string(id) + " opened: " + caption);
}

void Output::Help(DWORD_PTR context) {
  if (IsJson()) Json({{"help", context}});
  else Line("help " + std::to_string(context));
}

void Output::Saved(const std::string& path) {
  if (IsJson()) Json({{"saved", path}});
  else Line("saved " + path);
}

void Output::DropRefused() {
  if (IsJson()) Json({{"drop", "refused"}});
  else Line("drop refused");
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
