#include "design/Load.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "design/DesignFile.h"
#include "design/Kicad.h"
#include "host/jsonread.h"
#include "host/utf8.h"

namespace mirel::design {
namespace {

// The same ceiling as every other file Mirel reads; a netlist of 100,000 parts stays below it.
constexpr std::uint64_t kMaxFileSize = 64ull * 1024 * 1024;

bool ReadWhole(const std::string& path, std::string& text, std::string& error) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    error = path + ": cannot be opened: " + std::strerror(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    error = path + ": is not a file";
    return false;
  }
  if (std::uint64_t(st.st_size) > kMaxFileSize) {
    // Rounded up: a file just over the ceiling must not read as "64 MB; at most 64 MB".
    const std::uint64_t megabytes = (std::uint64_t(st.st_size) + (1 << 20) - 1) >> 20;
    error = path + ": is too large to be read as a design (" + std::to_string(megabytes) + " MB; at most 64 MB)";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  text.assign(std::size_t(st.st_size), '\0');
  if (!in || !in.read(text.data(), std::streamsize(text.size()))) {
    error = path + ": cannot be read";
    return false;
  }
  return true;
}

std::string_view SkipStart(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty() && (text[0] == ' ' || text[0] == '\t' || text[0] == '\r' || text[0] == '\n')) text.remove_prefix(1);
  return text;
}

}  // namespace

FileKind SniffFileKind(std::string_view text) {
  const std::string_view start = SkipStart(text);
  if (start.starts_with("{")) return FileKind::kDesign;
  if (start.starts_with("(")) return FileKind::kSExpression;
  if (start.starts_with("<")) return FileKind::kXml;
  if (start.starts_with("# EESchema Netlist") || start.starts_with("EESchema Netlist")) return FileKind::kLegacyNetlist;
  return FileKind::kUnknown;
}

LoadResult ImportKicadNetlist(std::string_view text, const std::string& name) {
  LoadResult result;
  if (const auto bad = FindInvalidUtf8(text)) {
    const TextPosition pos = PositionOf(text, *bad);
    result.error = name + ": line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) +
                   ": the file is not UTF-8 text";
    return result;
  }
  Tree tree;
  std::string error;
  switch (SniffFileKind(text)) {
    case FileKind::kSExpression:
      if (!ParseSExpression(text, tree, error)) break;
      return ImportKicadTree(tree, text, name, "sexpr");
    case FileKind::kXml:
      if (!ParseXml(text, tree, error)) break;
      return ImportKicadTree(tree, text, name, "xml");
    case FileKind::kLegacyNetlist:
      error = "a netlist in the legacy format of 2010 (\"EESchema Netlist Version 1.1\"), which is not read; "
              "export it again from Eeschema as a KiCad netlist (s-expression) or as XML";
      break;
    case FileKind::kDesign:
      error = "is a mirel-design file, not a KiCad netlist";
      break;
    case FileKind::kUnknown:
      error = "not a KiCad netlist: it starts neither with \"(export\" nor with XML";
      break;
  }
  result.error = name + ": " + error;
  return result;
}

LoadResult ImportKicadNetlistFile(const std::string& path) {
  LoadResult result;
  std::string text;
  if (!ReadWhole(path, text, result.error)) return result;
  return ImportKicadNetlist(text, path);
}

bool ReadFieldMap(std::string_view text, const std::string& name, FieldMap& map, std::string& error) {
  try {
    const jsonio::Json root = jsonio::Parse(text);
    FieldMap read = map;
    for (const auto& [key, value] : root.items()) {
      bool known = false;
      for (const std::string& k : FieldMap::Keys()) known = known || k == key;
      if (!known) throw jsonio::FormatError("/" + key + ": is not a key of the field map");
      if (!value.is_array()) throw jsonio::FormatError("/" + key + ": must be an array of field names");
      std::vector<std::string> names;
      for (const auto& item : value) {
        if (!item.is_string()) throw jsonio::FormatError("/" + key + ": must be an array of field names");
        names.push_back(item.get<std::string>());
      }
      read.Set(key, std::move(names));
    }
    map = std::move(read);
  } catch (const std::exception& e) {
    error = jsonio::FileReason(name, e);
    return false;
  }
  return true;
}

LoadResult LoadDesignFile(const std::string& path) {
  LoadResult result;
  std::string text;
  if (!ReadWhole(path, text, result.error)) return result;
  if (SniffFileKind(text) != FileKind::kDesign) return ImportKicadNetlist(text, path);
  Design design;
  if (!DesignFromText(text, path, design, result.error)) return result;
  result.design = std::move(design);
  return result;
}

}  // namespace mirel::design
