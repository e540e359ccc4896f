#include "panel/about_text.h"

#include <array>

#include "platform/text_codec.h"

// Both come from the build as "major,minor,revision".
#if !defined(ORVEL_GRID_VERSION) || !defined(ORVEL_CLASSIC_VERSION)
#error "the build defines ORVEL_GRID_VERSION and ORVEL_CLASSIC_VERSION"
#endif

namespace orvel::panel {

ProgramVersion EditionVersion(Edition edition) {
  if (edition == Edition::Classic) return ProgramVersion{ORVEL_CLASSIC_VERSION};
  return ProgramVersion{ORVEL_GRID_VERSION};
}

std::string BuildLine(std::string_view shortDateTime) {
  const std::size_t blank = shortDateTime.find(' ');
  const std::string_view kept =
      blank == std::string_view::npos ? std::string_view() : shortDateTime.substr(0, blank + 1);
  return "Build" + std::string(kept);
}

std::string AboutText(const ProgramVersion& version, std::string_view programTimeText) {
  const std::array<std::string, 9> lines{
      "Schedule",
      FillIn("Tessaly{}.{}.{}", {version.major, version.minor, version.revision}),
      BuildLine(programTimeText),
      "",
      "课程表工作室（原 Tessaly）",
      "Orvel 桌面课程表系列",
      "版权所有 © 课程表工作室",
      "开发于 2024—2025 年",
      "网店：暂无",
  };
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\r';
    text += lines[i];
  }
  return text;
}

}  // namespace orvel::panel
