#include "exchange/yaml_tree.h"

#include <yaml.h>

#include <map>
#include <memory>

namespace orvel::exchange {
namespace {

const std::string kNoText;

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
  const std::vector<std::size_t>& children = tree_->At(index_).children;
  for (std::size_t i = 0; i + 1 < children.size(); i += 2) {
    const YamlTree::Node& k = tree_->At(children[i]);
    if (k.kind == YamlTree::Kind::Scalar && k.scalar == key) return {tree_, children[i + 1]};
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

YamlRead ParseYaml(std::string_view utf8) {
  using Kind = YamlTree::Kind;
  using Node = YamlTree::Node;
  YamlRead read;
  std::unique_ptr<yaml_parser_t, ParserDeleter> parser(new yaml_parser_t);
  if (!yaml_parser_initialize(parser.get())) {
    delete parser.release();
    return read;
  }
  yaml_parser_set_input_string(parser.get(), reinterpret_cast<const unsigned char*>(utf8.data()),
                               utf8.size());
  yaml_parser_set_encoding(parser.get(), YAML_UTF8_ENCODING);

  YamlTree tree;
  std::vector<std::size_t> open;  // the sequences and mappings being filled, innermost last
  std::map<std::string, std::size_t> anchors;
  const auto add = [&](std::size_t index) {
    if (open.empty())
      tree.root_ = index;
    else
      tree.nodes_[open.back()].children.push_back(index);
  };
  const auto make = [&](Kind kind, const yaml_mark_t& mark, const yaml_char_t* anchor) {
    Node node;
    node.kind = kind;
    node.line = LineOf(mark);
    tree.nodes_.push_back(std::move(node));
    const std::size_t index = tree.nodes_.size() - 1;
    if (anchor) anchors[reinterpret_cast<const char*>(anchor)] = index;
    return index;
  };

  for (;;) {
    EventGuard guard;
    yaml_event_t& event = guard.event;
    if (!yaml_parser_parse(parser.get(), &event)) {
      read.errorLine = LineOf(parser->problem_mark);
      return read;
    }
    switch (event.type) {
      case YAML_SCALAR_EVENT: {
        const std::size_t index =
            make(Kind::Scalar, event.start_mark, event.data.scalar.anchor);
        Node& node = tree.nodes_[index];
        node.scalar = Text(event.data.scalar.value, event.data.scalar.length);
        node.plain = event.data.scalar.style == YAML_PLAIN_SCALAR_STYLE;
        add(index);
        break;
      }
      case YAML_SEQUENCE_START_EVENT:
      case YAML_MAPPING_START_EVENT: {
        const bool sequence = event.type == YAML_SEQUENCE_START_EVENT;
        const std::size_t index =
            make(sequence ? Kind::Sequence : Kind::Map, event.start_mark,
                 sequence ? event.data.sequence_start.anchor : event.data.mapping_start.anchor);
        add(index);
        open.push_back(index);
        break;
      }
      case YAML_SEQUENCE_END_EVENT:
      case YAML_MAPPING_END_EVENT:
        if (!open.empty()) open.pop_back();
        break;
      case YAML_ALIAS_EVENT: {
        const auto found =
            anchors.find(reinterpret_cast<const char*>(event.data.alias.anchor));
        if (found == anchors.end()) {
          read.errorLine = LineOf(event.start_mark);
          return read;
        }
        add(found->second);
        break;
      }
      case YAML_DOCUMENT_END_EVENT:
      case YAML_STREAM_END_EVENT:
        // The first document is the file's content; the rest is not read.
        read.tree = std::move(tree);
        return read;
      default:
        break;
    }
  }
}

}  // namespace orvel::exchange
