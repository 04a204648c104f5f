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

IInteraction& Interaction() { return g_service ? *g_service : g_console; }
void SetInteraction(IInteraction* service) { g_service = service; }

}  // namespace mirel
