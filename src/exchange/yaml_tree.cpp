#include "exchange/yaml_tree.h"

#include <yaml.h>

#include <charconv>
#include <map>
#include <memory>
#include <utility>

namespace orvel::exchange {
namespace {

const std::string kNoText;

// Keys a mapping is searched through one by one; past them it has an index.
constexpr std::size_t kKeysWithoutIndex = 8;

struct ParserDeleter {
  void operator()(yaml_parser_t* parser) const {
    yaml_parser_delete(parser);
    delete parser;
  }
};

struct EventGuard {
  yaml_event_t event{};
  ~EventGuard() { yaml_event_delete(&event); }
};

int LineOf(const yaml_mark_t& mark) {
  return static_cast<int>(mark.line) + 1;
}

std::string Text(const yaml_char_t* bytes, std::size_t length) {
  return bytes ? std::string(reinterpret_cast<const char*>(bytes), length) : std::string();
}

}  // namespace

bool YamlNode::IsNull() const {
  if (!IsScalar()) return false;
  const YamlTree::Node& node = tree_->At(index_);
  if (!node.plain) return false;
  const std::string& s = node.scalar;
  return s.empty() || s == "~" || s == "null" || s == "Null" || s == "NULL";
}

bool YamlNode::IsScalar() const {
  return tree_ && tree_->At(index_).kind == YamlTree::Kind::Scalar;
}

bool YamlNode::IsSequence() const {
  return tree_ && tree_->At(index_).kind == YamlTree::Kind::Sequence;
}

bool YamlNode::IsMap() const {
  return tree_ && tree_->At(index_).kind == YamlTree::Kind::Map;
}

const std::string& YamlNode::Scalar() const {
  return IsScalar() ? tree_->At(index_).scalar : kNoText;
}

int YamlNode::Line() const {
  return tree_ ? tree_->At(index_).line : 0;
}

YamlNode YamlNode::Get(std::string_view key) const {
  if (!IsMap()) return {};
  const YamlTree::Node& map = tree_->At(index_);
  if (map.keyIndex != 0) {
    const YamlTree::KeyIndex& index = tree_->keyIndexes_[map.keyIndex - 1];
    const auto found = index.find(key);
    return found == index.end() ? YamlNode() : YamlNode(tree_, map.children[found->second + 1]);
  }
  for (std::size_t i = 0; i + 1 < map.children.size(); i += 2) {
    const YamlTree::Node& k = tree_->At(map.children[i]);
    if (k.kind == YamlTree::Kind::Scalar && k.scalar == key) return {tree_, map.children[i + 1]};
  }
  return {};
}

std::vector<YamlNode> YamlNode::Items() const {
  std::vector<YamlNode> items;
  if (!IsSequence()) return items;
  for (const std::size_t child : tree_->At(index_).children) items.push_back({tree_, child});
  return items;
}

YamlNode YamlTree::Root() const {
  return root_ ? YamlNode(this, *root_) : YamlNode();
}

// A tree from libyaml's events, within the bounds; the first fault ends the read.
class YamlBuilder {
 public:
  // Each false after a fault, which Take then gives.
  bool Scalar(const yaml_event_t& event);
  bool Start(const yaml_event_t& event);  // of a sequence or a mapping
  void End();
  bool Alias(const yaml_event_t& event);
  bool Fail(YamlFault fault, int line) {
    read_.fault = fault;
    read_.errorLine = line;
    return false;
  }
  YamlRead Take() {
    if (read_.fault == YamlFault::None) read_.tree = std::move(tree_);
    return std::move(read_);
  }

 private:
  using Kind = YamlTree::Kind;
  // An anchor's node, and its size: every node it stands for, itself and aliases expanded
  // included; 0 while the node is still being read.
  struct Anchor {
    std::size_t index;
    std::uint64_t size;
  };
  using Anchors = std::map<std::string, Anchor, std::less<>>;
  struct Open {
    std::size_t index;
    Anchors::iterator anchor;  // the anchor that named it, or the end
    std::uint64_t size = 1;
  };

  std::size_t Make(Kind kind, const yaml_event_t& event);
  Anchors::iterator Name(const yaml_char_t* anchor, std::size_t index, std::uint64_t size);
  bool Add(std::size_t index, std::uint64_t size, int line);
  bool AddKey(std::size_t mapIndex, std::size_t keyIndex);

  YamlTree tree_;
  std::vector<Open> open_;  // the sequences and mappings being filled, innermost last
  Anchors anchors_;
  std::uint64_t aliased_ = 0;  // what the aliases so far stand for
  YamlRead read_;
};

std::size_t YamlBuilder::Make(Kind kind, const yaml_event_t& event) {
  YamlTree::Node node;
  node.kind = kind;
  node.line = LineOf(event.start_mark);
  tree_.nodes_.push_back(std::move(node));
  return tree_.nodes_.size() - 1;
}

YamlBuilder::Anchors::iterator YamlBuilder::Name(const yaml_char_t* anchor, std::size_t index,
                                                 std::uint64_t size) {
  if (!anchor) return anchors_.end();
  // A name used again names the later node from there on.
  return anchors_.insert_or_assign(reinterpret_cast<const char*>(anchor), Anchor{index, size})
      .first;
}

bool YamlBuilder::Scalar(const yaml_event_t& event) {
  const std::size_t index = Make(Kind::Scalar, event);
  YamlTree::Node& node = tree_.nodes_[index];
  node.scalar = Text(event.data.scalar.value, event.data.scalar.length);
  node.plain = event.data.scalar.style == YAML_PLAIN_SCALAR_STYLE;
  Name(event.data.scalar.anchor, index, 1);
  return Add(index, 1, LineOf(event.start_mark));
}

bool YamlBuilder::Start(const yaml_event_t& event) {
  // libyaml's time on each token grows with the depth it is at; it reads ahead of its events only
  // within a line's first 1024 characters, so stopping here bounds it.
  if (open_.size() >= static_cast<std::size_t>(kMaxYamlDepth)) {
    return Fail(YamlFault::TooDeep, LineOf(event.start_mark));
  }
  const bool sequence = event.type == YAML_SEQUENCE_START_EVENT;
  const std::size_t index = Make(sequence ? Kind::Sequence : Kind::Map, event);
  // Its size reaches its parent when it ends.
  if (!Add(index, 0, LineOf(event.start_mark))) return false;
  const Anchors::iterator anchor =
      Name(sequence ? event.data.sequence_start.anchor : event.data.mapping_start.anchor, index, 0);
  open_.push_back({index, anchor});
  return true;
}

void YamlBuilder::End() {
  if (open_.empty()) return;
  const Open done = open_.back();
  open_.pop_back();
  if (done.anchor != anchors_.end() && done.anchor->second.index == done.index) {
    done.anchor->second.size = done.size;
  }
  if (!open_.empty()) open_.back().size += done.size;
}

bool YamlBuilder::Alias(const yaml_event_t& event) {
  const int line = LineOf(event.start_mark);
  const auto found = anchors_.find(reinterpret_cast<const char*>(event.data.alias.anchor));
  if (found == anchors_.end()) return Fail(YamlFault::NotYaml, line);
  const Anchor anchor = found->second;
  // An alias inside what it names would stand for itself without end.
  if (anchor.size == 0) return Fail(YamlFault::TooMuchAliased, line);
  aliased_ += anchor.size;
  if (aliased_ > kMaxYamlAliasedNodes) return Fail(YamlFault::TooMuchAliased, line);
  return Add(anchor.index, anchor.size, line);
}

bool YamlBuilder::Add(std::size_t index, std::uint64_t size, int line) {
  if (open_.empty()) {
    tree_.root_ = index;
    return true;
  }
  Open& parent = open_.back();
  parent.size += size;
  const YamlTree::Node& node = tree_.nodes_[parent.index];
  if (node.kind == Kind::Map && node.children.size() % 2 == 0 && !AddKey(parent.index, index)) {
    read_.duplicateKey = tree_.nodes_[index].scalar;
    return Fail(YamlFault::DuplicateKey, line);
  }
  tree_.nodes_[parent.index].children.push_back(index);
  return true;
}

// False when the mapping has this key already. Only scalar keys are compared, as Get finds only
// them.
bool YamlBuilder::AddKey(std::size_t mapIndex, std::size_t keyIndex) {
  YamlTree::Node& map = tree_.nodes_[mapIndex];
  const YamlTree::Node& key = tree_.nodes_[keyIndex];
  if (key.kind != Kind::Scalar) return true;
  const std::size_t place = map.children.size();
  if (map.keyIndex == 0) {
    for (std::size_t i = 0; i < place; i += 2) {
      const YamlTree::Node& other = tree_.nodes_[map.children[i]];
      if (other.kind == Kind::Scalar && other.scalar == key.scalar) return false;
    }
    if (place / 2 < kKeysWithoutIndex) return true;
    YamlTree::KeyIndex& index = tree_.keyIndexes_.emplace_back();
    map.keyIndex = static_cast<std::uint32_t>(tree_.keyIndexes_.size());
    for (std::size_t i = 0; i < place; i += 2) {
      const YamlTree::Node& other = tree_.nodes_[map.children[i]];
      if (other.kind == Kind::Scalar) index.emplace(other.scalar, i);
    }
  }
  return tree_.keyIndexes_[map.keyIndex - 1].emplace(key.scalar, place).second;
}

YamlRead ParseYaml(std::string_view utf8) {
  YamlBuilder builder;
  std::unique_ptr<yaml_parser_t, ParserDeleter> parser(new yaml_parser_t);
  if (!yaml_parser_initialize(parser.get())) {
    delete parser.release();
    builder.Fail(YamlFault::NotYaml, 0);
    return builder.Take();
  }
  yaml_parser_set_input_string(parser.get(), reinterpret_cast<const unsigned char*>(utf8.data()),
                               utf8.size());
  yaml_parser_set_encoding(parser.get(), YAML_UTF8_ENCODING);

  for (;;) {
    EventGuard guard;
    yaml_event_t& event = guard.event;
    if (!yaml_parser_parse(parser.get(), &event)) {
      builder.Fail(YamlFault::NotYaml, LineOf(parser->problem_mark));
      return builder.Take();
    }
    bool going = true;
    switch (event.type) {
      case YAML_SCALAR_EVENT:
        going = builder.Scalar(event);
        break;
      case YAML_SEQUENCE_START_EVENT:
      case YAML_MAPPING_START_EVENT:
        going = builder.Start(event);
        break;
      case YAML_SEQUENCE_END_EVENT:
      case YAML_MAPPING_END_EVENT:
        builder.End();
        break;
      case YAML_ALIAS_EVENT:
        going = builder.Alias(event);
        break;
      case YAML_DOCUMENT_END_EVENT:
      case YAML_STREAM_END_EVENT:
        // The first document is the file's content; the rest is not read.
        return builder.Take();
      default:
        break;
    }
    if (!going) return builder.Take();
  }
}

std::optional<int> UnsignedNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.front() == '-' || error != std::errc() ||
      end != text.data() + text.size())
    return std::nullopt;
  return value;
}

}  // namespace orvel::exchange
