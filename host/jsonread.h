#pragma once
// Strict reading of our JSON files: UTF-8 only, one JSON value, no repeated keys, our "format"
// and a "formatVersion" we know, and typed fields with a reason that names the field.
#include <list>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace mirel::jsonio {

using Json = nlohmann::ordered_json;

// What is wrong with a file, without the file's name (the loader adds it).
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads at most a few megabytes; throws FormatError (with the file's name) when it cannot.
std::string ReadFileText(const std::string& path);

// Parses a whole text as UTF-8 JSON; throws FormatError with line and column where they apply.
Json Parse(std::string_view text);

// Checks "format" and "formatVersion" of a file's top-level object.
void CheckHeader(const Json& root, std::string_view format, int newestVersion);

// Typed access to the fields of one object; "where" names it in messages ("queries[2]").
class Fields {
 public:
  Fields(const Json& object, std::string where);

  bool Has(const char* key) const;
  std::string String(const char* key) const;
  int Int(const char* key) const;
  bool Bool(const char* key) const;
  std::list<std::string> StringList(const char* key) const;
  const Json& Object(const char* key) const;
  const Json& Array(const char* key) const;
  std::string Where(const char* key) const;

 private:
  const Json& Get(const char* key) const;
  [[noreturn]] void WrongType(const char* key, const char* expected) const;

  const Json& m_object;
  std::string m_where;
};

std::string TypeName(const Json& value);

// "<file>: <what>" for a FormatError caught while loading a file.
std::string FileReason(const std::string& path, const std::exception& e);

}  // namespace mirel::jsonio
