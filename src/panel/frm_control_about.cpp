// FrmControl, about page: the links of the labels and pictures.
#include "panel/about_links.h"
#include "panel/frm_control.h"
#include "platform/file_io.h"
#include "platform/ui/platform.h"

namespace orvel::panel {

void FrmControl::LabAbout_Click(std::int16_t Index) {
  panel::LabAbout_Click(state_.platform.shell(), *this, Utf8FromPath(state_.executableFolder),
                        Index);
}

void FrmControl::Imgabout_Click(std::int16_t Index) {
  panel::Imgabout_Click(state_.platform.shell(), *this, Utf8FromPath(state_.executableFolder),
                        Index);
}

void FrmControl::Imgabout_MouseDown(std::int16_t Index, ui::MouseButton Button, int Shift, double X,
                                    double Y) {
  panel::Imgabout_MouseDown(Imgabout[0], Imgabout[1], Index, Button, Shift, X, Y);
}

}  // namespace orvel::panel
