#include "platform/mfc/afxstr.h"

#include "platform/mfc/resource.h"

#include <cstring>

namespace {
constexpr const char* kWhiteSpace = " \t\r\n\v\f";
}

CString& CString::MakeUpper() {
  for (char& c : m_str) c = mirel::FoldCase(c);
  return *this;
}

CString& CString::MakeLower() {
  for (char& c : m_str)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return *this;
}

CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }

CString& CString::TrimLeft(const char* chars) {
  const size_t p = m_str.find_first_not_of(chars ? chars : "");
  m_str.erase(0, p == std::string::npos ? m_str.size() : p);
  return *this;
}

CString& CString::TrimRight(const char* chars) {
  const size_t p = m_str.find_last_not_of(chars ? chars : "");
  m_str.erase(p == std::string::npos ? 0 : p + 1);
  return *this;
}

int CString::Find(const char* sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  const size_t p = m_str.find(sub, static_cast<size_t>(start));
  return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(char c, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  const size_t p = m_str.find(c, static_cast<size_t>(start));
  return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char c) const {
  const size_t p = m_str.rfind(c);
  return p == std::string::npos ? -1 : static_cast<int>(p);
}

CString CString::Left(int n) const {
  if (n <= 0) return {};
  return CString(m_str.substr(0, static_cast<size_t>(n)));
}

CString CString::Mid(int first) const {
  if (first < 0) first = 0;
  if (first >= GetLength()) return {};
  return CString(m_str.substr(static_cast<size_t>(first)));
}

CString CString::Mid(int first, int n) const {
  if (first < 0) first = 0;
  if (n <= 0 || first >= GetLength()) return {};
  return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(n)));
}

CString CString::Right(int n) const {
  if (n <= 0) return {};
  if (n >= GetLength()) return *this;
  return CString(m_str.substr(m_str.size() - static_cast<size_t>(n)));
}

int CString::Replace(const char* from, const char* to) {
  if (!from || !*from) return 0;
  const std::string f(from), t(to ? to : "");
  int count = 0;
  for (size_t p = m_str.find(f); p != std::string::npos; p = m_str.find(f, p + t.size())) {
    m_str.replace(p, f.size(), t);
    ++count;
  }
  return count;
}

bool CString::LoadString(unsigned int id) {
  auto text = mirel::LoadString(id);
  if (!text) return false;
  m_str = std::move(*text);
  return true;
}
