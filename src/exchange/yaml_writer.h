#pragma once
// A YAML text written with libyaml's emitter, block style, UTF-8 as it is (no \u escapes).
#include <memory>
#include <string>
#include <string_view>

struct yaml_emitter_s;

namespace orvel::exchange {

class YamlWriter {
 public:
  YamlWriter();
  ~YamlWriter();
  YamlWriter(const YamlWriter&) = delete;
  YamlWriter& operator=(const YamlWriter&) = delete;

  enum class Quotes { None, Double };
  // A plain scalar where YAML allows it (the emitter quotes where it must), or double-quoted.
  YamlWriter& Scalar(std::string_view text, Quotes quotes = Quotes::None);
  YamlWriter& BeginMap();
  YamlWriter& EndMap();
  // An empty sequence reads best as "[]": `flow` writes it so.
  YamlWriter& BeginSeq(bool flow = false);
  YamlWriter& EndSeq();

  // The whole text once every map and sequence is closed; empty if the emitter failed.
  std::string Finish();

 private:
  // An event made (or not) by one of libyaml's initializers, handed to the emitter.
  YamlWriter& Send(bool made, void* event);
  bool Emit(void* event);

  std::unique_ptr<yaml_emitter_s> emitter_;
  std::string out_;
  bool ok_ = true;
};

}  // namespace orvel::exchange
