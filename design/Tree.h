#pragma once
// A netlist as a tree of lists and atoms, whichever syntax it came in: the s-expression
// `(comp (ref "R1") (value "4k7"))` and the XML `<comp ref="R1"><value>4k7</value></comp>` give
// the same tree (an XML attribute is a list of its name and one atom, an element's text an atom).
// Texts view the source (or, unescaped, the tree's own storage): the source must outlive the tree.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "design/Design.h"

namespace mirel::design {

struct TreeNode {
  std::string_view text;     // an atom's text, or a list's head word ("" when it has none)
  Index first = kNone;       // a list's first child after the head
  Index next = kNone;        // the next sibling
  std::uint32_t offset = 0;  // where it starts in the source, for messages
  bool list = false;
};

class Tree {
 public:
  std::vector<TreeNode> nodes;
  std::deque<std::string> owned;  // texts that differ from their source bytes
  std::shared_ptr<void> keep;     // the storage texts view when it is not the source (XML)
  Index root = kNone;

  const TreeNode& operator[](Index i) const { return nodes[i]; }

  // The first child list of `list` whose head is `head`, or kNone.
  Index Child(Index list, std::string_view head) const;
  // The first atom among the children of `list`, or "".
  std::string_view Atom(Index list) const;
  // The atom of the child list `(head ATOM)`, or "" when there is none.
  std::string_view Text(Index list, std::string_view head) const { return Atom(Child(list, head)); }

  // The first child list of `list` with each of `heads` (kNone where there is none), found in one
  // pass over the children: a component's dozen look-ups would otherwise be a dozen passes.
  template <std::size_t N>
  std::array<Index, N> Children(Index list, const std::array<std::string_view, N>& heads) const {
    std::array<Index, N> found;
    found.fill(kNone);
    if (list == kNone) return found;
    for (Index c = nodes[list].first; c != kNone; c = nodes[c].next) {
      if (!nodes[c].list) continue;
      for (std::size_t h = 0; h < N; ++h) {
        if (nodes[c].text == heads[h]) {
          if (found[h] == kNone) found[h] = c;
          break;
        }
      }
    }
    return found;
  }

  // Calls f(index) for each child list of `list` whose head is `head`.
  template <typename F>
  void Each(Index list, std::string_view head, F f) const {
    if (list == kNone) return;
    for (Index c = nodes[list].first; c != kNone; c = nodes[c].next)
      if (nodes[c].list && nodes[c].text == head) f(c);
  }

  Index Add(TreeNode node) {
    nodes.push_back(node);
    return Index(nodes.size() - 1);
  }
};

// Reads a whole s-expression text (one top-level list). On failure gives error "line L,
// column C: ..." and returns false. Lists nest at most kMaxDepth deep.
inline constexpr int kMaxDepth = 256;
bool ParseSExpression(std::string_view text, Tree& tree, std::string& error);

// Reads an XML text into the same tree.
bool ParseXml(std::string_view text, Tree& tree, std::string& error);

}  // namespace mirel::design
