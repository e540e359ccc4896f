#pragma once
// The registry and the shortcut store, in memory.
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "platform/ui/services.h"

namespace orvel::headless {

// Key and value names compare without regard to ASCII case, as the Windows registry does.
class HeadlessRegistry : public ui::Registry {
 public:
  std::optional<std::string> ReadString(ui::RegistryRoot root, const std::string& key,
                                        const std::string& value) override;
  bool WriteString(ui::RegistryRoot root, const std::string& key, const std::string& value,
                   const std::string& data) override;
  bool DeleteValue(ui::RegistryRoot root, const std::string& key,
                   const std::string& value) override;

  // A root the user may not write (HKEY_LOCAL_MACHINE without administrator rights): writes and
  // deletions under it fail and change nothing.
  void SetWritable(ui::RegistryRoot root, bool writable);
  std::size_t ValueCount() const { return values_.size(); }

 private:
  using Name = std::tuple<ui::RegistryRoot, std::string, std::string>;
  static Name MakeName(ui::RegistryRoot root, const std::string& key, const std::string& value);
  std::map<Name, std::string> values_;
  std::set<ui::RegistryRoot> readOnly_;
};

// Links live in memory only; nothing reaches the disk.
class HeadlessShortcuts : public ui::Shortcuts {
 public:
  std::filesystem::path StartupFolder() override { return startupFolder_; }
  bool Create(const std::filesystem::path& link, const std::filesystem::path& target) override;
  std::optional<std::filesystem::path> Target(const std::filesystem::path& link) override;
  bool Remove(const std::filesystem::path& link) override;

  void SetStartupFolder(std::filesystem::path folder) { startupFolder_ = std::move(folder); }
  // Creating links fails while this is set (a start-up folder the user cannot write).
  void SetFailCreate(bool fail) { failCreate_ = fail; }
  const std::map<std::filesystem::path, std::filesystem::path>& Links() const { return links_; }

 private:
  std::filesystem::path startupFolder_ =
      std::filesystem::path("Start Menu") / "Programs" / "Startup";
  bool failCreate_ = false;
  std::map<std::filesystem::path, std::filesystem::path> links_;
};

}  // namespace orvel::headless
