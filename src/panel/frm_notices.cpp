#include "panel/frm_notices.h"

#include <utility>

#include "program/notice_texts.h"

namespace orvel::panel {
namespace {

// The designed window, twips.
constexpr double kClientWidth = 7200, kClientHeight = 4500;
constexpr std::string_view kNoNotices = "今天没有通知。";

}  // namespace

FrmNotices::FrmNotices(ui::Platform& platform)
    : ui::Form(platform, "FrmNotices", ui::FormStyle::FixedDialog),
      LstNotices(this, "LstNotices"),
      LblStatus(this, "LblStatus"),
      CmdClose(this, "CmdClose", "关闭") {
  SetCaption(std::string(program::kNoticesTitle));
  SetClientSize(kClientWidth, kClientHeight);
  centred = true;
  LstNotices.Move(120, 120, 6960, 2640);
  // Several lines: a file may have more than one bad line.
  LblStatus.Move(120, 2880, 6960, 1000);
  LblStatus.transparentBack = true;
  CmdClose.Move(6180, 3990, 900, 375);
  CmdClose.onClick = [this] { Unload(); };
}

void FrmNotices::ShowNotices(std::vector<std::string> lines,
                             const std::vector<std::string>& problems) {
  if (lines.empty()) lines.emplace_back(kNoNotices);
  LstNotices.SetItems(std::move(lines));
  std::string status;
  for (const std::string& problem : problems) {
    if (status.find(problem) != std::string::npos) continue;
    if (!status.empty()) status += ' ';
    status += problem;
  }
  LblStatus.SetCaption(std::move(status));
}

}  // namespace orvel::panel
