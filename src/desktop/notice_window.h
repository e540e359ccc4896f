#pragma once
// The urgent notice's window: "紧急通知" and the notice's text in type that reads from the back of
// the room, over the middle of the schedule window's monitor, above full-screen programs and the
// exam board, until someone presses 知道了. It never takes the focus, not even when clicked, so
// that the teacher's slide show keeps the keyboard. The text is a label's, for screen readers.
#include <functional>
#include <string>

#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"

namespace orvel::desktop {

inline constexpr std::string_view kUrgentNoticeTitle = "紧急通知";
inline constexpr std::string_view kAcknowledgeCaption = "知道了";

class NoticeWindow : public ui::Form {
 public:
  // `schedule`, whose monitor the window goes to, and `keeper` must outlive the window.
  NoticeWindow(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper);

  ui::Label LblTitle;
  ui::Label LblText;
  ui::Button CmdAcknowledge;

  // Shows `text`, placed and shown without taking the focus if it was not shown.
  void ShowNotice(const std::string& text);

  // 知道了.
  std::function<void()> onAcknowledge;

 private:
  void Place();
  void Layout();

  const ui::Form& schedule_;
  FrontRegistration inFront_;
};

}  // namespace orvel::desktop
