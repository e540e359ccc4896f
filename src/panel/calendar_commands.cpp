#include "panel/calendar_commands.h"

#include <system_error>

#include "calendar/calendar_export.h"
#include "calendar/calendar_label.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"

namespace orvel::panel {
namespace {

std::string Label(const ui::ComboBox& CmbArea, const ui::ComboBox& CmbYears) {
  return CalendarLabel(CmbArea.Text(), CmbYears.Text());
}

}  // namespace

std::filesystem::path CalendarPathFor(const std::filesystem::path& programFolder,
                                      const ui::ComboBox& CmbArea, const ui::ComboBox& CmbYears) {
  return CalendarFilePath(programFolder, Label(CmbArea, CmbYears));
}

void CmbYears_Click(const std::filesystem::path& programFolder, const ui::ComboBox& CmbArea,
                    const ui::ComboBox& CmbYears, ui::Button& CmdXiaoliLook) {
  std::error_code ec;
  CmdXiaoliLook.SetEnabled(
      std::filesystem::is_regular_file(CalendarPathFor(programFolder, CmbArea, CmbYears), ec));
}

void CmdXiaoliMake_Click(ui::Platform& platform, const ui::Form& panel,
                         const std::filesystem::path& programFolder, const ui::ComboBox& CmbArea,
                         const ui::ComboBox& CmbYears) {
  const std::string label = Label(CmbArea, CmbYears);
  const std::string folderText = Utf8FromPath(programFolder);
  switch (ExportCalendar(programFolder, CmbArea.Text(), CmbYears.Text())) {
    case CalendarExport::FileInUse:
      platform.dialogs().MessageBox(
          &panel, FillIn("校历未生成，“{}”文件可能正在被使用！", {CalendarFileName(label)}),
          "校历导出失败", ui::MessageIcon::Warning, ui::MessageButtons::Ok);
      return;
    case CalendarExport::Failed:
      // Not settled by the original: say so plainly, no file is left behind.
      platform.dialogs().MessageBox(
          &panel,
          FillIn("校历未生成，无法在程序所在文件夹{}下写入“csv\\{}”文件！",
                 {folderText, CalendarFileName(label)}),
          "校历导出失败", ui::MessageIcon::Error, ui::MessageButtons::Ok);
      return;
    case CalendarExport::Written:
      break;
  }
  const ui::MessageAnswer answer = platform.dialogs().MessageBox(
      &panel,
      FillIn("{}学年度校历已成功制作并导出到程序所在文件夹{}下，是否现在打开查看？",
             {label, folderText}),
      "校历导出成功", ui::MessageIcon::Information, ui::MessageButtons::YesNo);
  if (answer == ui::MessageAnswer::Yes)
    CmdXiaoliLook_Click(platform.shell(), programFolder, CmbArea, CmbYears);
}

void CmdXiaoliLook_Click(ui::Shell& shell, const std::filesystem::path& programFolder,
                         const ui::ComboBox& CmbArea, const ui::ComboBox& CmbYears) {
  shell.Open(Utf8FromPath(CalendarPathFor(programFolder, CmbArea, CmbYears)), ui::ShowState::Normal,
             nullptr, {});
}

}  // namespace orvel::panel
