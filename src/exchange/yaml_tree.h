#pragma once
// The first document of a YAML text as a tree of scalars, sequences and mappings, each node with
// the line it starts on, read with libyaml. Aliases point at the node their anchor named, which
// is shared, not copied: a small file of aliases cannot grow into a large tree.
//
// The text comes from outside, so the read has bounds that no real file comes near: how deep
// collections nest (libyaml's time grows with the square of the depth) and how much the aliases
// of a text stand for once expanded (a reader of the tree visits a shared node once for each
// alias of it). A mapping that names a key twice is refused rather than read by one of them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel::exchange {

// Collections inside collections, the document's own counted: a CSES file needs 5.
inline constexpr int kMaxYamlDepth = 16;
// Nodes that all aliases together stand for, each alias counted as the whole of what it names
// (its aliases expanded too). A timetable that names its class lists again uses a few thousand.
inline constexpr std::uint64_t kMaxYamlAliasedNodes = 1000000;

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

  // A mapping's value for the key that is this scalar; no node when there is none. Not a scan of
  // every key: a mapping of many keys has an index.
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
    bool plain = false;          // a scalar without quotes or a block style
    int line = 0;                // 1-based
    std::uint32_t keyIndex = 0;  // a mapping of many keys: 1 + its index in keyIndexes_
    std::string scalar;
    std::vector<std::size_t> children;  // a mapping's keys and values in turn
  };

  // The document's top node; no node for a document without content.
  YamlNode Root() const;
  const Node& At(std::size_t index) const { return nodes_[index]; }

 private:
  friend class YamlNode;
  friend class YamlBuilder;

  // A scalar key's text to its place among its mapping's children; ordered, not hashed, so that
  // no file can choose keys that collide.
  using KeyIndex = std::map<std::string, std::size_t, std::less<>>;

  std::vector<Node> nodes_;
  std::vector<KeyIndex> keyIndexes_;
  std::optional<std::size_t> root_;
};

// Why a text gave no tree.
enum class YamlFault {
  None,
  NotYaml,         // not YAML, or an alias of an anchor the text does not have
  TooDeep,         // collections nested deeper than kMaxYamlDepth
  TooMuchAliased,  // aliases standing for more than kMaxYamlAliasedNodes, or for themselves
  DuplicateKey,    // a mapping with one key twice
};

// The tree, or why there is none and the 1-based line where the text stops being read.
struct YamlRead {
  std::optional<YamlTree> tree;
  int errorLine = 0;
  YamlFault fault = YamlFault::None;
  std::string duplicateKey;  // the key a DuplicateKey names twice
};
YamlRead ParseYaml(std::string_view utf8);

// A scalar's text as a whole number of ASCII digits, no sign: "2027", "15"; nothing otherwise.
std::optional<int> UnsignedNumber(std::string_view text);

}  // namespace orvel::exchange
