#pragma once
// A look-up from names to positions in a vector of named objects (refdes to component, name to
// net), for designs of 100,000 components. It stores positions and hashes only, never the names:
// nothing is copied per object, and a copied or moved design keeps an index that is still right.
// The caller says how a position gives its name.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace mirel::design {

class NameIndex {
 public:
  using Index = std::uint32_t;
  static constexpr Index kAbsent = UINT32_MAX;

  // Empties the index, sized for `expected` names without growing.
  void Reset(std::size_t expected) {
    m_count = 0;
    std::size_t size = 16;
    while (size * 3 < expected * 4 + 4) size *= 2;  // at most three quarters full
    m_slots.assign(size, Slot{0, kAbsent});
  }

  // The position named `name`, or kAbsent.
  template <typename NameOf>
  Index Find(std::string_view name, NameOf nameOf) const {
    if (m_slots.empty()) return kAbsent;
    const std::uint32_t hash = Hash(name);
    for (std::size_t at = hash & Mask();; at = (at + 1) & Mask()) {
      const Slot& slot = m_slots[at];
      if (slot.position == kAbsent) return kAbsent;
      if (slot.hash == hash && nameOf(slot.position) == name) return slot.position;
    }
  }

  // Adds `position` under `name` and gives kAbsent; when the name is there already, keeps the
  // first and gives its position.
  template <typename NameOf>
  Index Insert(std::string_view name, Index position, NameOf nameOf) {
    if ((m_count + 1) * 4 > m_slots.size() * 3) Grow();
    const std::uint32_t hash = Hash(name);
    std::size_t at = hash & Mask();
    for (; m_slots[at].position != kAbsent; at = (at + 1) & Mask())
      if (m_slots[at].hash == hash && nameOf(m_slots[at].position) == name) return m_slots[at].position;
    m_slots[at] = Slot{hash, position};
    ++m_count;
    return kAbsent;
  }

 private:
  struct Slot {
    std::uint32_t hash;
    Index position;
  };

  static std::uint32_t Hash(std::string_view name) {
    const std::size_t h = std::hash<std::string_view>{}(name);
    return std::uint32_t(h ^ (h >> 32));
  }
  std::size_t Mask() const { return m_slots.size() - 1; }

  void Grow() {
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot{0, kAbsent});
    for (const Slot& slot : old) {
      if (slot.position == kAbsent) continue;
      std::size_t at = slot.hash & Mask();
      while (m_slots[at].position != kAbsent) at = (at + 1) & Mask();
      m_slots[at] = slot;
    }
  }

  std::vector<Slot> m_slots;
  std::size_t m_count = 0;
};

}  // namespace mirel::design
