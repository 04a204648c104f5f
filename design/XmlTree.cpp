// The XML netlist read by pugixml into the tree the s-expression reader makes.
#include <pugixml.hpp>

#include "design/Tree.h"
#include "host/utf8.h"

namespace mirel::design {
namespace {

std::string At(std::string_view text, std::size_t offset) {
  const TextPosition pos = PositionOf(text, offset);
  return "line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) + ": ";
}

class Builder {
 public:
  explicit Builder(Tree& tree) : m_tree(tree) {}

  // Elements become lists, attributes lists of one atom, text atoms. Walks with its own stack:
  // the depth of a hostile file is not the program's stack.
  bool Build(const pugi::xml_node& root, std::string& what, std::size_t& where) {
    struct Frame { pugi::xml_node node; Index list, last; };
    std::vector<Frame> stack;
    m_tree.root = Open(root, kNone, kNone);
    stack.push_back({root.first_child(), m_tree.root, LastOf(m_tree.root)});
    while (!stack.empty()) {
      Frame& frame = stack.back();
      if (!frame.node) {
        stack.pop_back();
        continue;
      }
      const pugi::xml_node node = frame.node;
      frame.node = node.next_sibling();
      if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
        frame.last = Link(frame.list, frame.last, Atom(node.value(), node.offset_debug()));
      } else if (node.type() == pugi::node_element) {
        if (stack.size() >= std::size_t(kMaxDepth)) {
          what = "elements nest too deeply";
          where = std::size_t(node.offset_debug());
          return false;
        }
        const Index list = Open(node, frame.list, frame.last);
        frame.last = list;
        stack.push_back({node.first_child(), list, LastOf(list)});
      }
    }
    return true;
  }

 private:
  Index Atom(std::string_view text, std::ptrdiff_t offset) {
    return m_tree.Add(TreeNode{text, kNone, kNone, std::uint32_t(offset < 0 ? 0 : offset), false});
  }

  Index Link(Index list, Index last, Index child) {
    if (last == kNone) m_tree.nodes[list].first = child;
    else m_tree.nodes[last].next = child;
    return child;
  }

  Index LastOf(Index list) const {
    Index last = kNone;
    for (Index c = m_tree[list].first; c != kNone; c = m_tree[c].next) last = c;
    return last;
  }

  // The element's list with its attributes as children; linked after `last` in `parent`.
  Index Open(const pugi::xml_node& node, Index parent, Index last) {
    const std::ptrdiff_t offset = node.offset_debug();
    const Index list = m_tree.Add(TreeNode{node.name(), kNone, kNone, std::uint32_t(offset < 0 ? 0 : offset), true});
    if (parent != kNone) Link(parent, last, list);
    Index lastChild = kNone;
    for (const pugi::xml_attribute& attribute : node.attributes()) {
      const Index a = m_tree.Add(TreeNode{attribute.name(), kNone, kNone, m_tree[list].offset, true});
      Link(a, kNone, Atom(attribute.value(), offset));
      lastChild = Link(list, lastChild, a);
    }
    return list;
  }

  Tree& m_tree;
};

}  // namespace

bool ParseXml(std::string_view text, Tree& tree, std::string& error) {
  tree = Tree();
  auto document = std::make_shared<pugi::xml_document>();
  const pugi::xml_parse_result parsed =
      document->load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                            pugi::encoding_utf8);
  if (!parsed) {
    error = At(text, std::size_t(parsed.offset)) + "not well-formed XML: " + parsed.description();
    return false;
  }
  const pugi::xml_node root = document->document_element();
  if (!root) {
    error = "the file holds no XML element";
    return false;
  }
  std::string what;
  std::size_t where = 0;
  if (!Builder(tree).Build(root, what, where)) {
    error = At(text, where) + what;
    return false;
  }
  tree.keep = std::move(document);
  return true;
}

}  // namespace mirel::design
