#include "host/jsonread.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "host/utf8.h"

namespace mirel::jsonio {
namespace {

constexpr std::streamoff kMaxFileSize = 64 * 1024 * 1024;

std::string At(std::string_view text, size_t offset) {
  const TextPosition pos = PositionOf(text, offset);
  return "line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column);
}

// nlohmann's own text names the exception and repeats the position; keep what it says is wrong.
std::string ParseProblem(const nlohmann::json::parse_error& e) {
  std::string what = e.what();
  const size_t colon = what.find(": ");
  if (what.rfind("[json.exception", 0) == 0 && colon != std::string::npos) what = what.substr(colon + 2);
  if (what.rfind("syntax error while parsing value - ", 0) == 0) what = what.substr(35);
  return what;
}

// Repeated keys would silently lose one of the values, so they are refused. A pass of its own:
// the parser's callback form rescans the enclosing array at the end of every object (quadratic).
class RepeatedKeyFinder final : public nlohmann::json_sax<Json> {
 public:
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override {
    m_keys.emplace_back();
    return true;
  }
  bool key(string_t& key) override {
    if (m_keys.back().insert(key).second) return true;
    m_repeated = key;
    return false;
  }
  bool end_object() override {
    m_keys.pop_back();
    return true;
  }
  bool start_array(std::size_t) override { return true; }
  bool end_array() override { return true; }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }
  const std::string& Repeated() const { return m_repeated; }

 private:
  std::vector<std::set<std::string>> m_keys;
  std::string m_repeated;
};

// The first key given twice in one object of a text that parses, or "".
std::string FirstRepeatedKey(std::string_view text) {
  RepeatedKeyFinder finder;
  Json::sax_parse(text.begin(), text.end(), &finder);
  return finder.Repeated();
}

}  // namespace

std::string ReadFileText(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) throw FormatError(path + ": cannot be opened: " + std::strerror(errno));
  if (!S_ISREG(st.st_mode)) throw FormatError(path + ": is not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FormatError(path + ": cannot be opened: " + std::strerror(errno));
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw FormatError(path + ": cannot be read (not a regular file?)");
  if (size > kMaxFileSize) throw FormatError(path + ": is too large to be a Mirel file");
  in.seekg(0, std::ios::beg);
  std::string text(static_cast<size_t>(size), '\0');
  if (!in.read(text.data(), size)) throw FormatError(path + ": cannot be read");
  return text;
}

Json Parse(std::string_view text) {
  if (const auto bad = FindInvalidUtf8(text))
    throw FormatError(At(text, *bad) + ": the file is not UTF-8 text (byte " + std::to_string(*bad + 1) + ")");
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) throw FormatError("the file is empty");

  Json root;
  try {
    root = Json::parse(text.begin(), text.end());
  } catch (const nlohmann::json::parse_error& e) {
    // e.byte counts the characters read, the offending one included.
    const size_t offset = e.byte > 0 ? e.byte - 1 : 0;
    throw FormatError(At(text, offset) + ": not valid JSON: " + ParseProblem(e));
  }
  if (const std::string repeated = FirstRepeatedKey(text); !repeated.empty())
    throw FormatError("the field \"" + repeated + "\" is given twice in one object");
  if (!root.is_object()) throw FormatError("the file holds " + TypeName(root) + ", not a JSON object");
  return root;
}

void CheckHeader(const Json& root, std::string_view format, int newestVersion) {
  Fields fields(root, "");
  const std::string found = fields.String("format");
  if (found != format)
    throw FormatError("\"format\" is \"" + found + "\", expected \"" + std::string(format) + "\"");
  const int version = fields.Int("formatVersion");
  if (version < 1) throw FormatError("\"formatVersion\" " + std::to_string(version) + " is not a version");
  if (version > newestVersion)
    throw FormatError("written by a newer Mirel (format version " + std::to_string(version) +
                      "; this one reads up to " + std::to_string(newestVersion) + ")");
}

std::string TypeName(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::object: return "an object";
    case Json::value_t::array: return "an array";
    case Json::value_t::string: return "a string";
    case Json::value_t::boolean: return "true or false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned: return "an integer";
    case Json::value_t::number_float: return "a number with a fraction";
    default: return "an unknown value";
  }
}

Fields::Fields(const Json& object, std::string where) : m_object(object), m_where(std::move(where)) {
  if (!m_object.is_object())
    throw FormatError((m_where.empty() ? std::string("the file") : m_where) + " must be an object, found " +
                      TypeName(m_object));
}

std::string Fields::Where(const char* key) const {
  return m_where.empty() ? std::string("\"") + key + "\"" : m_where + "." + key;
}

bool Fields::Has(const char* key) const { return m_object.contains(key); }

const Json& Fields::Get(const char* key) const {
  const auto it = m_object.find(key);
  if (it == m_object.end())
    throw FormatError("the required field " + Where(key) + " is missing");
  return *it;
}

void Fields::WrongType(const char* key, const char* expected) const {
  throw FormatError(Where(key) + " must be " + expected + ", found " + TypeName(Get(key)));
}

std::string Fields::String(const char* key) const {
  const Json& v = Get(key);
  if (!v.is_string()) WrongType(key, "a string");
  return v.get<std::string>();
}

int Fields::Int(const char* key) const {
  const Json& v = Get(key);
  if (v.is_number_integer()) {
    if (v.is_number_unsigned()) {
      const auto u = v.get<std::uint64_t>();
      if (u <= static_cast<std::uint64_t>(INT_MAX)) return static_cast<int>(u);
    } else {
      const auto i = v.get<std::int64_t>();
      if (i >= INT_MIN && i <= INT_MAX) return static_cast<int>(i);
    }
    throw FormatError(Where(key) + " is " + v.dump() + ", outside the range of an int (" +
                      std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX) + ")");
  }
  if (v.is_number_float()) {
    const double d = v.get<double>();
    if (d > INT_MAX || d < INT_MIN)
      throw FormatError(Where(key) + " is " + v.dump() + ", outside the range of an int");
  }
  WrongType(key, "a whole number");
}

bool Fields::Bool(const char* key) const {
  const Json& v = Get(key);
  if (!v.is_boolean()) WrongType(key, "true or false");
  return v.get<bool>();
}

std::list<std::string> Fields::StringList(const char* key) const {
  const Json& v = Get(key);
  if (!v.is_array()) WrongType(key, "an array of strings");
  std::list<std::string> out;
  size_t i = 0;
  for (const Json& item : v) {
    if (!item.is_string())
      throw FormatError(Where(key) + "[" + std::to_string(i) + "] must be a string, found " + TypeName(item));
    out.push_back(item.get<std::string>());
    ++i;
  }
  return out;
}

const Json& Fields::Object(const char* key) const {
  const Json& v = Get(key);
  if (!v.is_object()) WrongType(key, "an object");
  return v;
}

const Json& Fields::Array(const char* key) const {
  const Json& v = Get(key);
  if (!v.is_array()) WrongType(key, "an array");
  return v;
}

std::string FileReason(const std::string& path, const std::exception& e) {
  const std::string what = e.what();
  if (what.rfind(path + ": ", 0) == 0) return what;  // already names the file
  return path + ": " + what;
}

}  // namespace mirel::jsonio
