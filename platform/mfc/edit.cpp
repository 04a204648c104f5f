#include <algorithm>

#include "platform/mfc/controls.h"
#include "platform/mfc/textrules.h"

namespace {

// Start offsets and lengths of the hard lines ("\r\n" or "\n" ends a line).
struct Line {
  size_t start;
  size_t length;
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t start = 0;
  for (;;) {
    const size_t nl = text.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back({start, text.size() - start});
      return lines;
    }
    size_t end = nl;
    if (end > start && text[end - 1] == '\r') --end;
    lines.push_back({start, end - start});
    start = nl + 1;
  }
}

}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("Edit", "", style, rect, parent, id);
}

std::string CEdit::Convert(std::string text) const {
  if (GetStyle() & ES_UPPERCASE) return mirel::text::ToUpperAscii(std::move(text));
  if (GetStyle() & ES_LOWERCASE) return mirel::text::ToLowerAscii(std::move(text));
  return text;
}

std::string CEdit::Typed(std::string_view text) const {
  std::string typed = IsMultiLine() ? mirel::text::WithCrLf(text) : mirel::text::FirstLine(text);
  return mirel::text::CutToLimit(Convert(std::move(typed)), m_limit);
}

void CEdit::SetTextModel(std::string text) {
  m_text = Convert(std::move(text));
  m_selStart = m_selEnd = 0;
  // A single-line edit reports programmatic changes too, as on Windows.
  if (!IsCreating() && m_hWnd && !IsMultiLine()) {
    NotifyParent(EN_UPDATE);
    NotifyParent(EN_CHANGE);
  }
}

void CEdit::LimitText(int maxChars) {
  m_limit = maxChars <= 0 ? 0x7FFFFFFEu : UINT(maxChars);
  Changed(mirel::WndChange::Limit);
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
  ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
  return TRUE;
}

int CEdit::GetLineCount() const { return int(SplitLines(m_text).size()); }

int CEdit::GetLine(int index, LPTSTR buffer, int maxLength) const {
  const auto lines = SplitLines(m_text);
  if (!buffer || maxLength <= 0 || index < 0 || size_t(index) >= lines.size()) return 0;
  const Line& line = lines[size_t(index)];
  const size_t n = std::min(line.length, size_t(maxLength));
  m_text.copy(buffer, n, line.start);
  return int(n);
}

CString CEdit::GetLineText(int index) const {
  const auto lines = SplitLines(m_text);
  if (index < 0 || size_t(index) >= lines.size()) return CString();
  const Line& line = lines[size_t(index)];
  return CString(m_text.substr(line.start, line.length));
}

int CEdit::LineIndex(int line) const {
  const auto lines = SplitLines(m_text);
  if (line < 0) {
    for (size_t i = lines.size(); i-- > 0;) {
      if (lines[i].start <= size_t(m_selStart)) return int(lines[i].start);
    }
    return 0;
  }
  return size_t(line) < lines.size() ? int(lines[size_t(line)].start) : -1;
}

int CEdit::LineLength(int charIndex) const {
  const auto lines = SplitLines(m_text);
  const size_t at = charIndex < 0 ? size_t(m_selStart) : size_t(charIndex);
  for (size_t i = lines.size(); i-- > 0;) {
    if (lines[i].start <= at) return int(lines[i].length);
  }
  return 0;
}

void CEdit::SetSel(int start, int end, BOOL) {
  const int length = int(m_text.size());
  if (start < 0) {
    m_selStart = m_selEnd = length;
    return;
  }
  if (end < 0) end = length;
  m_selStart = std::clamp(std::min(start, end), 0, length);
  m_selEnd = std::clamp(std::max(start, end), 0, length);
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL) {
  const std::string insert = Convert(text ? text : "");
  m_text.replace(size_t(m_selStart), size_t(m_selEnd - m_selStart), insert);
  m_selStart = m_selEnd = m_selStart + int(insert.size());
  Changed(mirel::WndChange::Text);
  NotifyParent(EN_UPDATE);
  NotifyParent(EN_CHANGE);
}

UINT CEdit::OnGetDlgCode() { return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS; }

bool CEdit::SimulateEnterText(std::string_view text) {
  if (!CanTakeUserInput() || IsReadOnly()) return false;
  m_text = Typed(text);
  m_selStart = m_selEnd = int(m_text.size());
  Changed(mirel::WndChange::Text);
  NotifyParent(EN_UPDATE);
  NotifyParent(EN_CHANGE);
  return true;
}

void CEdit::PeerSetText(std::string text) {
  const std::string typed = Typed(text);
  if (typed == m_text) return;
  m_text = typed;
  if (typed != text) Changed(mirel::WndChange::Text);  // show the converted text
  NotifyParent(EN_UPDATE);
  NotifyParent(EN_CHANGE);
}

void CEdit::AdoptState(CWnd& from) {
  if (auto* edit = dynamic_cast<CEdit*>(&from)) {
    m_limit = edit->m_limit;
    m_selStart = edit->m_selStart;
    m_selEnd = edit->m_selEnd;
  }
}
