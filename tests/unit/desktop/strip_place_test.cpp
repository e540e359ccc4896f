#include "desktop/strip_place.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/monitors.h"

namespace orvel::desktop {
namespace {

constexpr double kPx = 15;  // twips a pixel
constexpr double Px(double pixels) {
  return pixels * kPx;
}
// A laptop with a 40-pixel taskbar at the bottom, and a projector to its right.
constexpr ui::Bounds kLaptop{0, 0, Px(1280), Px(760)};
const ui::Bounds kProjector{Px(1280), 0, Px(1024), Px(768)};
// Where the schedule window starts: the top left, wide enough to reach the middle.
constexpr ui::Bounds kScheduleAtStart{Px(20), Px(20), Px(900), Px(300)};
constexpr ui::Bounds kScheduleLowRight{Px(900), Px(500), Px(300), Px(200)};

StripPlace Own(double leftPx, double topPx) {
  return {static_cast<int>(Px(leftPx)), static_cast<int>(Px(topPx))};
}

struct OwnCase {
  const char* what;
  StripPlace own;
  double widthPx;
  double leftPx, topPx;  // where it goes
};

TEST(strip_place_test, an_own_place_is_kept_only_while_the_whole_strip_lies_in_one_work_area) {
  const std::vector<ui::Bounds> areas{kLaptop, kProjector};
  const OwnCase cases[] = {
      {"inside the projector", Own(1400, 700), 740, 1400, 700},
      // Saved at 1920 × 1080; the projector is now 1024 × 768: 24 of 740 pixels remain on it.
      {"a sliver left on the projector", Own(2280, 40), 740, 1564, 40},
      {"across both monitors, mostly on the laptop", Own(800, 40), 740, 540, 40},
      {"over the laptop's taskbar", Own(100, 740), 740, 100, 700},
      {"beyond every monitor", Own(-3000, -500), 740, 0, 0},
      {"a line wider than the projector", Own(1500, 40), 1100, 1280, 40},
  };
  for (const OwnCase& c : cases) {
    const ui::Bounds strip = StripBounds({c.own, Px(c.widthPx), Px(60), kScheduleAtStart, areas});
    EXPECT_EQ(strip.left, Px(c.leftPx)) << c.what;
    EXPECT_EQ(strip.top, Px(c.topPx)) << c.what;
  }
}

TEST(strip_place_test, the_first_place_is_the_top_centre_unless_it_hides_the_schedule_window) {
  const std::vector<ui::Bounds> areas{kLaptop, kProjector};
  const ui::Bounds free = StripBounds({{}, Px(740), Px(60), kScheduleLowRight, areas});
  EXPECT_EQ(free.left, Px(270)) << "centred on the laptop";
  EXPECT_LT(free.top, Px(20));

  const ui::Bounds below = StripBounds({{}, Px(740), Px(60), kScheduleAtStart, areas});
  EXPECT_FALSE(ui::Overlap(below, kScheduleAtStart));
  EXPECT_EQ(below.left, Px(270));
  const double gap = below.top - (kScheduleAtStart.top + kScheduleAtStart.height);
  EXPECT_GE(gap, 0);
  EXPECT_LE(gap, Px(20)) << "just below";

  const ui::Bounds wide = StripBounds({{}, Px(1400), Px(60), kScheduleLowRight, areas});
  EXPECT_EQ(wide.left, 0) << "at the left edge, not off it";

  const ui::Bounds onProjector =
      StripBounds({{}, Px(740), Px(60), {Px(1300), Px(400), Px(600), Px(300)}, areas});
  EXPECT_EQ(onProjector.left, Px(1280 + 142)) << "on the schedule window's monitor";
}

}  // namespace
}  // namespace orvel::desktop
