#include "platform/mfc/scripted.h"

#include <filesystem>

#include "platform/mfc/dialog.h"

namespace mirel {
namespace {

const char* ButtonsName(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return "OK";
    case MessageButtons::YesNo: return "Yes/No";
    case MessageButtons::YesNoCancel: return "Yes/No/Cancel";
  }
  return "?";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool Fits(int answer, MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return answer == IDOK;
    case MessageButtons::YesNo: return answer == IDYES || answer == IDNO;
    case MessageButtons::YesNoCancel: return answer == IDYES || answer == IDNO || answer == IDCANCEL;
  }
  return false;
}

std::string ButtonName(int button) {
  switch (button) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return std::to_string(button);
  }
}

}  // namespace

std::string AskedQuestion::Describe() const {
  switch (kind) {
    case QuestionKind::Message: {
      std::string text = "message " + Quoted(code) + " (" + ButtonsName(buttons) + ") " + Quoted(caption);
      if (!args.empty()) {
        text += " with arguments [";
        for (size_t i = 0; i < args.size(); ++i) {
          if (i) text += ", ";
          text += args[i].IsText() ? Quoted(args[i].Text()) : args[i].ToString();
        }
        text += "]";
      }
      return text;
    }
    case QuestionKind::Dialog: return "dialog " + code + " " + Quoted(caption);
    case QuestionKind::FileDialog: return code + " file dialog " + Quoted(caption);
    case QuestionKind::Menu: return "pop-up menu" + (caption.empty() ? std::string() : " " + Quoted(caption));
  }
  return "question";
}

UnansweredQuestion::UnansweredQuestion(AskedQuestion question, const std::string& why)
    : std::runtime_error("unanswered question: " + question.Describe() + ": " + why), m_question(std::move(question)) {}

std::string ScriptedInteraction::Answer::Describe() const {
  switch (kind) {
    case QuestionKind::Message: return "the answer " + ButtonName(value) + " to message " + Quoted(code);
    case QuestionKind::Dialog: return value ? "the script for dialog " + std::to_string(value) : "a dialog script";
    case QuestionKind::FileDialog: return path ? "the file " + Quoted(*path) : "cancelling a file dialog";
    case QuestionKind::Menu: return "the menu command " + std::to_string(value);
  }
  return "an answer";
}

ScriptedInteraction& ScriptedInteraction::AnswerMessage(std::string code, int button) {
  m_queue.push_back({QuestionKind::Message, std::move(code), button, std::nullopt, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::AnswerDialog(UINT templateId, DialogScript work) {
  m_queue.push_back({QuestionKind::Dialog, "", int(templateId), std::nullopt, std::move(work)});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::AnswerFile(std::string path) {
  m_queue.push_back({QuestionKind::FileDialog, "", IDOK, std::move(path), {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::CancelFile() {
  m_queue.push_back({QuestionKind::FileDialog, "", IDCANCEL, std::nullopt, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::AnswerMenu(UINT command) {
  m_queue.push_back({QuestionKind::Menu, "", int(command), std::nullopt, {}});
  return *this;
}

void ScriptedInteraction::SetStandingAnswer(std::string code, int button) { m_standing[std::move(code)] = button; }

std::vector<std::string> ScriptedInteraction::DescribePending() const {
  std::vector<std::string> pending;
  for (const Answer& answer : m_queue) pending.push_back(answer.Describe());
  return pending;
}

void ScriptedInteraction::Clear() {
  m_queue.clear();
  m_standing.clear();
  m_asked.clear();
  m_help.clear();
}

void ScriptedInteraction::Record(const AskedQuestion& question) {
  m_asked.push_back(question);
  if (m_observer) m_observer(question);
}

int ScriptedInteraction::MessageBox(const MessageRequest& request) {
  if (m_dismissing) return request.buttons == MessageButtons::Ok ? IDOK : request.buttons == MessageButtons::YesNo ? IDNO : IDCANCEL;
  AskedQuestion question{QuestionKind::Message, request.code, request.text, request.args, request.buttons};
  const bool queuedForIt = !m_queue.empty() && m_queue.front().kind == QuestionKind::Message && m_queue.front().code == request.code;
  if (queuedForIt) {
    question.answer = m_queue.front().value;
    m_queue.pop_front();
  } else if (const auto it = m_standing.find(request.code); it != m_standing.end()) {
    question.answer = it->second;
  } else if (request.buttons == MessageButtons::Ok && m_acknowledgeOk) {
    question.answer = IDOK;
  } else if (!m_queue.empty()) {
    throw UnansweredQuestion(question, "the script's next answer is " + m_queue.front().Describe());
  } else {
    throw UnansweredQuestion(question, "no answer left in the script");
  }
  if (!Fits(question.answer, request.buttons)) {
    throw UnansweredQuestion(question, "the script answers " + ButtonName(question.answer) + ", which is not one of its buttons");
  }
  Record(question);
  return question.answer;
}

int ScriptedInteraction::DoModal(CDialog& dialog) {
  if (m_dismissing) return IDCANCEL;
  AskedQuestion question{QuestionKind::Dialog, std::to_string(dialog.GetTemplateId()), "", {}};
  if (const auto* dialogTemplate = FindDialogTemplate(dialog.GetTemplateId())) question.caption = dialogTemplate->caption;
  ModalSession session(dialog);
  if (!session.Running()) {
    question.answer = dialog.GetModalResult();
    if (m_observer && dialog.HasEnded()) m_observer(question);
    return question.answer;
  }
  question.caption = dialog.GetWindowTextString().str();
  if (m_openObserver) m_openObserver(dialog);
  bool first = true;
  while (dialog.IsModalSessionRunning()) {
    if (m_queue.empty()) {
      throw UnansweredQuestion(question, first ? "no answer left in the script" : "the dialog is still open after its script");
    }
    Answer& next = m_queue.front();
    if (next.kind != QuestionKind::Dialog) {
      throw UnansweredQuestion(question, "the script's next answer is " + next.Describe());
    }
    if (next.value != 0 && UINT(next.value) != dialog.GetTemplateId()) {
      throw UnansweredQuestion(question, "the script's next answer is " + next.Describe());
    }
    DialogScript work = std::move(next.work);
    m_queue.pop_front();
    first = false;
    if (work) work(dialog);
  }
  question.answer = dialog.GetModalResult();
  Record(question);
  return question.answer;
}

std::optional<std::string> ScriptedInteraction::FileDialog(const FileDialogRequest& request) {
  if (m_dismissing) return std::nullopt;
  AskedQuestion question{QuestionKind::FileDialog, request.open ? "open" : "save", request.title, {}};
  question.file = request;
  if (m_queue.empty()) throw UnansweredQuestion(question, "no answer left in the script");
  if (m_queue.front().kind != QuestionKind::FileDialog) {
    throw UnansweredQuestion(question, "the script's next answer is " + m_queue.front().Describe());
  }
  const std::optional<std::string> path = m_queue.front().path;
  m_queue.pop_front();
  if (path && request.open && request.fileMustExist) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(*path, error)) {
      throw UnansweredQuestion(question, "the script chooses " + Quoted(*path) + ", which is no existing file");
    }
  }
  question.answer = path ? IDOK : IDCANCEL;
  question.answerText = path.value_or("");
  Record(question);
  return path;
}

UINT ScriptedInteraction::TrackPopupMenu(const MenuRequest& request) {
  if (m_dismissing) return 0;
  AskedQuestion question{QuestionKind::Menu, "menu", "", {}};
  question.menu = request.items;
  if (m_queue.empty()) throw UnansweredQuestion(question, "no answer left in the script");
  if (m_queue.front().kind != QuestionKind::Menu) {
    throw UnansweredQuestion(question, "the script's next answer is " + m_queue.front().Describe());
  }
  const UINT command = UINT(m_queue.front().value);
  m_queue.pop_front();
  if (command != 0 && !IsEnabledCommand(request.items, command)) {
    throw UnansweredQuestion(question, "the script chooses command " + std::to_string(command) +
                                           ", which is grayed or not in the menu");
  }
  question.answer = int(command);
  Record(question);
  return command;
}

void ScriptedInteraction::Help(const HelpRequest& request) {
  if (m_dismissing) return;
  m_help.push_back(request);
  if (m_helpObserver) m_helpObserver(request);
}

}  // namespace mirel
