#include "desktop/c_tool_tip.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "platform/ui/controls.h"

namespace orvel {
namespace {

using desktop::cToolTip;

class c_tool_tip_test : public ::testing::Test {
 protected:
  c_tool_tip_test() : platform_("program"), form_(platform_, "FrmControl", ui::FormStyle::FixedDialog) {}

  const headless::ToolTipRecord& Only() {
    EXPECT_EQ(platform_.tooltips().Records().size(), 1u);
    return platform_.tooltips().Records().back();
  }

  headless::HeadlessPlatform platform_;
  ui::Form form_;
  ui::CheckBox lock_{&form_, "ChkLock", "锁定"};
  ui::ComboBox colours_{&form_, "CmbColSet", false, {"方案1", "方案2", "自定义"}};
};

TEST_F(c_tool_tip_test, create_needs_a_loaded_form_and_applies_the_default_width) {
  cToolTip tip(platform_.tooltips());
  EXPECT_EQ(tip.MaxWidth(), 300);
  EXPECT_FALSE(tip.Create(form_));  // no window yet
  EXPECT_FALSE(tip.Created());
  EXPECT_FALSE(tip.AddControl(lock_, "锁定课表，防止修改", true));
  EXPECT_EQ(tip.VisibleTime(), 0);

  form_.Show();
  ASSERT_TRUE(tip.Create(form_));
  EXPECT_EQ(Only().ownerName, "FrmControl");
  EXPECT_EQ(Only().maxWidth, 300);
}

TEST_F(c_tool_tip_test, panel_settings_reach_the_window_and_read_back) {
  form_.Show();
  cToolTip tip(platform_.tooltips());
  ASSERT_TRUE(tip.Create(form_));
  tip.MaxWidth(400);
  tip.VisibleTime(7000);
  tip.DelayTime(500);
  EXPECT_EQ(tip.MaxWidth(), 400);
  EXPECT_EQ(Only().maxWidth, 400);
  EXPECT_EQ(tip.VisibleTime(), 7000);
  EXPECT_EQ(tip.DelayTime(), 500);
  EXPECT_EQ(Only().autoPopMs, 7000);
  EXPECT_EQ(Only().initialMs, 500);
}

TEST_F(c_tool_tip_test, delays_are_clamped_to_sixteen_bits) {
  form_.Show();
  cToolTip tip(platform_.tooltips());
  ASSERT_TRUE(tip.Create(form_));
  tip.VisibleTime(40000);
  tip.DelayTime(-5);
  EXPECT_EQ(tip.VisibleTime(), 32767);
  EXPECT_EQ(tip.DelayTime(), 0);
  tip.VisibleTime(32767);
  tip.DelayTime(0);
  EXPECT_EQ(tip.VisibleTime(), 32767);
  EXPECT_EQ(tip.DelayTime(), 0);
}

TEST_F(c_tool_tip_test, width_set_before_create_is_applied_by_create) {
  form_.Show();
  cToolTip tip(platform_.tooltips());
  tip.MaxWidth(250);
  ASSERT_TRUE(tip.Create(form_));
  EXPECT_EQ(Only().maxWidth, 250);
}

TEST_F(c_tool_tip_test, tools_keep_text_and_centring) {
  form_.Show();
  cToolTip tip(platform_.tooltips());
  ASSERT_TRUE(tip.Create(form_));
  const std::string scheme =
      "选择自定义设置用户配色方案\r\n1-表头色，2-背景色，3-当前星期列，4-当前时间行，\r\n"
      "5-当前节无课，6-当前节有课，7-课间休息，8-文字颜色";
  EXPECT_TRUE(tip.AddControl(lock_, "锁定课表，防止修改", true));
  EXPECT_TRUE(tip.AddControl(colours_, scheme, false));
  const auto& tools = Only().tools;
  ASSERT_EQ(tools.size(), 2u);
  EXPECT_EQ(tools[0].widget, &lock_);
  EXPECT_EQ(tools[0].text, "锁定课表，防止修改");
  EXPECT_TRUE(tools[0].centred);
  EXPECT_EQ(tools[1].widgetName, "CmbColSet");
  EXPECT_EQ(tools[1].text, scheme);
  EXPECT_FALSE(tools[1].centred);
}

TEST_F(c_tool_tip_test, destroy_and_scope_end_remove_the_window) {
  form_.Show();
  {
    cToolTip tip(platform_.tooltips());
    ASSERT_TRUE(tip.Create(form_));
    EXPECT_FALSE(platform_.tooltips().Records()[0].destroyed);
  }
  EXPECT_TRUE(platform_.tooltips().Records()[0].destroyed);

  cToolTip tip(platform_.tooltips());
  ASSERT_TRUE(tip.Create(form_));
  cToolTip moved = std::move(tip);
  EXPECT_FALSE(platform_.tooltips().Records()[1].destroyed);
  moved.Destroy();
  EXPECT_TRUE(platform_.tooltips().Records()[1].destroyed);
  EXPECT_FALSE(moved.AddControl(lock_, "x", true));
}

TEST_F(c_tool_tip_test, a_second_create_replaces_the_first_window) {
  form_.Show();
  cToolTip tip(platform_.tooltips());
  ASSERT_TRUE(tip.Create(form_));
  ASSERT_TRUE(tip.Create(form_));
  ASSERT_EQ(platform_.tooltips().Records().size(), 2u);
  EXPECT_TRUE(platform_.tooltips().Records()[0].destroyed);
  EXPECT_FALSE(platform_.tooltips().Records()[1].destroyed);
}

TEST_F(c_tool_tip_test, the_window_goes_with_its_owner_form) {
  form_.Show();
  cToolTip tip(platform_.tooltips());
  ASSERT_TRUE(tip.Create(form_));
  tip.VisibleTime(7000);
  form_.Unload();
  EXPECT_TRUE(Only().destroyed);
  EXPECT_EQ(tip.VisibleTime(), 0);  // as a message to a destroyed window answers
  tip.VisibleTime(1000);
  EXPECT_EQ(Only().autoPopMs, 7000);
}

}  // namespace
}  // namespace orvel
