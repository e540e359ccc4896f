#include "panel/about_links.h"

#include <string>

#include "timetable/program_folder.h"

namespace orvel::panel {

void LabAbout_Click(ui::Shell& shell, const ui::Form& panel, std::string_view programFolderText,
                    std::int16_t Index) {
  const std::string prefix = ProgramFolderPrefix(programFolderText);
  switch (Index) {
    case 0:
      shell.Open(prefix + std::string(kHelpFile), ui::ShowState::Normal, &panel, {});
      break;
    case 2:
      shell.Open(prefix, ui::ShowState::Normal, nullptr, {});
      break;
    case 3:
      shell.Open(prefix + "hlp\\readme.txt", ui::ShowState::Normal, nullptr, {});
      break;
    case 4:
      shell.Open(prefix + std::string(kHelpFile), ui::ShowState::Normal, nullptr, {});
      break;
    default:
      break;
  }
}

void Imgabout_Click(ui::Shell& shell, const ui::Form& panel, std::string_view programFolderText,
                    std::int16_t Index) {
  (void)Index;
  shell.Open(ProgramFolderPrefix(programFolderText) + std::string(kHelpFile), ui::ShowState::Normal,
             &panel, {});
}

void Imgabout_MouseDown(ui::Picture& Imgabout0, ui::Picture& Imgabout1, std::int16_t Index,
                        ui::MouseButton Button, int Shift, double X, double Y) {
  (void)Index;
  (void)X;
  (void)Y;
  if (Button != ui::MouseButton::Left || Shift != ui::kShift) return;
  Imgabout0.SetVisible(!Imgabout0.Visible());
  Imgabout1.SetVisible(!Imgabout1.Visible());
}

}  // namespace orvel::panel
