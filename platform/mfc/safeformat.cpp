#include "platform/mfc/safeformat.h"

#include <cstdio>
#include <string_view>

namespace mirel {

std::string FormatArg::ToString() const {
  if (IsText()) return Text();
  if (IsInteger()) return std::to_string(Integer());
  char buf[64];
  std::snprintf(buf, sizeof buf, "%g", Real());
  return buf;
}

namespace {

struct Piece {
  std::string flags;  // "-+ #0" and width/precision, already validated
  char conv = 0;
};

// snprintf with a conversion we built ourselves from checked pieces and a value of the right type.
template <typename T>
std::string Print(const std::string& piece, T value) {
  int n = std::snprintf(nullptr, 0, piece.c_str(), value);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), piece.c_str(), value);
  out.resize(static_cast<size_t>(n));
  return out;
}

// -2^63 <= d < 2^63, so that truncating it is defined; false for NaN too.
bool FitsLongLong(double d) { return d >= -0x1p63 && d < 0x1p63; }

std::string FormatOne(const Piece& s, const FormatArg* arg) {
  if (!arg) return {};
  switch (s.conv) {
    case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': {
      if (arg->IsText()) return Print("%" + s.flags + "s", arg->Text().c_str());
      // A real beyond a long long (or not a number) has no whole value: it is shown as it is.
      if (arg->IsReal() && !FitsLongLong(arg->Real())) return Print("%" + s.flags + "s", arg->ToString().c_str());
      const long long v = arg->IsInteger() ? arg->Integer() : static_cast<long long>(arg->Real());
      const char conv = s.conv == 'i' ? 'd' : s.conv;
      return Print("%" + s.flags + "ll" + conv, v);
    }
    case 'c': {
      if (arg->IsInteger()) return Print("%" + s.flags + "c", static_cast<int>(arg->Integer()));
      return Print("%" + s.flags + "s", arg->ToString().substr(0, 1).c_str());
    }
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': {
      if (arg->IsText()) return Print("%" + s.flags + "s", arg->Text().c_str());
      double v = arg->IsReal() ? arg->Real() : static_cast<double>(arg->Integer());
      return Print("%" + s.flags + s.conv, v);
    }
    default:  // 's' and anything unknown: the argument as text
      return Print("%" + s.flags + "s", arg->ToString().c_str());
  }
}

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string SafeFormat(std::string_view format, const FormatArgs& args) {
  std::string out;
  size_t next = 0;
  auto take = [&]() -> const FormatArg* { return next < args.size() ? &args[next++] : nullptr; };
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%' || i + 1 >= format.size()) { out += c; continue; }
    size_t j = i + 1;
    if (format[j] == '%') { out += '%'; i = j; continue; }
    Piece piece;
    while (j < format.size() && IsFlag(format[j])) piece.flags += format[j++];
    auto number = [&](std::string& into) {
      if (j < format.size() && format[j] == '*') {
        const FormatArg* a = take();
        long long v = (a && a->IsInteger()) ? a->Integer() : 0;
        if (v < -4096) v = -4096;
        if (v > 4096) v = 4096;  // a width is never a way to allocate without bound
        into += std::to_string(v);
        ++j;
        return;
      }
      size_t digits = 0;
      while (j < format.size() && IsDigit(format[j])) {
        if (++digits <= 4) into += format[j];
        ++j;
      }
    };
    number(piece.flags);
    if (j < format.size() && format[j] == '.') {
      ++j;
      std::string precision;
      number(precision);
      if (precision.empty() || precision.front() != '-') piece.flags += "." + precision;  // negative: none
    }
    while (j < format.size() && (format[j] == 'l' || format[j] == 'h' || format[j] == 'z' || format[j] == 'L')) ++j;
    if (j >= format.size()) { out.append(format.substr(i)); break; }
    piece.conv = format[j];
    if (piece.conv == 'n' || piece.conv == 'p') {
      out.append(format.substr(i, j - i + 1));  // never write through or print an address
    } else {
      out += FormatOne(piece, take());
    }
    i = j;
  }
  return out;
}

}  // namespace mirel
