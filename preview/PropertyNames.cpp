#include "preview/PropertyNames.h"

#include <algorithm>
#include <set>

#include "design/Design.h"
#include "design/Text.h"

namespace mirel::preview {

namespace {

enum class Kind { Component, Pin, Net, Block, Design, None };

bool IsOneOf(std::string_view keyword, std::initializer_list<std::string_view> names) {
  return std::any_of(names.begin(), names.end(), [&](std::string_view name) { return design::EqualNoCase(keyword, name); });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && design::EqualNoCase(text.substr(0, prefix.size()), prefix);
}

Kind KindOf(std::string_view keyword) {
  if (StartsWithNoCase(keyword, "PIN_")) return Kind::Pin;
  if (StartsWithNoCase(keyword, "NET_") || IsOneOf(keyword, {"BUS_NAME", "DIFF_PAIR", "PORT", "OFFPAGE_CONNECTOR"}))
    return Kind::Net;
  if (StartsWithNoCase(keyword, "BLOCK")) return Kind::Block;
  if (IsOneOf(keyword, {"DESIGN", "DESIGN_PATH", "REVISION", "DATE"})) return Kind::Design;
  if (StartsWithNoCase(keyword, "SHEET")) return Kind::None;
  return Kind::Component;
}

// Natural order; names equal without regard to case are one name.
struct NaturalNoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    if (design::EqualNoCase(a, b)) return false;
    const int natural = design::NaturalCompare(a, b);
    return natural != 0 ? natural < 0 : a < b;  // "A01" and "A1" are two names
  }
};

class Names {
 public:
  void Add(const design::Fields& fields) {
    for (const auto& [name, value] : fields.Entries()) {
      if (!name.empty()) m_names.insert(name);
    }
  }
  std::vector<std::string> Take() { return {m_names.begin(), m_names.end()}; }

 private:
  std::set<std::string, NaturalNoCaseLess> m_names;  // the first spelling of each
};

}  // namespace

std::vector<std::string> DesignPropertyNames(const design::Design& design, std::string_view keyword) {
  Names names;
  switch (KindOf(keyword)) {
    case Kind::Component:
      for (const design::Component& component : design.components) names.Add(component.fields);
      for (const design::Part& part : design.parts) names.Add(part.fields);
      break;
    case Kind::Pin:
      for (const design::Part& part : design.parts)
        for (const design::PartPin& pin : part.pins) names.Add(pin.properties);
      break;
    case Kind::Net:
      for (const design::Net& net : design.nets) names.Add(net.properties);
      break;
    case Kind::Block:
      for (const design::Block& block : design.blocks) names.Add(block.properties);
      for (const design::Instance& instance : design.instances) names.Add(instance.properties);
      break;
    case Kind::Design: names.Add(design.properties); break;
    case Kind::None: break;
  }
  return names.Take();
}

}  // namespace mirel::preview
