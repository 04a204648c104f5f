#include "platform/mfc/interaction.h"

#include <cstdio>

namespace mirel {
namespace {

// Nobody is there to answer: say what was asked on stderr and take the cautious answer.
class ConsoleInteraction final : public IInteraction {
 public:
  int MessageBox(const MessageRequest& request) override {
    std::fprintf(stderr, "%s\n", request.text.c_str());
    switch (request.buttons) {
      case MessageButtons::Ok: return IDOK;
      case MessageButtons::YesNo: return IDNO;
      case MessageButtons::YesNoCancel: return IDCANCEL;
    }
    return IDCANCEL;
  }
};

ConsoleInteraction g_console;
IInteraction* g_service = nullptr;

}  // namespace

int IInteraction::DoModal(CDialog&) { return IDCANCEL; }
std::optional<std::string> IInteraction::FileDialog(const FileDialogRequest&) { return std::nullopt; }
UINT IInteraction::TrackPopupMenu(const MenuRequest&) { return 0; }
void IInteraction::Help(const HelpRequest&) {}

IInteraction& Interaction() { return g_service ? *g_service : g_console; }
void SetInteraction(IInteraction* service) { g_service = service; }

ScopedInteraction::ScopedInteraction(IInteraction& service) : m_previous(g_service) { g_service = &service; }
ScopedInteraction::~ScopedInteraction() { g_service = m_previous; }

}  // namespace mirel
