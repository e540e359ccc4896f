#include "desktop/auto_start.h"

#include <algorithm>

#include "platform/file_io.h"
#include "timetable/number_text.h"
#include "timetable/program_folder.h"

namespace orvel::desktop {
namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  });
  return upper;
}

std::string Str(std::string_view text) {
  return std::string(text);
}

constexpr ui::RegistryRoot kRunRoot = ui::RegistryRoot::LocalMachine;

}  // namespace

float WindowsVersionNumber(ui::VersionInfo version) {
  // Through the text, so that 6.1 is the same number as the literal 6.1f.
  const std::string text = std::to_string(version.major) + "." + std::to_string(version.minor);
  return ToSingle(text).value_or(0.0f);
}

bool IsShortcutMode(float windowsVersion) {
  return windowsVersion == 6.0f;
}

std::string ProgramFolderText(ui::Platform& platform) {
  return Utf8FromPath(platform.ProgramFolder());
}

std::string ProgramPathText(std::string_view folderText, std::string_view exeStem) {
  return ProgramFolderPrefix(folderText) + Str(exeStem) + ".exe";
}

std::string ProgramPathText(ui::Platform& platform) {
  return ProgramPathText(ProgramFolderText(platform),
                         Utf8FromPath(platform.system().ProgramPath().stem()));
}

std::string LegacyStartupShortcutPath(std::string_view windir, std::string_view username) {
  return Str(windir.substr(0, 2)) + "\\Documents and Settings\\" + Str(username) +
         "\\「开始」菜单\\程序\\启动\\" + Str(kStartupItemName) + ".lnk";
}

std::filesystem::path ChooseStartupShortcutPath(std::string_view legacyPath,
                                                bool legacyFolderExists,
                                                const std::filesystem::path& startupFolder) {
  if (legacyFolderExists) return PathFromUtf8(legacyPath);
  return startupFolder / PathFromUtf8(Str(kStartupItemName) + ".lnk");
}

std::filesystem::path StartupShortcutPath(ui::Platform& platform) {
  const ui::SystemInfo& system = platform.system();
  const std::string legacy =
      LegacyStartupShortcutPath(system.Environment("WINDIR"), system.Environment("username"));
  std::error_code ec;
  const bool exists = std::filesystem::is_directory(PathFromUtf8(legacy).parent_path(), ec);
  return ChooseStartupShortcutPath(legacy, exists, platform.shortcuts().StartupFolder());
}

void DeleteRegValue(ui::Registry& registry, ui::RegistryRoot root, std::string_view key,
                    std::string_view name) {
  registry.DeleteValue(root, Str(key), Str(name));
}

void SetRegString(ui::Registry& registry, ui::RegistryRoot root, std::string_view key,
                  std::string_view name, std::string_view text) {
  // The W call stores the text as UTF-16 REG_SZ; Windows hands the same text to ANSI readers
  // converted to their code page, so the value reads as the ANSI form would.
  registry.WriteString(root, Str(key), Str(name), Str(text));
}

std::string GetRegString(ui::Registry& registry, ui::RegistryRoot root, std::string_view key,
                         std::string_view name) {
  return registry.ReadString(root, Str(key), Str(name)).value_or(std::string());
}

bool AddStartupShortcut(ui::Shortcuts& shortcuts, const std::filesystem::path& link,
                        std::string_view commandLine) {
  return shortcuts.Create(link, PathFromUtf8(commandLine));
}

std::string GetTargetPath(ui::Shortcuts& shortcuts, const std::filesystem::path& link) {
  const auto target = shortcuts.Target(link);
  return target ? Utf8FromPath(*target) : std::string();
}

bool AutoStartIsOn(ui::Platform& platform, float windowsVersion) {
  const std::string program = ProgramPathText(platform);
  if (!IsShortcutMode(windowsVersion))
    return Upper(GetRegString(platform.registry(), kRunRoot, kRunKey, kRunValueName)) ==
           Upper(program);
  // A link that cannot be read has no target, which never equals the program path.
  return GetTargetPath(platform.shortcuts(), StartupShortcutPath(platform)) == program;
}

std::optional<bool> InstallationStartsThisProgram(ui::Platform& platform) {
  const std::optional<std::string> edition = platform.registry().ReadString(
      ui::RegistryRoot::LocalMachine, Str(kInstallationKey), Str(kStartsWithWindowsValue));
  if (!edition) return std::nullopt;
  return Upper(*edition) == Upper(Utf8FromPath(platform.system().ProgramPath().stem()));
}

void ApplyAutoStart(ui::Platform& platform, float windowsVersion, std::int16_t box,
                    std::int16_t initialState) {
  if (box == initialState) return;
  const std::string program = ProgramPathText(platform);
  const bool ticked = box == 1;
  if (!IsShortcutMode(windowsVersion)) {
    if (ticked)
      SetRegString(platform.registry(), kRunRoot, kRunKey, kRunValueName, program);
    else
      DeleteRegValue(platform.registry(), kRunRoot, kRunKey, kRunValueName);
    return;
  }
  const std::filesystem::path link = StartupShortcutPath(platform);
  if (ticked) {
    if (GetTargetPath(platform.shortcuts(), link) != program)
      AddStartupShortcut(platform.shortcuts(), link, program);
  } else {
    // Removing a link that is not there does nothing.
    platform.shortcuts().Remove(link);
  }
}

}  // namespace orvel::desktop
