#pragma once
// A column's qualifier: which of its objects (or values) pass. Values are regular expressions
// (RE2, linear in the text whatever the pattern) matched without regard to case.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/templatedata.h"

namespace re2 {
class RE2;
}

namespace mirel::report {

struct Qualifier {
  enum class Type {
    kNone,
    kPrefix,    // the name starts with a match
    kName,      // BLOCK: the block's name matches in full
    kNumber,    // SHEET: its number
    kTitle,     // SHEET: its title
    kProperty,  // <PROPERTY>: field `property` matches in full; no values: it is not empty
    kUnit,      // VALUE: the unit as written
    kPinType,   // PIN_NUMBER: the pin's type
    kFixed,     // keeps what has the type, side or state `fixed`
  };
  Type type = Type::kNone;
  std::string property;  // kProperty
  std::string fixed;     // kFixed, upper case
  std::vector<std::string> values;               // as written, blank ones left out
  std::vector<std::shared_ptr<re2::RE2>> patterns;  // compiled from values

  // The text matches a value (a prefix of it with `prefix`); true when there are no values.
  bool Matches(std::string_view text, bool prefix = false) const;
};

// The qualifier of a column; on an invalid expression, nothing and why (naming the value).
std::optional<Qualifier> CompileQualifier(const CTmpltQuery& query, std::string_view propertyMarker,
                                          std::string& error);

}  // namespace mirel::report
