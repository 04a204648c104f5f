#pragma once
// The one road by which the library asks a person anything: message boxes, modal dialogs, file
// dialogs, pop-up menus and help. The program installs a service that shows real windows; tests
// and `mirel script` install a scripted one that answers from a queue.
#include <string>

#include "platform/mfc/afxtypes.h"
#include "platform/mfc/safeformat.h"

namespace mirel {

enum class MessageButtons { Ok, YesNo, YesNoCancel };

// A coded message as the message service raises it.
struct MessageRequest {
  std::string code;   // "ZRREPS-235"
  FormatArgs args;    // in the message's order
  std::string text;   // the formatted text (the code and its arguments when no text is known)
  MessageButtons buttons = MessageButtons::Ok;
};

class IInteraction {
 public:
  virtual ~IInteraction() = default;
  // Returns IDOK, IDYES, IDNO or IDCANCEL.
  virtual int MessageBox(const MessageRequest& request) = 0;
  // Further questions (modal dialogs, file dialogs, menus, help) are declared by the window layer.
};

// The service in force; never null (a console service answers when nothing was installed).
IInteraction& Interaction();
// Installs a service (not owned); null puts the console service back.
void SetInteraction(IInteraction* service);

}  // namespace mirel
