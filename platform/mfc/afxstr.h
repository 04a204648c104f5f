#pragma once
// CString: the text type of the library's own code. UTF-8 bytes in a std::string; positions
// and lengths are in bytes, as MFC's are in chars of the ANSI build the library was written for.
#include <compare>
#include <list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/mfc/nocase.h"
#include "platform/mfc/safeformat.h"

class CString {
 public:
  CString() = default;
  CString(const char* s) : m_str(s ? s : "") {}
  CString(std::string s) : m_str(std::move(s)) {}
  CString(std::string_view s) : m_str(s) {}
  CString(char c, int count = 1) : m_str(count > 0 ? size_t(count) : 0, c) {}

  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  char GetAt(int i) const { return m_str.at(static_cast<size_t>(i)); }
  void SetAt(int i, char c) { m_str.at(static_cast<size_t>(i)) = c; }
  char operator[](int i) const { return GetAt(i); }

  const char* GetString() const { return m_str.c_str(); }
  operator const char*() const { return m_str.c_str(); }  // LPCTSTR
  const std::string& str() const { return m_str; }
  operator std::string() const { return m_str; }
  std::string_view view() const { return m_str; }

  CString& operator=(const char* s) { m_str = s ? s : ""; return *this; }
  CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
  CString& operator+=(const char* s) { if (s) m_str += s; return *this; }
  CString& operator+=(char c) { m_str += c; return *this; }
  friend CString operator+(CString a, const CString& b) { a += b; return a; }
  friend CString operator+(CString a, const char* b) { a += b; return a; }
  friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
  friend CString operator+(CString a, char b) { a += b; return a; }

  // Exact comparisons (with regard to case).
  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
  friend auto operator<=>(const CString& a, const CString& b) { return a.m_str <=> b.m_str; }
  int Compare(const char* s) const { return m_str.compare(s ? s : ""); }
  int CompareNoCase(const char* s) const { return mirel::CompareNoCase(m_str, s ? s : ""); }

  CString& MakeUpper();
  CString& MakeLower();
  CString& Trim() { TrimRight(); return TrimLeft(); }
  CString& TrimLeft();   // white space: blank, tab, CR, LF, VT, FF
  CString& TrimRight();
  CString& Trim(const char* chars) { TrimRight(chars); return TrimLeft(chars); }
  CString& TrimLeft(const char* chars);
  CString& TrimRight(const char* chars);

  int Find(const char* sub, int start = 0) const;
  int Find(char c, int start = 0) const;
  int ReverseFind(char c) const;
  CString Left(int n) const;
  CString Mid(int first) const;
  CString Mid(int first, int n) const;
  CString Right(int n) const;
  int Replace(const char* from, const char* to);
  // The string `id` of the resource chain; FALSE (and unchanged) when no module has it.
  bool LoadString(unsigned int id);

  // Format with typed arguments only: never reads past them, never re-reads an argument.
  template <typename... Args>
  void Format(const char* format, Args&&... args) {
    m_str = mirel::SafeFormat(format ? format : "", mirel::FormatArgs{ToFormatArg(std::forward<Args>(args))...});
  }

 private:
  // A CString converts to every text type FormatArg takes; pick one.
  template <typename T>
  static mirel::FormatArg ToFormatArg(T&& value) {
    if constexpr (std::is_same_v<std::decay_t<T>, CString>) return mirel::FormatArg(value.str());
    else return mirel::FormatArg(std::forward<T>(value));
  }

 public:

 private:
  std::string m_str;
};

// MFC's CStringList: a list appended at the tail.
class CStringList : public std::list<CString> {
 public:
  explicit CStringList(int /*blockSize*/ = 10) {}
  void AddTail(const CString& s) { push_back(s); }
  void AddHead(const CString& s) { push_front(s); }
  bool IsEmpty() const { return empty(); }
  int GetCount() const { return static_cast<int>(size()); }
  void RemoveAll() { clear(); }
};

template <>
struct std::hash<CString> {
  size_t operator()(const CString& s) const noexcept { return std::hash<std::string>{}(s.str()); }
};
