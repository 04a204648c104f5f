#include "report/Qualifier.h"

#include <re2/re2.h>

#include <array>

#include "design/Text.h"

namespace mirel::report {

namespace {

constexpr std::array<std::string_view, 14> kFixedNames = {
    "TOP",   "BOTTOM",         "INPUT",    "OUTPUT", "BIDIRECTIONAL", "POWER", "PASSIVE",
    "OPEN_COLLECTOR", "TRISTATE", "SIGNAL", "GROUND", "FITTED", "NOT_FITTED", ""};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return upper;
}

Qualifier::Type TypeOf(const std::string& name) {
  using T = Qualifier::Type;
  if (name == "PREFIX") return T::kPrefix;
  if (name == "NAME") return T::kName;
  if (name == "NUMBER") return T::kNumber;
  if (name == "TITLE") return T::kTitle;
  if (name == "UNIT") return T::kUnit;
  if (name == "PIN_TYPE") return T::kPinType;
  for (std::string_view fixed : kFixedNames)
    if (!fixed.empty() && name == fixed) return T::kFixed;
  return T::kNone;
}

// A value as the message shows it: long expressions are cut.
std::string Shown(const std::string& value) {
  constexpr size_t kShown = 60;
  return value.size() <= kShown ? value : value.substr(0, kShown) + "...";
}

}  // namespace

bool Qualifier::Matches(std::string_view text, bool prefix) const {
  if (patterns.empty()) return true;
  for (const auto& pattern : patterns)
    if (pattern->Match(text, 0, text.size(), prefix ? RE2::ANCHOR_START : RE2::ANCHOR_BOTH, nullptr, 0))
      return true;
  return false;
}

std::optional<Qualifier> CompileQualifier(const CTmpltQuery& query, std::string_view propertyMarker,
                                          std::string& error) {
  Qualifier qualifier;
  if (design::EqualNoCase(query.m_keyword, "PROP")) return qualifier;  // its qualifier names the property
  if (!propertyMarker.empty() && design::EqualNoCase(query.m_qualifier, propertyMarker)) {
    qualifier.type = Qualifier::Type::kProperty;
    qualifier.property = design::Trim(query.m_qualifierText);
  } else {
    const std::string name = Upper(design::Trim(ShownQualifierText(query)));
    qualifier.type = TypeOf(name);
    if (qualifier.type == Qualifier::Type::kFixed) qualifier.fixed = name;
  }
  if (qualifier.type == Qualifier::Type::kNone) return qualifier;

  for (const std::string& value : query.m_qualifierValues) {
    const std::string trimmed = design::Trim(value);
    if (!trimmed.empty()) qualifier.values.push_back(trimmed);
  }
  if (qualifier.type == Qualifier::Type::kFixed) return qualifier;  // its values name variants

  RE2::Options options;
  options.set_case_sensitive(false);
  options.set_log_errors(false);
  for (const std::string& value : qualifier.values) {
    auto pattern = std::make_shared<RE2>(value, options);
    if (!pattern->ok()) {
      error = "the qualifier value \"" + Shown(value) + "\" is not a valid regular expression (" + pattern->error() + ")";
      return std::nullopt;
    }
    qualifier.patterns.push_back(std::move(pattern));
  }
  return qualifier;
}

}  // namespace mirel::report
