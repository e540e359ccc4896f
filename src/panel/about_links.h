#pragma once
// The about page's links and the handlers of its labels and pictures. The project has no web
// page, shop or mail address yet: what would lead there opens the program's own help, and the
// mail link is left out, so that no link points at an address that does not exist.
#include <cstdint>
#include <string_view>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/services.h"

namespace orvel::panel {

// The compiled help in the program folder, which the labels and pictures open.
inline constexpr std::string_view kHelpFile = "hlp\\scdhlp.chm";

// LabAbout(Index): 0 the help (owned by the panel), 2 the program folder, 3 "hlp\readme.txt",
// 4 the help in it. 1, the mail link, and any other index do nothing.
void LabAbout_Click(ui::Shell& shell, const ui::Form& panel, std::string_view programFolderText,
                    std::int16_t Index);

// Either picture opens the help, owned by the panel.
void Imgabout_Click(ui::Shell& shell, const ui::Form& panel, std::string_view programFolderText,
                    std::int16_t Index);

// Shift + left button alone swaps the visible picture and the hidden one.
void Imgabout_MouseDown(ui::Picture& Imgabout0, ui::Picture& Imgabout1, std::int16_t Index,
                        ui::MouseButton Button, int Shift, double X, double Y);

}  // namespace orvel::panel
