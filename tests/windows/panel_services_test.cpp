// The tooltip window and auto-start on the real system: a tooltips_class32 window owned by the
// form, the machine Run value and a start-up style shortcut in the test's own folder.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "desktop/auto_start.h"
#include "desktop/c_tool_tip.h"
#include "platform/file_io.h"
#include "platform/ui/controls.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/form_window.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

struct FindTip {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTip(HWND hwnd, LPARAM lp) {
  auto* find = reinterpret_cast<FindTip*>(lp);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (std::wstring(cls) == L"tooltips_class32" && GetWindow(hwnd, GW_OWNER) == find->owner)
    find->found.push_back(hwnd);
  return TRUE;
}

// The tooltip windows this thread owns under the form.
std::vector<HWND> TipsOf(HWND form) {
  FindTip find{form, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectTip, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

HWND HwndOf(const ui::Widget& w) {
  return dynamic_cast<const win32::ControlPeer&>(*w.peer()).hwnd();
}

class PanelForm : public ui::Form {
 public:
  explicit PanelForm(ui::Platform& p) : Form(p, "FrmControl", ui::FormStyle::FixedDialog) {
    SetClientSize(4095, 4140);
    lock.Move(300, 500, 1200, 300);
    colours.Move(300, 1000, 1500, 300);
  }
  ui::CheckBox lock{this, "ChkLock", "锁定"};
  ui::ComboBox colours{this, "CmbColSet", false, {"方案1", "方案2", "自定义"}};
};

class win32_tooltip_test : public ::testing::Test {
 protected:
  void SetUp() override {
    panel.Show();
    wintest::Pump();
    form = wintest::FormHwnd(panel);
    ASSERT_TRUE(form);
  }
  void TearDown() override { panel.Unload(); }

  win32::Win32Platform platform;
  PanelForm panel{platform};
  HWND form = nullptr;
};

TEST_F(win32_tooltip_test, window_width_delays_and_tools_as_the_panel_sets_them) {
  desktop::cToolTip tip(platform.tooltips());
  ASSERT_TRUE(tip.Create(panel));
  const auto tips = TipsOf(form);
  ASSERT_EQ(tips.size(), 1u);
  const HWND h = tips[0];
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
  EXPECT_EQ(style & TTS_BALLOON, 0);

  const UINT dpi = win32::FormWindow::Of(panel)->dpi();
  EXPECT_EQ(SendMessageW(h, TTM_GETMAXTIPWIDTH, 0, 0), MulDiv(300, static_cast<int>(dpi), 96));
  tip.MaxWidth(400);
  EXPECT_EQ(SendMessageW(h, TTM_GETMAXTIPWIDTH, 0, 0), MulDiv(400, static_cast<int>(dpi), 96));
  tip.VisibleTime(7000);
  tip.DelayTime(500);
  EXPECT_EQ(tip.VisibleTime(), 7000);
  EXPECT_EQ(tip.DelayTime(), 500);
  EXPECT_EQ(SendMessageW(h, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 7000);
  EXPECT_EQ(SendMessageW(h, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
  tip.VisibleTime(40000);
  EXPECT_EQ(SendMessageW(h, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 32767);

  const std::string two = "若下节有课，\r\n则提前三分钟提醒";
  ASSERT_TRUE(tip.AddControl(panel.lock, "锁定课表，防止修改", true));
  ASSERT_TRUE(tip.AddControl(panel.colours, two, false));
  ASSERT_EQ(SendMessageW(h, TTM_GETTOOLCOUNT, 0, 0), 2);

  const struct {
    const ui::Widget* widget;
    UINT flags;
    std::wstring text;
  } expected[] = {{&panel.lock, TTF_IDISHWND | TTF_SUBCLASS | TTF_CENTERTIP, L"锁定课表，防止修改"},
                  {&panel.colours, TTF_IDISHWND | TTF_SUBCLASS, L"若下节有课，\r\n则提前三分钟提醒"}};
  for (UINT i = 0; i < 2; ++i) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.lpszText = text;
    ASSERT_TRUE(SendMessageW(h, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info))) << i;
    const HWND control = HwndOf(*expected[i].widget);
    EXPECT_EQ(info.uFlags, expected[i].flags) << i;
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(control)) << i;
    EXPECT_EQ(info.hwnd, control) << i;
    RECT client{};
    GetClientRect(control, &client);
    EXPECT_TRUE(EqualRect(&info.rect, &client)) << i;
    EXPECT_EQ(std::wstring(text), expected[i].text) << i;
  }

  tip.Destroy();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_TRUE(TipsOf(form).empty());
}

TEST_F(win32_tooltip_test, the_window_goes_with_the_form_and_the_object_survives_it) {
  desktop::cToolTip tip(platform.tooltips());
  ASSERT_TRUE(tip.Create(panel));
  ASSERT_EQ(TipsOf(form).size(), 1u);
  const HWND h = TipsOf(form)[0];
  panel.Unload();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(tip.VisibleTime(), 0);
  tip.DelayTime(100);  // no window: nothing happens
  EXPECT_FALSE(tip.AddControl(panel.lock, "x", true));
  tip.Destroy();
}

std::wstring ReadRunValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"software\\microsoft\\windows\\currentversion\\run", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return L"<no key>";
  wchar_t data[1024] = {};
  DWORD bytes = sizeof(data) - sizeof(wchar_t), type = 0;
  const LONG rc =
      RegQueryValueExW(key, L"q7Scd", nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return L"<no value>";
  if (type != REG_SZ) return L"<not REG_SZ>";
  return data;
}

TEST(win32_auto_start_test, registry_mode_writes_and_clears_the_machine_run_value) {
  if (!wintest::InWinePrefix()) GTEST_SKIP() << "writes the machine's Run key: Wine prefixes only";
  win32::Win32Platform platform;
  const float win7 = 6.1f;
  const std::string program = desktop::ProgramPathText(platform);
  // The test program's own path, by the folder-prefix rule.
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  EXPECT_EQ(PathFromUtf8(program), std::filesystem::path(module));

  EXPECT_EQ(ReadRunValue(), L"<no value>");
  EXPECT_FALSE(desktop::AutoStartIsOn(platform, win7));
  desktop::ApplyAutoStart(platform, win7, 1, 0);
  EXPECT_EQ(ReadRunValue(), std::wstring(module));
  EXPECT_TRUE(desktop::AutoStartIsOn(platform, win7));
  desktop::ApplyAutoStart(platform, win7, 0, 1);
  EXPECT_EQ(ReadRunValue(), L"<no value>");
  EXPECT_FALSE(desktop::AutoStartIsOn(platform, win7));
}

TEST(win32_auto_start_test, shortcut_points_at_the_program) {
  win32::Win32Platform platform;
  wintest::TempFolder temp;
  const std::filesystem::path link = temp.path() / L"课程表.lnk";
  const std::string program = desktop::ProgramPathText(platform);
  EXPECT_EQ(desktop::GetTargetPath(platform.shortcuts(), link), "");
  ASSERT_TRUE(desktop::AddStartupShortcut(platform.shortcuts(), link, program));
  EXPECT_TRUE(std::filesystem::is_regular_file(link));
  EXPECT_EQ(desktop::GetTargetPath(platform.shortcuts(), link), program);
  // Not a link at all: empty, never a failure.
  const std::filesystem::path junk = temp.path() / L"junk.lnk";
  std::ofstream(junk, std::ios::binary) << "not a link";
  ASSERT_TRUE(std::filesystem::is_regular_file(junk));
  EXPECT_EQ(desktop::GetTargetPath(platform.shortcuts(), junk), "");
}

}  // namespace
}  // namespace orvel
