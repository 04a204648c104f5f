// The field names Select Property offers from an open design, for the kind of object asked.
#include "preview/PropertyNames.h"

#include <gtest/gtest.h>

#include "design/Design.h"

namespace mirel::preview {
namespace {

design::Fields FieldsOf(std::initializer_list<const char*> names) {
  design::Fields fields;
  for (const char* name : names) fields.Set(name, "x");
  return fields;
}

design::Design Sample() {
  design::Design d;
  d.properties = FieldsOf({"COMPANY", "DESIGN_TITLE"});
  design::Part part;
  part.fields = FieldsOf({"Datasheet", "mpn"});
  part.pins.push_back({"1", "", design::PinType::kPassive, "", FieldsOf({"SWAP_GROUP"})});
  d.parts.push_back(part);
  for (auto names : {std::initializer_list<const char*>{"MPN", "LCSC", "Field10"}, {"Field2", "LCSC"}}) {
    design::Component component;
    component.fields = FieldsOf(names);
    d.components.push_back(component);
  }
  design::Net net;
  net.properties = FieldsOf({"IMPEDANCE"});
  d.nets.push_back(net);
  design::Block block;
  block.properties = FieldsOf({"REVISION"});
  d.blocks.push_back(block);
  return d;
}

TEST(DesignPropertyNames, EachKindOffersItsObjectsNamesInNaturalOrderOnceWhateverTheCase) {
  const design::Design d = Sample();
  const std::vector<std::string> components{"Datasheet", "Field2", "Field10", "LCSC", "MPN"};
  const struct {
    const char* keyword;
    std::vector<std::string> names;
  } cases[] = {
      {"", components},  // a PROP column whose dependency is not chosen yet
      {"REFDES", components},
      {"part_number", components},
      {"VALUE", components},
      {"PIN_NUMBER", {"SWAP_GROUP"}},
      {"NET_NAME", {"IMPEDANCE"}},
      {"DIFF_PAIR", {"IMPEDANCE"}},
      {"BLOCK", {"REVISION"}},
      {"DESIGN", {"COMPANY", "DESIGN_TITLE"}},
      {"SHEET", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(DesignPropertyNames(d, c.keyword), c.names) << c.keyword;
}

}  // namespace
}  // namespace mirel::preview
