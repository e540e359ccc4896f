#pragma once
// Start with Windows ("随机自启"): a value under the machine-wide Run key, or on Windows 6.0 a
// shortcut "课程表.lnk" in the user's start-up group. The control panel reads the state when it
// loads and applies the box when the user confirms.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/platform.h"
#include "platform/ui/services.h"

namespace orvel::desktop {

inline constexpr std::string_view kRunKey = "software\\microsoft\\windows\\currentversion\\run";
inline constexpr std::string_view kRunValueName = "q7Scd";
inline constexpr std::string_view kStartupItemName = "课程表";

// --- Facts of the running program ---

// The text "major.minor" read as a single-precision number: 5.1, 6, 6.1, 10.
float WindowsVersionNumber(ui::VersionInfo version);
// Only Windows 6.0 (Vista) uses the start-up shortcut; older and newer use the Run key.
bool IsShortcutMode(float windowsVersion);

// The program folder as the system reports it: no trailing backslash except at a drive root.
std::string ProgramFolderText(ui::Platform& platform);
// Folder prefix + file name without extension + ".exe": "D:\" and "Orvel2" give "D:\Orvel2.exe".
std::string ProgramPathText(std::string_view folderText, std::string_view exeStem);
std::string ProgramPathText(ui::Platform& platform);

// --- The start-up shortcut ---

// First two characters of WINDIR + "\Documents and Settings\" + username +
// "\「开始」菜单\程序\启动\课程表.lnk": the start-up group of Chinese Windows XP, which Vista
// keeps as a compatibility junction.
std::string LegacyStartupShortcutPath(std::string_view windir, std::string_view username);
// The legacy path when its folder exists; otherwise (a system without the junction, or with it
// named in another language) "课程表.lnk" in the start-up folder the system names.
std::filesystem::path ChooseStartupShortcutPath(std::string_view legacyPath,
                                                bool legacyFolderExists,
                                                const std::filesystem::path& startupFolder);
std::filesystem::path StartupShortcutPath(ui::Platform& platform);

// --- The routines over the registry and the shortcuts; results are not examined ---

void DeleteRegValue(ui::Registry& registry, ui::RegistryRoot root, std::string_view key,
                    std::string_view name);
void SetRegString(ui::Registry& registry, ui::RegistryRoot root, std::string_view key,
                  std::string_view name, std::string_view text);
// The value's text; empty when the key or value is missing or cannot be read.
std::string GetRegString(ui::Registry& registry, ui::RegistryRoot root, std::string_view key,
                         std::string_view name);
// Creates (or replaces) the link, pointing at the command line. Built on the shell's link
// object rather than a Program Manager conversation; false when the link could not be written.
bool AddStartupShortcut(ui::Shortcuts& shortcuts, const std::filesystem::path& link,
                        std::string_view commandLine);
// The link's target path; empty when the link is missing or unreadable.
std::string GetTargetPath(ui::Shortcuts& shortcuts, const std::filesystem::path& link);

// --- The rules ---

// Whether the MSI starts this program with Windows for every user (the all-users start-up
// folder); nothing when no installation decided it and the panel's box is the user's.
std::optional<bool> InstallationStartsThisProgram(ui::Platform& platform);

// Is auto-start on? Registry mode: the Run value equals the program path, ignoring letter
// case. Shortcut mode: the start-up shortcut exists and its target equals the program path
// exactly.
bool AutoStartIsOn(ui::Platform& platform, float windowsVersion);

// Acts only when the box (0 or 1) differs from its state when the panel loaded: ticked writes
// the Run value or (re)creates the shortcut when it is missing or points elsewhere; cleared
// deletes the Run value or the shortcut.
void ApplyAutoStart(ui::Platform& platform, float windowsVersion, std::int16_t box,
                    std::int16_t initialState);

}  // namespace orvel::desktop
