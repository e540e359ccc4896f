#pragma once
// FrmNotices, "通知": today's school notices for this PC, one a line (their span, 级别, 内容 and
// whether they have shown or been answered), and on the status line what is wrong with the
// notice files. Opened by the user from the right-click menu; it changes nothing.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"

namespace orvel::panel {

class FrmNotices : public ui::Form {
 public:
  explicit FrmNotices(ui::Platform& platform);

  ui::ListBox LstNotices;
  ui::Label LblStatus;
  ui::Button CmdClose;

  // The lines to list and the files' problems, each sentence once.
  void ShowNotices(std::vector<std::string> lines, const std::vector<std::string>& problems);
};

}  // namespace orvel::panel
