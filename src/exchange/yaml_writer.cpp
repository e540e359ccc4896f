#include "exchange/yaml_writer.h"

#include <yaml.h>

namespace orvel::exchange {
namespace {

int Append(void* data, unsigned char* buffer, std::size_t size) {
  static_cast<std::string*>(data)->append(reinterpret_cast<const char*>(buffer), size);
  return 1;
}

yaml_char_t* Bytes(std::string_view text) {
  // libyaml takes non-const pointers but copies what it is given.
  return reinterpret_cast<yaml_char_t*>(const_cast<char*>(text.data()));
}

}  // namespace

YamlWriter::YamlWriter() : emitter_(std::make_unique<yaml_emitter_t>()) {
  if (!yaml_emitter_initialize(emitter_.get())) {
    ok_ = false;
    return;
  }
  yaml_emitter_set_output(emitter_.get(), Append, &out_);
  yaml_emitter_set_unicode(emitter_.get(), 1);
  yaml_emitter_set_width(emitter_.get(), -1);  // no folded lines
  yaml_emitter_set_break(emitter_.get(), YAML_LN_BREAK);
  yaml_event_t event;
  Send(yaml_stream_start_event_initialize(&event, YAML_UTF8_ENCODING), &event);
  Send(yaml_document_start_event_initialize(&event, nullptr, nullptr, nullptr, 1), &event);
}

YamlWriter::~YamlWriter() {
  if (emitter_) yaml_emitter_delete(emitter_.get());
}

bool YamlWriter::Emit(void* made) {
  auto* event = static_cast<yaml_event_t*>(made);
  // The emitter owns every event it is handed, emitted or not; one not handed over is freed.
  if (ok_) ok_ = yaml_emitter_emit(emitter_.get(), event) != 0;
  else yaml_event_delete(event);
  return ok_;
}

YamlWriter& YamlWriter::Send(bool made, void* event) {
  if (!made) ok_ = false;
  else Emit(event);
  return *this;
}

YamlWriter& YamlWriter::Scalar(std::string_view text, Quotes quotes) {
  yaml_event_t event;
  const yaml_scalar_style_t style =
      quotes == Quotes::Double ? YAML_DOUBLE_QUOTED_SCALAR_STYLE : YAML_PLAIN_SCALAR_STYLE;
  return Send(yaml_scalar_event_initialize(&event, nullptr, nullptr, Bytes(text),
                                           static_cast<int>(text.size()), 1, 1, style),
              &event);
}

YamlWriter& YamlWriter::BeginMap() {
  yaml_event_t event;
  return Send(yaml_mapping_start_event_initialize(&event, nullptr, nullptr, 1,
                                                  YAML_BLOCK_MAPPING_STYLE),
              &event);
}

YamlWriter& YamlWriter::EndMap() {
  yaml_event_t event;
  return Send(yaml_mapping_end_event_initialize(&event), &event);
}

YamlWriter& YamlWriter::BeginSeq(bool flow) {
  yaml_event_t event;
  return Send(yaml_sequence_start_event_initialize(
                  &event, nullptr, nullptr, 1,
                  flow ? YAML_FLOW_SEQUENCE_STYLE : YAML_BLOCK_SEQUENCE_STYLE),
              &event);
}

YamlWriter& YamlWriter::EndSeq() {
  yaml_event_t event;
  return Send(yaml_sequence_end_event_initialize(&event), &event);
}

std::string YamlWriter::Finish() {
  yaml_event_t event;
  Send(yaml_document_end_event_initialize(&event, 1), &event);
  Send(yaml_stream_end_event_initialize(&event), &event);
  ok_ = ok_ && yaml_emitter_flush(emitter_.get());
  return ok_ ? out_ : std::string();
}

}  // namespace orvel::exchange
