#include "platform/grid/gxclip.h"

#include <optional>

#include "platform/grid/gxdefs.h"
#include "platform/mfc/clipboard.h"

namespace {

// The toolkit's clipboard (an in-process buffer windowless, the system clipboard in the program).
class PlatformClipboard : public IGXClipboard {
 public:
  BOOL SetText(const CString& text) override { mirel::SetClipboardText(text.view()); return TRUE; }
  BOOL GetText(CString& text) override {
    std::optional<std::string> got = mirel::GetClipboardText();
    if (!got) return FALSE;
    text = CString(std::move(*got));
    return TRUE;
  }
  BOOL HasText() override { return mirel::IsClipboardTextAvailable(); }
};

PlatformClipboard g_platformClipboard;
IGXClipboard* g_clipboard = nullptr;

bool NeedsQuotes(const std::string& cell) {
  return cell.find_first_of("\t\r\n") != std::string::npos || (!cell.empty() && cell[0] == '"');
}

}  // namespace

IGXClipboard& GridClipboard() { return g_clipboard ? *g_clipboard : g_platformClipboard; }
void SetGridClipboard(IGXClipboard* clipboard) { g_clipboard = clipboard; }

BOOL CGXDataObject::IsDataAvailable(UINT format) const { return format == GX_CF_TEXT && m_bText; }

namespace gx {

TextTable SplitTabText(const CString& text) {
  const std::string& s = text.str();
  TextTable table;
  if (s.empty()) return table;
  std::vector<CString> row;
  std::string cell;
  size_t i = 0;
  auto endCell = [&] { row.emplace_back(cell); cell.clear(); };
  auto endRow = [&] { endCell(); table.push_back(std::move(row)); row.clear(); };
  bool atCellStart = true;
  while (i < s.size()) {
    const char c = s[i];
    if (atCellStart && c == '"') {
      // Quoted cell: valid only when its closing quote is followed by a separator or the end.
      std::string unquoted;
      size_t j = i + 1;
      bool closed = false;
      while (j < s.size()) {
        if (s[j] == '"') {
          if (j + 1 < s.size() && s[j + 1] == '"') { unquoted += '"'; j += 2; continue; }
          closed = true;
          ++j;
          break;
        }
        unquoted += s[j++];
      }
      if (closed && (j == s.size() || s[j] == '\t' || s[j] == '\r' || s[j] == '\n')) {
        cell = std::move(unquoted);
        i = j;
        atCellStart = false;
        continue;
      }
    }
    atCellStart = false;
    if (c == '\t') { endCell(); atCellStart = true; ++i; continue; }
    if (c == '\r' || c == '\n') {
      endRow();
      atCellStart = true;
      i += (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ? 2 : 1;
      continue;
    }
    cell += c;
    ++i;
  }
  if (!atCellStart || !cell.empty() || !row.empty()) endRow();
  return table;
}

CString JoinTabText(const TextTable& table) {
  std::string out;
  for (const auto& row : table) {
    for (size_t c = 0; c < row.size(); ++c) {
      if (c) out += '\t';
      const std::string& cell = row[c].str();
      if (NeedsQuotes(cell)) {
        out += '"';
        for (char ch : cell) {
          if (ch == '"') out += '"';
          out += ch;
        }
        out += '"';
      } else {
        out += cell;
      }
    }
    out += "\r\n";
  }
  return CString(std::move(out));
}

}  // namespace gx
