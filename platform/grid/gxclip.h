#pragma once
// Text exchange of the grid: the clipboard it copies to and pastes from, the data object of a
// drag and drop, and tab-separated text (rows by newline) as both use it.
#include <vector>

#include "platform/grid/gxdefs.h"
#include "platform/mfc/afxstr.h"

// The clipboard the grid uses: by default the toolkit's (platform/mfc/clipboard.h), which is
// the system clipboard once the program installs its backend; tests may install another.
class IGXClipboard {
 public:
  virtual ~IGXClipboard() = default;
  virtual BOOL SetText(const CString& text) = 0;
  virtual BOOL GetText(CString& text) = 0;  // FALSE when it holds no text
  virtual BOOL HasText() = 0;
};

// The clipboard in force; never null.
IGXClipboard& GridClipboard();
// Installs a clipboard (not owned); null puts the toolkit's back.
void SetGridClipboard(IGXClipboard* clipboard);

// What a drag brings: plain text in clipboard format GX_CF_TEXT, or nothing the grid can take.
class CGXDataObject {
 public:
  CGXDataObject() = default;
  explicit CGXDataObject(CString text) : m_text(std::move(text)), m_bText(TRUE) {}
  BOOL IsDataAvailable(UINT format) const;
  BOOL HasText() const { return m_bText; }
  const CString& GetText() const { return m_text; }

 private:
  CString m_text;
  BOOL m_bText = FALSE;
};

namespace gx {
using TextTable = std::vector<std::vector<CString>>;
// Splits tab-separated text: rows by "\n" ("\r\n" and a lone "\r" too), cells by tab. A final
// line break ends the last row rather than starting an empty one. A cell that starts with a
// double quote and closes it before a tab or line break is unquoted ("" inside stands for ");
// any other quote is text.
TextTable SplitTabText(const CString& text);
// The inverse: cells joined by tab, rows ended by "\r\n"; a cell holding a tab, a line break or
// starting with a double quote is written quoted.
CString JoinTabText(const TextTable& table);
}  // namespace gx
