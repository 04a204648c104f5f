#pragma once
// Clipboard text. Windowless it is a buffer inside the process; the Qt realisation installs a
// backend that uses the system clipboard.
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

class IClipboardBackend {
 public:
  virtual ~IClipboardBackend() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual std::optional<std::string> GetText() = 0;
  virtual void Clear() = 0;
};

// Null puts the in-process buffer back. Not owned.
void SetClipboardBackend(IClipboardBackend* backend);

void SetClipboardText(std::string_view text);
std::optional<std::string> GetClipboardText();
bool IsClipboardTextAvailable();
void EmptyClipboard();

}  // namespace mirel
