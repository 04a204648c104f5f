#pragma once
// Small designs written by hand for the engine's tests: one root block and sheet unless more are
// added, parts with numbered pins, components and nets by refdes and pin number.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "design/Design.h"

namespace reporttest {

namespace d = mirel::design;

class DesignBuilder {
 public:
  explicit DesignBuilder(std::string name = "demo") {
    m_design.name = std::move(name);
    m_design.blocks.push_back({m_design.name, m_design.name + ".kicad_sch", {}, {}});
    m_design.instances.push_back({"/", 0, d::kNone, {}, {}, {}, {}});
    m_design.sheets.push_back({1, "Top", 0, {}});
  }

  // A block placed at `path` under `parent`, on sheet `sheet`.
  DesignBuilder& Place(const std::string& block, const std::string& path, const std::string& parent, int sheet,
                       const std::string& title = "") {
    d::Index b = FindBlock(block);
    if (b == d::kNone) {
      b = d::Index(m_design.blocks.size());
      m_design.blocks.push_back({block, block + ".kicad_sch", {}, {}});
    }
    const d::Index p = FindInstance(parent);
    m_design.instances.push_back({path, b, p, {}, {}, {}, {}});
    m_design.sheets.push_back({sheet, title.empty() ? block : title, d::Index(m_design.instances.size() - 1), {}});
    return *this;
  }

  // A part "library:name" with pins numbered 1..n (or as given), each of type `type`.
  DesignBuilder& Part(const std::string& key, std::vector<std::string> pins = {"1", "2"},
                      d::PinType type = d::PinType::kPassive, const std::string& description = "") {
    const size_t colon = key.find(':');
    d::Part part{key.substr(0, colon), key.substr(colon + 1), description, {}, {}, {}};
    for (std::string& number : pins) part.pins.push_back({std::move(number), "", type, "", {}});
    m_design.parts.push_back(std::move(part));
    return *this;
  }

  // A component on sheet `sheet` (its instance is the sheet's); fields as name/value pairs.
  d::Component& Component(const std::string& refdes, const std::string& part, const std::string& value,
                          std::initializer_list<std::pair<std::string, std::string>> fields = {}, int sheet = 1) {
    d::Component c;
    c.refdes = refdes;
    c.part = FindPart(part);
    c.value = value;
    c.footprint = "Resistor_SMD:R_0603_1608Metric";
    for (const auto& [name, text] : fields) c.fields.Set(name, text);
    for (d::Index s = 0; s < m_design.sheets.size(); ++s)
      if (m_design.sheets[s].number == sheet) {
        c.sheet = s;
        c.instance = m_design.sheets[s].instance;
      }
    m_design.components.push_back(std::move(c));
    return m_design.components.back();
  }

  // A net joining "REFDES.PIN" nodes.
  d::Net& Net(const std::string& name, std::initializer_list<std::string> nodes,
              d::NetType type = d::NetType::kSignal) {
    d::Net net;
    net.name = name;
    net.type = type;
    for (const std::string& node : nodes) {
      const size_t dot = node.rfind('.');
      net.nodes.push_back({node.substr(0, dot), node.substr(dot + 1), "", ""});
    }
    m_design.nets.push_back(std::move(net));
    return m_design.nets.back();
  }

  d::Design& Raw() { return m_design; }

  d::Design Build() {
    const std::string error = m_design.Link();
    EXPECT_EQ(error, "") << "the test design does not link";
    return m_design;
  }

 private:
  d::Index FindBlock(const std::string& name) const {
    for (d::Index b = 0; b < m_design.blocks.size(); ++b)
      if (m_design.blocks[b].name == name) return b;
    return d::kNone;
  }
  d::Index FindInstance(const std::string& path) const {
    for (d::Index i = 0; i < m_design.instances.size(); ++i)
      if (m_design.instances[i].path == path) return i;
    return d::kNone;
  }
  d::Index FindPart(const std::string& key) const {
    for (d::Index p = 0; p < m_design.parts.size(); ++p)
      if (m_design.parts[p].Key() == key) return p;
    return d::kNone;
  }

  d::Design m_design;
};

}  // namespace reporttest
