// How designers mark parts not fitted, KiCad's pin types, and the net values a netlist lacks.
#include <array>
#include <map>
#include <unordered_map>

#include "design/Kicad.h"
#include "design/Text.h"

namespace mirel::design {
namespace {

// Trim without a copy: the conventions look at every field of every component.
std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool StartsNoCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualNoCase(text.substr(0, start.size()), start);
}
bool EndsNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualNoCase(text.substr(text.size() - end.size()), end);
}

// A DNP field means "not fitted" unless it plainly says the opposite.
bool SaysNo(std::string_view text) {
  for (std::string_view no : {"0", "no", "n", "false", "fitted"})
    if (EqualNoCase(text, no)) return true;
  return false;
}

std::vector<std::string> SplitConfig(std::string_view text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(",;", start);
    if (end == std::string_view::npos) end = text.size();
    if (std::string item = Trim(text.substr(start, end - start)); !item.empty()) items.push_back(std::move(item));
    start = end + 1;
  }
  return items;
}

void AddVariant(std::vector<std::string>& variants, const std::string& name) {
  for (const std::string& v : variants)
    if (v == name) return;
  variants.push_back(name);
}

// KiBoM's Config field: "dnp" (or another not-fitted word) anywhere, "-V" not fitted in variant V,
// "+V" fitted only in the variants so named.
void ApplyConfig(Component& c, std::string_view config, std::vector<std::string>& variants) {
  bool onlySome = false;
  for (const std::string& item : SplitConfig(config)) {
    if (IsNotFittedWord(item)) {
      c.fitted = false;
    } else if ((item[0] == '-' || item[0] == '+') && item.size() > 1) {
      const std::string name = Trim(std::string_view(item).substr(1));
      AddVariant(variants, name);
      c.variants[name].fitted = item[0] == '+';
      onlySome = onlySome || item[0] == '+';
    }
  }
  if (onlySome) c.fitted = false;
}

// The name tests below see names without regard to case.
bool IsGroundName(std::string_view name) {
  return StartsNoCase(name, "GND") || EndsNoCase(name, "GND") || StartsNoCase(name, "VSS") || EqualNoCase(name, "0V");
}

bool IsDigitsThenV(std::string_view name) {  // 5V, 12V, 3V3
  std::size_t i = 0;
  while (i < name.size() && name[i] >= '0' && name[i] <= '9') ++i;
  if (i == 0 || i == name.size() || (name[i] != 'V' && name[i] != 'v')) return false;
  for (++i; i < name.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

bool IsPowerName(std::string_view name) {
  // +3V3, +BATT, -12V, -VAA: a sign starts only supply names.
  if (name.size() > 1 &&
      (name[0] == '+' || (name[0] == '-' && ((name[1] >= '0' && name[1] <= '9') || name[1] == 'V' || name[1] == 'v'))))
    return true;
  for (std::string_view prefix : {"VCC", "VDD", "VBUS", "VBAT"})
    if (StartsNoCase(name, prefix)) return true;
  return EqualNoCase(name, "VIN") || IsDigitsThenV(name);
}

std::string_view LocalName(std::string_view name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

NetType TypeOf(const Net& net) {
  const std::string_view local = LocalName(net.name);
  if (IsGroundName(local)) return NetType::kGround;
  if (IsPowerName(local)) return NetType::kPower;
  for (const NetNode& node : net.nodes)
    if (node.pinType == "power_out") return NetType::kPower;
  return NetType::kSignal;
}

// The last character of a differential partner's name, for a name ending in P, N, + or - (0 otherwise).
char PartnerMark(std::string_view name) {
  if (name.size() < 2) return 0;
  switch (name.back()) {
    case 'P': return 'N';
    case 'N': return 'P';
    case 'p': return 'n';
    case 'n': return 'p';
    case '+': return '-';
    case '-': return '+';
    default: return 0;
  }
}

// Nets whose names differ only in a final P/N or +/-. Only such names are looked up, so only
// they are indexed.
void PairNets(Design& design) {
  std::unordered_map<std::string_view, Index> candidates;  // views the nets' names
  for (Index n = 0; n < design.nets.size(); ++n)
    if (PartnerMark(design.nets[n].name)) candidates.emplace(design.nets[n].name, n);
  std::string other;
  for (Net& net : design.nets) {
    const char partner = PartnerMark(net.name);
    if (net.type != NetType::kSignal || !partner) continue;
    other.assign(net.name, 0, net.name.size() - 1).push_back(partner);
    const auto it = candidates.find(other);
    if (it != candidates.end() && design.nets[it->second].type == NetType::kSignal) net.diffPair = other;
  }
}

// The stem of a name ending in digits ("/ADC3" -> "/ADC", "D_0" -> "D"), or "".
std::string_view BusStem(std::string_view name) {
  std::size_t end = name.size();
  while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') --end;
  if (end == name.size() || end == 0) return {};
  if (name[end - 1] == '_') --end;
  if (end == 0 || name[end - 1] == '/' || name[end - 1] == '-' || name[end - 1] == '+') return {};
  return name.substr(0, end);
}

void GroupBuses(Design& design) {
  std::unordered_map<std::string_view, int> members;  // stems view the nets' names
  for (const Net& net : design.nets)
    if (net.type == NetType::kSignal)
      if (const std::string_view stem = BusStem(net.name); !stem.empty()) ++members[stem];
  for (Net& net : design.nets) {
    if (net.type != NetType::kSignal) continue;
    const std::string_view stem = BusStem(net.name);
    if (!stem.empty() && members[stem] >= 2) net.bus = stem;
  }
}

}  // namespace

bool IsNotFittedWord(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  for (std::string_view word : {"DNP", "DNF", "DNI", "NF", "NOFIT", "do not fit", "do not populate"})
    if (EqualNoCase(trimmed, word)) return true;
  return false;
}

void ApplyFitConventions(Component& c, std::vector<std::string>& variants) {
  if (IsNotFittedWord(c.value)) c.fitted = false;
  for (const auto& [name, value] : c.fields.Entries()) {
    if (EqualNoCase(name, "DNP")) {
      if (!Trimmed(value).empty() && !SaysNo(Trimmed(value))) c.fitted = false;
    } else if (EqualNoCase(name, "Config")) {
      ApplyConfig(c, value, variants);
    } else if (IsNotFittedWord(value)) {
      c.fitted = false;
    }
  }
}

PinType PinTypeFromKicad(std::string_view type) {
  static const std::map<std::string, PinType, std::less<>> kTypes{
      {"input", PinType::kInput},          {"output", PinType::kOutput},
      {"bidirectional", PinType::kBidirectional},
      {"tri_state", PinType::kTristate},   {"passive", PinType::kPassive},
      {"power_in", PinType::kPower},       {"power_out", PinType::kPower},
      {"open_collector", PinType::kOpenCollector}, {"open_emitter", PinType::kOpenCollector},
      // KiCad 5 and older spell them differently.
      {"BiDi", PinType::kBidirectional},   {"3state", PinType::kTristate}, {"openCol", PinType::kOpenCollector},
      {"openEm", PinType::kOpenCollector},
  };
  const auto it = kTypes.find(type);
  return it == kTypes.end() ? PinType::kNone : it->second;  // free, unspecified, no_connect: none
}

void DeriveNetValues(Design& design) {
  for (Net& net : design.nets) {
    net.type = TypeOf(net);
    net.bus.clear();
    net.diffPair.clear();
    net.derived = true;
  }
  PairNets(design);
  GroupBuses(design);
}

}  // namespace mirel::design
