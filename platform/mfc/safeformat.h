#pragma once
// printf-style formatting of our own message texts with typed arguments. The format string is
// ours; the arguments are whatever the user typed. A %s argument is copied, never re-read as a
// format, a missing argument formats as nothing, and %n is written out literally.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace mirel {

class FormatArg {
 public:
  FormatArg(const char* s) : m_value(std::string(s ? s : "")) {}
  FormatArg(std::string s) : m_value(std::move(s)) {}
  FormatArg(std::string_view s) : m_value(std::string(s)) {}
  template <typename T>
    requires std::is_integral_v<T>
  FormatArg(T v) : m_value(static_cast<std::int64_t>(v)) {}
  FormatArg(double v) : m_value(v) {}

  bool IsText() const { return std::holds_alternative<std::string>(m_value); }
  bool IsInteger() const { return std::holds_alternative<std::int64_t>(m_value); }
  bool IsReal() const { return std::holds_alternative<double>(m_value); }
  const std::string& Text() const { return std::get<std::string>(m_value); }
  std::int64_t Integer() const { return std::get<std::int64_t>(m_value); }
  double Real() const { return std::get<double>(m_value); }
  // The argument as plain text, whatever its type (used where a message has no text to fill).
  std::string ToString() const;

 private:
  std::variant<std::string, std::int64_t, double> m_value;
};

using FormatArgs = std::vector<FormatArg>;

std::string SafeFormat(std::string_view format, const FormatArgs& args);

}  // namespace mirel
