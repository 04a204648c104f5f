#pragma once
// ScriptedInteraction: the interaction service of tests and `mirel script`. Answers wait in a
// queue and are used in order:
//   AnswerMessage(code, button)   the next message box; its code must be `code`
//   AnswerDialog(id, work)        the next modal dialog (id 0: any): `work` receives the dialog
//                                 after OnInitDialog and works its controls, usually pressing a
//                                 button at the end. When the dialog is still open afterwards
//                                 (OnOK refused), the next answer must be for that dialog again.
//   AnswerFile(path) / CancelFile the next file dialog
//   AnswerMenu(command)           the next pop-up menu (0 dismisses it)
// Messages with only an OK button are acknowledged without an answer (recorded all the same)
// unless the next answer names their code. Standing answers reply to every message with a
// code when no queued answer is for it. Help calls are recorded, never answered.
//
// Observers see what a person would see: every answered question as it is answered (a dialog
// when it ends; one that ended during its initialisation too, though Asked() does not keep
// it), every modal dialog once it is initialised, and every help call.
//
// A question nobody answered, or answered with something that does not fit (another code,
// another dialog, a grayed command, a missing file that must exist), throws UnansweredQuestion,
// whose message names the question: kind, code, caption and arguments. It is the one exception
// that crosses the library; the command line catches it and exits with status 3.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mfc/interaction.h"

class CWnd;

namespace mirel {

enum class QuestionKind { Message, Dialog, FileDialog, Menu };

struct AskedQuestion {
  QuestionKind kind = QuestionKind::Message;
  std::string code;     // message code; dialog template id; "open" / "save"; "menu"
  std::string caption;  // message text; dialog caption; file dialog title; "" for a menu
  FormatArgs args;      // the message's arguments
  MessageButtons buttons = MessageButtons::Ok;
  int answer = 0;           // button; dialog result; IDOK / IDCANCEL; chosen command (0 none)
  std::string answerText;   // the chosen path of a file dialog
  FileDialogRequest file;   // a file dialog: what the program asked for
  std::vector<MenuItemView> menu;  // a pop-up menu: its items as they were shown
  // 'message "ZRREPS-244" (Yes/No) "Unknown keyword FOO" ["FOO"]', 'dialog 1038 "Select Property"' ...
  std::string Describe() const;
};

class UnansweredQuestion : public std::runtime_error {
 public:
  UnansweredQuestion(AskedQuestion question, const std::string& why);
  const AskedQuestion& Question() const { return m_question; }

 private:
  AskedQuestion m_question;
};

class ScriptedInteraction final : public IInteraction {
 public:
  using DialogScript = std::function<void(CDialog&)>;

  ScriptedInteraction& AnswerMessage(std::string code, int button);
  ScriptedInteraction& AnswerDialog(UINT templateId, DialogScript work);
  ScriptedInteraction& AnswerFile(std::string path);
  ScriptedInteraction& CancelFile();
  ScriptedInteraction& AnswerMenu(UINT command);
  void SetStandingAnswer(std::string code, int button);
  void SetAcknowledgeOkMessages(bool acknowledge) { m_acknowledgeOk = acknowledge; }
  // Called with every answered question, as it is answered.
  void SetObserver(std::function<void(const AskedQuestion&)> observer) { m_observer = std::move(observer); }
  // Called with every modal dialog after its initialisation, before its answer works it.
  void SetOpenObserver(std::function<void(CDialog&)> observer) { m_openObserver = std::move(observer); }
  void SetHelpObserver(std::function<void(const HelpRequest&)> observer) { m_helpObserver = std::move(observer); }
  // While dismissing, nobody is asked and nothing is recorded: messages get their last button
  // (Cancel, No or OK), dialogs are cancelled unopened, file dialogs and menus dismissed. For
  // tearing windows down after the script ended.
  void SetDismissing(bool dismissing) { m_dismissing = dismissing; }

  const std::vector<AskedQuestion>& Asked() const { return m_asked; }
  const std::vector<HelpRequest>& HelpCalls() const { return m_help; }
  size_t PendingAnswers() const { return m_queue.size(); }
  std::vector<std::string> DescribePending() const;
  void Clear();

  int MessageBox(const MessageRequest& request) override;
  int DoModal(CDialog& dialog) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  UINT TrackPopupMenu(const MenuRequest& request) override;
  void Help(const HelpRequest& request) override;

 private:
  struct Answer {
    QuestionKind kind;
    std::string code;       // message code
    int value = 0;          // button / dialog id / command
    std::optional<std::string> path;
    DialogScript work;
    std::string Describe() const;
  };
  void Record(const AskedQuestion& question);
  std::deque<Answer> m_queue;
  std::map<std::string, int> m_standing;
  bool m_acknowledgeOk = true;
  std::vector<AskedQuestion> m_asked;
  std::vector<HelpRequest> m_help;
  std::function<void(const AskedQuestion&)> m_observer;
  std::function<void(CDialog&)> m_openObserver;
  std::function<void(const HelpRequest&)> m_helpObserver;
  bool m_dismissing = false;
};

// What a dialog script does to the controls of a dialog, as a person would. Each throws
// UnansweredQuestion naming the dialog when the control is missing, of another kind, or
// refuses (hidden, disabled, read-only, no such entry).
namespace script {
void Click(CWnd& dialog, int id);
void Type(CWnd& dialog, int id, std::string_view text);  // edit or combo box edit field
void Select(CWnd& dialog, int id, int index);            // list or combo box
void SelectText(CWnd& dialog, int id, std::string_view text);  // entry equal to text, ignoring case
void DoubleClick(CWnd& dialog, int id, int index);       // list box
void SetChecked(CWnd& dialog, int id, bool checked);     // check box or radio button (clicks if needed)
void DropDown(CWnd& dialog, int id);                     // combo box
void Key(CWnd& target, UINT virtualKey, bool shift = false);  // a key-down on the focused window
}  // namespace script

}  // namespace mirel
