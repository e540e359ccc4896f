#pragma once
// The about page's links: every address it shows or opens, in one place, and the handlers of
// its labels and pictures.
#include <cstdint>
#include <string_view>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/services.h"

namespace orvel::panel {

inline constexpr std::string_view kWebPage = "https://orvel.example.org/";
inline constexpr std::string_view kShopPage = "https://orvel.example.org/shop";
inline constexpr std::string_view kMailAddress = "orvel@example.org";

// LabAbout(Index): 0 the shop page (hidden show state, owned by the panel), 1 a mail to the
// author (owned by the panel, working folder the program folder), 2 the program folder, 3
// "hlp\readme.txt", 4 "hlp\scdhlp.chm" in it. Any other index does nothing.
void LabAbout_Click(ui::Shell& shell, const ui::Form& panel, std::string_view programFolderText,
                    std::int16_t Index);

// Either picture opens the author's web page.
void Imgabout_Click(ui::Shell& shell, const ui::Form& panel, std::int16_t Index);

// Shift + left button alone swaps the visible picture and the hidden one.
void Imgabout_MouseDown(ui::Picture& Imgabout0, ui::Picture& Imgabout1, std::int16_t Index,
                        ui::MouseButton Button, int Shift, double X, double Y);

}  // namespace orvel::panel
