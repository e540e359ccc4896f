#include "platform/headless/headless_store.h"

#include "platform/text_codec.h"

namespace orvel::headless {

HeadlessRegistry::Name HeadlessRegistry::MakeName(ui::RegistryRoot root, const std::string& key,
                                                  const std::string& value) {
  return Name{root, AsciiLower(key), AsciiLower(value)};
}

std::optional<std::string> HeadlessRegistry::ReadString(ui::RegistryRoot root,
                                                        const std::string& key,
                                                        const std::string& value) {
  const auto it = values_.find(MakeName(root, key, value));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool HeadlessRegistry::WriteString(ui::RegistryRoot root, const std::string& key,
                                   const std::string& value, const std::string& data) {
  if (readOnly_.contains(root)) return false;
  values_[MakeName(root, key, value)] = data;
  return true;
}

bool HeadlessRegistry::DeleteValue(ui::RegistryRoot root, const std::string& key,
                                   const std::string& value) {
  if (readOnly_.contains(root)) return false;
  return values_.erase(MakeName(root, key, value)) > 0;
}

void HeadlessRegistry::SetWritable(ui::RegistryRoot root, bool writable) {
  if (writable)
    readOnly_.erase(root);
  else
    readOnly_.insert(root);
}

bool HeadlessShortcuts::Create(const std::filesystem::path& link,
                               const std::filesystem::path& target) {
  if (failCreate_) return false;
  links_[link] = target;
  return true;
}

std::optional<std::filesystem::path> HeadlessShortcuts::Target(const std::filesystem::path& link) {
  const auto it = links_.find(link);
  if (it == links_.end()) return std::nullopt;
  return it->second;
}

bool HeadlessShortcuts::Remove(const std::filesystem::path& link) {
  return links_.erase(link) > 0;
}

}  // namespace orvel::headless
