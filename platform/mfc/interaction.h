#pragma once
// The one road by which the library asks a person anything: message boxes, modal dialogs, file
// dialogs, pop-up menus and help. The program installs a service that shows real windows
// (platform/qt/qtinteraction.h); tests and `mirel script` install a scripted one that answers
// from a queue (platform/mfc/scripted.h). With nothing installed a console service answers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mfc/afxtypes.h"
#include "platform/mfc/safeformat.h"
#include "platform/mfc/winconst.h"

class CDialog;

namespace mirel {

enum class MessageButtons { Ok, YesNo, YesNoCancel };

// A coded message as the message service raises it.
struct MessageRequest {
  std::string code;   // "ZRREPS-235"
  FormatArgs args;    // in the message's order
  std::string text;   // the formatted text (the code and its arguments when no text is known)
  MessageButtons buttons = MessageButtons::Ok;
};

// One pair of a Windows filter string: "Text (*.txt)" and {"*.txt"}.
struct FileFilter {
  std::string label;
  std::vector<std::string> patterns;
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};
// "Text|*.txt;*.log|All|*.*||" -> {"Text", {"*.txt", "*.log"}}, {"All", {"*.*"}}. Reading stops
// at the first empty part ("||", the double NUL of the system's form); a pair whose patterns are
// only blanks and semicolons is dropped. Blanks around patterns are ignored.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

struct FileDialogRequest {
  bool open = true;             // open (else save)
  std::string title;            // "" for the system's default title
  std::vector<FileFilter> filters;
  std::string initialFolder;
  std::string fileName;         // initial file name
  std::string defaultExtension; // without the dot
  bool overwritePrompt = false;
  bool fileMustExist = false;
  bool pathMustExist = false;
  bool hideReadOnly = false;
  bool noChangeDir = false;
};

// A menu as it is about to be shown.
struct MenuItemView {
  std::string text;
  UINT id = 0;
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  std::vector<MenuItemView> items;  // a pop-up's items
};
struct MenuRequest {
  std::vector<MenuItemView> items;
  POINT screenPoint{};
  UINT flags = 0;  // TPM_*
};
// True when `id` is an enabled command of the menu (pop-ups included).
bool IsEnabledCommand(const std::vector<MenuItemView>& items, UINT id);

struct HelpRequest {
  DWORD_PTR context = 0;  // 0x20000 + a dialog's resource id for dialog help
  UINT command = HELP_CONTEXT;
};

class IInteraction {
 public:
  virtual ~IInteraction() = default;
  // Returns IDOK, IDYES, IDNO or IDCANCEL.
  virtual int MessageBox(const MessageRequest& request) = 0;
  // Runs a dialog modally (CDialog::DoModal comes here) and returns its result. A service uses
  // ModalSession (dialog.h) to create and initialise it. Default: cancelled without showing.
  virtual int DoModal(CDialog& dialog);
  // The chosen full path, or nothing when cancelled. Default: cancelled.
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request);
  // The chosen command, 0 when the menu was dismissed. Default: dismissed.
  virtual UINT TrackPopupMenu(const MenuRequest& request);
  // Opens the application's help. Default: nothing happens.
  virtual void Help(const HelpRequest& request);
};

// The service in force; never null (a console service answers when nothing was installed).
IInteraction& Interaction();
// Installs a service (not owned); null puts the console service back.
void SetInteraction(IInteraction* service);

// Installs a service for the lifetime of this object, then puts the previous one back.
class ScopedInteraction {
 public:
  explicit ScopedInteraction(IInteraction& service);
  ~ScopedInteraction();
  ScopedInteraction(const ScopedInteraction&) = delete;
  ScopedInteraction& operator=(const ScopedInteraction&) = delete;

 private:
  IInteraction* m_previous;
};

}  // namespace mirel
