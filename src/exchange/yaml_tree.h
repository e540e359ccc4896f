#pragma once
// The first document of a YAML text as a tree of scalars, sequences and mappings, each node with
// the line it starts on, read with libyaml. Aliases point at the node their anchor named, which
// is shared, not copied: a small file of aliases cannot grow into a large tree.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel::exchange {

class YamlTree;

// A node of a tree, or no node at all (a missing key, a document without content). Valid while
// its tree lives.
class YamlNode {
 public:
  YamlNode() = default;

  bool IsDefined() const { return tree_ != nullptr; }
  // A plain scalar that YAML reads as null: empty, "~", "null", "Null" or "NULL".
  bool IsNull() const;
  bool IsScalar() const;
  bool IsSequence() const;
  bool IsMap() const;
  // A scalar's text as written (quotes removed); empty for anything else.
  const std::string& Scalar() const;
  // 1-based; 0 for no node.
  int Line() const;

  // A mapping's value for the first key that is this scalar; no node when there is none.
  YamlNode Get(std::string_view key) const;
  // A sequence's items in order; nothing for anything else.
  std::vector<YamlNode> Items() const;

 private:
  friend class YamlTree;
  YamlNode(const YamlTree* tree, std::size_t index) : tree_(tree), index_(index) {}

  const YamlTree* tree_ = nullptr;
  std::size_t index_ = 0;
};

class YamlTree {
 public:
  enum class Kind { Scalar, Sequence, Map };
  struct Node {
    Kind kind = Kind::Scalar;
    bool plain = false;  // a scalar without quotes or a block style
    int line = 0;        // 1-based
    std::string scalar;
    std::vector<std::size_t> children;  // a mapping's keys and values in turn
  };

  // The document's top node; no node for a document without content.
  YamlNode Root() const;
  const Node& At(std::size_t index) const { return nodes_[index]; }

 private:
  friend struct YamlRead ParseYaml(std::string_view utf8);

  std::vector<Node> nodes_;
  std::optional<std::size_t> root_;
};

// The tree, or the 1-based line where the text stops being YAML.
struct YamlRead {
  std::optional<YamlTree> tree;
  int errorLine = 0;
};
YamlRead ParseYaml(std::string_view utf8);

}  // namespace orvel::exchange
