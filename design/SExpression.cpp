// The s-expression reader: lists, bare words and quoted texts as KiCad writes them.
#include <algorithm>
#include <string>

#include "design/Tree.h"
#include "host/utf8.h"

namespace mirel::design {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool EndsWord(char c) { return IsBlank(c) || c == '(' || c == ')' || c == '"'; }

class Parser {
 public:
  Parser(std::string_view text, Tree& tree) : m_text(text), m_tree(tree) {}

  bool Run(std::string& error) {
    m_tree.nodes.clear();
    // A netlist's lists hold a head and mostly one atom: two nodes a "(" is close, and memory
    // reserved but never touched costs nothing, while growing the vector copies it all.
    m_tree.nodes.reserve(2 * std::size_t(std::count(m_text.begin(), m_text.end(), '(')) + 16);
    SkipBlanks();
    if (m_at == m_text.size()) return Fail(m_at, "the file is empty", error);
    if (m_text[m_at] != '(') return Fail(m_at, "a netlist starts with \"(\"", error);
    while (m_at < m_text.size()) {
      const char c = m_text[m_at];
      if (IsBlank(c)) {
        ++m_at;
      } else if (c == '(') {
        if (m_tree.root != kNone && m_open.empty()) return Fail(m_at, "text after the netlist's closing \")\"", error);
        if (m_open.size() >= std::size_t(kMaxDepth)) return Fail(m_at, "lists nest too deeply", error);
        OpenList();
      } else if (c == ')') {
        if (m_open.empty()) return Fail(m_at, "a \")\" closes no list", error);
        m_open.pop_back();
        ++m_at;
      } else {
        if (m_open.empty()) return Fail(m_at, "text after the netlist's closing \")\"", error);
        if (!ReadAtom(error)) return false;
      }
    }
    if (!m_open.empty()) return Fail(m_tree[m_open.back().list].offset, "this \"(\" is never closed", error);
    return true;
  }

 private:
  struct Open {
    Index list, last;  // the list and its last child
  };

  bool Fail(std::size_t offset, const std::string& what, std::string& error) const {
    const TextPosition pos = PositionOf(m_text, offset);
    error = "line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) + ": " + what;
    return false;
  }

  void SkipBlanks() {
    while (m_at < m_text.size() && IsBlank(m_text[m_at])) ++m_at;
  }

  void Append(Index child) {
    if (m_open.empty()) return;
    Open& parent = m_open.back();
    if (parent.last == kNone) m_tree.nodes[parent.list].first = child;
    else m_tree.nodes[parent.last].next = child;
    parent.last = child;
  }

  void OpenList() {
    const Index list = m_tree.Add(TreeNode{{}, kNone, kNone, std::uint32_t(m_at), true});
    if (m_tree.root == kNone) m_tree.root = list;
    Append(list);
    m_open.push_back(Open{list, kNone});
    ++m_at;
    SkipBlanks();
    // The head word: a bare word right after "(".
    const std::size_t start = m_at;
    while (m_at < m_text.size() && !EndsWord(m_text[m_at])) ++m_at;
    m_tree.nodes[list].text = m_text.substr(start, m_at - start);
  }

  bool ReadAtom(std::string& error) {
    const std::size_t start = m_at;
    std::string_view text;
    if (m_text[m_at] == '"') {
      if (!ReadQuoted(text, error)) return false;
    } else {
      while (m_at < m_text.size() && !EndsWord(m_text[m_at])) ++m_at;
      text = m_text.substr(start, m_at - start);
    }
    Append(m_tree.Add(TreeNode{text, kNone, kNone, std::uint32_t(start), false}));
    return true;
  }

  // A quoted text; a backslash escapes the next character (\n, \t, \r as the control characters).
  bool ReadQuoted(std::string_view& text, std::string& error) {
    const std::size_t open = m_at++;
    const std::size_t start = m_at;
    while (m_at < m_text.size() && m_text[m_at] != '"' && m_text[m_at] != '\\') ++m_at;
    if (m_at < m_text.size() && m_text[m_at] == '"') {
      text = m_text.substr(start, m_at - start);
      ++m_at;
      return true;
    }
    std::string unescaped(m_text.substr(start, m_at - start));
    while (m_at < m_text.size() && m_text[m_at] != '"') {
      char c = m_text[m_at++];
      if (c == '\\' && m_at < m_text.size()) {
        c = m_text[m_at++];
        if (c == 'n') c = '\n';
        else if (c == 't') c = '\t';
        else if (c == 'r') c = '\r';
      }
      unescaped += c;
    }
    if (m_at == m_text.size()) return Fail(open, "this quoted text is never closed", error);
    ++m_at;
    text = m_tree.owned.emplace_back(std::move(unescaped));
    return true;
  }

  std::string_view m_text;
  Tree& m_tree;
  std::size_t m_at = 0;
  std::vector<Open> m_open;
};

}  // namespace

Index Tree::Child(Index list, std::string_view head) const {
  if (list == kNone) return kNone;
  for (Index c = nodes[list].first; c != kNone; c = nodes[c].next)
    if (nodes[c].list && nodes[c].text == head) return c;
  return kNone;
}

std::string_view Tree::Atom(Index list) const {
  if (list == kNone) return {};
  for (Index c = nodes[list].first; c != kNone; c = nodes[c].next)
    if (!nodes[c].list) return nodes[c].text;
  return {};
}

bool ParseSExpression(std::string_view text, Tree& tree, std::string& error) {
  tree = Tree();
  if (text.size() > UINT32_MAX) {
    error = "the file is too large";
    return false;
  }
  return Parser(text, tree).Run(error);
}

}  // namespace mirel::design
