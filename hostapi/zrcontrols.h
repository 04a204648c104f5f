#pragma once
// The pieces of the host's controls library that are not windows: its initialiser, the string
// parser and the dialog-unit conversion.
#include <list>
#include <string>
#include <vector>

// Our stand-in for the controls library's initialiser _InitZRControlsDll@0. Returns 1; calling it
// again is harmless.
int InitZRControlsDll();
bool IsZRControlsDllInitialised();

// How CZRStringParser splits. Written in this order: {',', '"', 0, 0, 1, 0}.
struct CZRParseOptions {
  char m_delimiter = ',';
  char m_quote = '"';
  bool m_trimBlanks = false;        // drop blanks and tabs around each unquoted value
  bool m_skipEmpty = false;         // leave out empty values
  bool m_removeQuotes = true;       // a quoted value is given without its enclosing quotes
  bool m_backslashEscapes = false;  // a backslash takes the next character literally
};

// Splits a text at the delimiter; a delimiter between quote characters belongs to the value.
// Inside quotes a doubled quote stands for one quote character, and a quote that is not followed
// by the delimiter or the end of text is taken literally, so both the form Join writes and the
// plain "value with, comma" form read back. A quote that is never closed is an ordinary
// character of a plain value (which ends at the next delimiter). An empty text gives no value.
class CZRStringParser {
 public:
  // Returns the number of values.
  int Parse(const std::string& text, const CZRParseOptions& options);
  int GetCount() const { return static_cast<int>(m_values.size()); }
  const std::string& GetAt(int index) const { return m_values.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& GetValues() const { return m_values; }

  // The qualifier value text of a list: values joined by the delimiter; a value holding the
  // delimiter or the quote is enclosed in quotes with its own quotes doubled. Parse with {',', '"', 0, 0, 1, 0} gives the list back exactly, except that an
  // empty list and a list of one empty string both give "".
  static std::string Join(const std::list<std::string>& values, char delimiter = ',', char quote = '"');

 private:
  std::vector<std::string> m_values;
};

class CZRWinAPI {
 public:
  // Pixels laid out for the classic dialog font (8-point sans serif at 96 dpi, base units 6 x 13)
  // to pixels of the dialog font in use: horizontal (nHorizontal != 0) value * baseX / 6,
  // vertical value * baseY / 13, rounded to the nearest pixel (halves away from zero). A window
  // meant as 525 pixels wide at that font thus grows with a larger font or a higher resolution.
  // The base units are the classic ones unless the window layer sets those of its font.
  static int ConvertToCorrectDLU(int value, int nHorizontal);
  static void SetDialogBaseUnits(int baseX, int baseY);
  static int GetDialogBaseUnitX();
  static int GetDialogBaseUnitY();
};
