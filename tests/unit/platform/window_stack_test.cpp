#include "platform/ui/window_stack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvel::ui {
namespace {

// Pixels: a laptop and a projector to its right.
constexpr Bounds kLaptop{0, 0, 1280, 800};
constexpr Bounds kProjector{1280, 0, 1024, 768};
// A kept window near the projector's top.
constexpr Bounds kKept{1400, 20, 740, 60};

// Another program's window of this class, where it lies, with one fact of it true.
StackedWindow Other(const char* className, Bounds rect, bool StackedWindow::*fact = nullptr) {
  StackedWindow w;
  w.role = RoleOfClass(className);
  w.rect = rect;
  if (fact) w.*fact = true;
  return w;
}

struct CoverCase {
  const char* what;
  StackedWindow above;
  bool covers;
};

TEST(window_stack_test, only_a_window_that_can_stay_covers_a_kept_one) {
  const Bounds overKept{1380, 0, 300, 200};
  const CoverCase cases[] = {
      {"a whiteboard", Other("Whiteboard", overKept), true},
      {"a window beside it", Other("Whiteboard", {1380, 80, 300, 200}), false},
      {"its right-click menu", Other("#32768", overKept), false},
      {"a tooltip", Other("tooltips_class32", overKept), false},
      {"a drop-down list", Other("ComboLBox", overKept), false},
      {"the on-screen keyboard", Other("OSKMainClass", overKept), false},
      {"input candidates", Other("SoPY_Comp", overKept, &StackedWindow::toolWindow), false},
      {"a no-activate overlay", Other("Overlay", overKept, &StackedWindow::noActivate), false},
      {"an owned palette", Other("Palette", overKept, &StackedWindow::owned), false},
      {"a cloaked window", Other("App", overKept, &StackedWindow::cloaked), false},
      {"a minimised window", Other("App", overKept, &StackedWindow::minimised), false},
      {"our own window", Other("Form", overKept, &StackedWindow::ours), false},
  };
  for (const CoverCase& c : cases) {
    const std::vector<StackedWindow> above{c.above};
    EXPECT_EQ(CoveredByOther(above, kKept), c.covers) << c.what;
  }
}

struct FullScreenCase {
  const char* what;
  bool onProjector, onLaptop;
  std::vector<StackedWindow> stack;  // top first
};

TEST(window_stack_test, full_screen_is_decided_per_monitor_from_the_top_of_the_stack) {
  const StackedWindow slides = Other("screenClass", kProjector, &StackedWindow::owned);
  const StackedWindow presenter =
      Other("PPTFrameClass", kLaptop, &StackedWindow::maximisedWithCaption);
  const StackedWindow everywhere = Other("Progman", {0, 0, 2304, 800});
  const StackedWindow inAWindow = Other("Notepad", {1300, 10, 600, 400});
  const FullScreenCase cases[] = {
      {"presenter view in the foreground on the laptop",
       true,
       false,
       {presenter, slides, everywhere}},
      {"a menu and our strip over the slides",
       true,
       false,
       {Other("#32768", {1300, 10, 200, 300}), Other("Strip", kKept, &StackedWindow::ours),
        slides}},
      {"a window of its own over the slides", false, false, {inAWindow, slides}},
      {"a maximised window with a title bar",
       false,
       false,
       {Other("Notepad", kProjector, &StackedWindow::maximisedWithCaption)}},
      {"a cloaked full-screen window over a small one",
       false,
       false,
       {Other("App", kProjector, &StackedWindow::cloaked), inAWindow}},
      {"minimised slides",
       false,
       false,
       {Other("screenClass", kProjector, &StackedWindow::minimised)}},
      {"a video over both monitors", true, true, {Other("Video", {0, 0, 2304, 800})}},
      {"only the desktop", false, false, {everywhere}},
  };
  for (const FullScreenCase& c : cases) {
    EXPECT_EQ(FullScreenOn(c.stack, kProjector), c.onProjector) << c.what;
    EXPECT_EQ(FullScreenOn(c.stack, kLaptop), c.onLaptop) << c.what;
  }
}

}  // namespace
}  // namespace orvel::ui
