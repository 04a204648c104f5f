#pragma once
// The message service: every coded message the user sees ("ZRREPS-235" plus printf-style
// arguments). Texts come from the message file; formatting is SafeFormat, so arguments are shown
// as typed and a wrong argument count never reads past them. The message reaches a person
// through mirel::Interaction().
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/mfc/interaction.h"
#include "platform/mfc/safeformat.h"

namespace mirel::detail {
// Text-like types convertible both ways (CString) are taken as their std::string.
template <typename T>
FormatArg MakeFormatArg(T&& value) {
  if constexpr (std::is_constructible_v<FormatArg, T&&>) {
    return FormatArg(std::forward<T>(value));
  } else {
    static_assert(std::is_convertible_v<T&&, std::string>, "message arguments are texts or numbers");
    return FormatArg(static_cast<std::string>(value));
  }
}
}  // namespace mirel::detail

class CZRErrorHandler {
 public:
  // Each returns the button pressed: IDOK; IDYES (6) / IDNO (7); or IDCANCEL (2) as well.
  template <typename... Args>
  static int MessageBoxOk(const char* code, Args&&... args) {
    return Show(code, {mirel::detail::MakeFormatArg(std::forward<Args>(args))...}, mirel::MessageButtons::Ok);
  }
  template <typename... Args>
  static int MessageBoxYesNo(const char* code, Args&&... args) {
    return Show(code, {mirel::detail::MakeFormatArg(std::forward<Args>(args))...}, mirel::MessageButtons::YesNo);
  }
  template <typename... Args>
  static int MessageBoxYesNoCancel(const char* code, Args&&... args) {
    return Show(code, {mirel::detail::MakeFormatArg(std::forward<Args>(args))...},
                mirel::MessageButtons::YesNoCancel);
  }

  // Loads the message texts: a relative path is looked up on the setup search path, an absolute
  // one is read as it stands. Returns 1 when loaded (the texts replace the previous ones), 0 when
  // the file cannot be found or read or is malformed (the previous texts stay; see
  // GetLastLoadError). File format: one "CODE<TAB>text" line per message, UTF-8; blank lines and
  // lines starting with '#' are ignored; in a text, \n \t and \\ stand for a new line, a tab and
  // a backslash.
  static int LoadMessageFile(const char* path);
  // The same over a message file's text; "name" is the file named in the load error.
  static int LoadMessageText(std::string_view text, const std::string& name);
  static const std::string& GetLastLoadError();
  // Forgets every loaded text.
  static void UnloadMessages();

  // The text template of a code ("" when the code has none).
  static std::string GetMessageTemplate(const char* code);
  // The text shown for a code and its arguments; without a template: the code and the arguments,
  // e.g. ZRREPS-244: "FOO", 3.
  static std::string FormatMessage(const char* code, const mirel::FormatArgs& args);

  static int Show(const char* code, mirel::FormatArgs args, mirel::MessageButtons buttons);
};
