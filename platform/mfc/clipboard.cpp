#include "platform/mfc/clipboard.h"

namespace mirel {
namespace {
IClipboardBackend* g_backend = nullptr;
std::optional<std::string>& Buffer() {
  static std::optional<std::string> buffer;
  return buffer;
}
}  // namespace

void SetClipboardBackend(IClipboardBackend* backend) { g_backend = backend; }

void SetClipboardText(std::string_view text) {
  if (g_backend) {
    g_backend->SetText(std::string(text));
  } else {
    Buffer() = std::string(text);
  }
}

std::optional<std::string> GetClipboardText() { return g_backend ? g_backend->GetText() : Buffer(); }

bool IsClipboardTextAvailable() { return GetClipboardText().has_value(); }

void EmptyClipboard() {
  if (g_backend) {
    g_backend->Clear();
  } else {
    Buffer().reset();
  }
}

}  // namespace mirel
