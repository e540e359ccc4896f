// The control panel on real windows: the grid edition (GridProgram on the Win32 backend) in a
// temporary program folder, the panel opened by a double click on the grid, driven through its
// native controls. Dialogs are answered by the test so that nothing waits for a click.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "answering_platform.h"
#include "desktop/auto_start.h"
#include "app/grid_program.h"
#include "panel/frm_control.h"
#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/ui/platform.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

using wintest::FolderPlatform;
using wintest::Pump;
using wintest::PumpFor;

struct Child {
  HWND hwnd;
  std::wstring cls, text;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, 512);
  reinterpret_cast<std::vector<Child>*>(lp)->push_back(Child{hwnd, cls, text});
  return TRUE;
}

std::vector<Child> Children(HWND parent) {
  std::vector<Child> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ChildWithText(HWND parent, const std::wstring& text, const std::wstring& cls = L"Button") {
  for (const Child& c : Children(parent))
    if (c.text == text && _wcsicmp(c.cls.c_str(), cls.c_str()) == 0) return c.hwnd;
  return nullptr;
}

HWND HwndOf(const ui::Widget& w) {
  return dynamic_cast<const win32::ControlPeer&>(*w.peer()).hwnd();
}

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class PanelWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.path() / "scd");
    const std::string table =
        "3,4\r\n节次,时间,星期一,星期二\r\n第一节,8:00-8:45,语文,数学\r\n第二节,8:55-9:40,英语,"
        "物理\r\n";
    std::ofstream(folder.path() / "scd" / "Schedule.csv", std::ios::binary) << Utf8ToAnsi(table);
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
    Pump();
    grid = wintest::ChildOfClass(wintest::FormHwnd(program->window()), win32::kGridClassName);
    ASSERT_NE(grid, nullptr);
  }
  void TearDown() override {
    if (panel && panel->Loaded()) panel->Unload();
    program.reset();
    Pump();
  }

  // A real double click on a cell, through the input queue: the first click lays the editor
  // over the cell and the second lands on it, as on a user's screen.
  void DoubleClickGrid() {
    panelHwnd = nullptr;
    POINT at{20, 10};
    ClientToScreen(grid, &at);
    SetCursorPos(at.x, at.y);
    INPUT inputs[4]{};
    for (int i = 0; i < 4; ++i) {
      inputs[i].type = INPUT_MOUSE;
      inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, inputs, sizeof(INPUT));
    for (int i = 0; i < 50 && !panelHwnd; ++i) {
      PumpFor(20);
      panelHwnd = wintest::OwnWindowStarting(L"课程表设置");
    }
    ASSERT_NE(panelHwnd, nullptr);
    panel = dynamic_cast<panel::FrmControl*>(&win32::FormWindow::FromHwnd(panelHwnd)->form());
    ASSERT_NE(panel, nullptr);
  }
  void Click(HWND button) {
    ASSERT_NE(button, nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
  }
  // A click on a tab label, as the mouse gives it.
  void ClickTab(int index) {
    HWND tab = HwndOf(panel->LblTab[static_cast<std::size_t>(index)]);
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(tab, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    ASSERT_TRUE(panel->FrameSet[static_cast<std::size_t>(index)].Visible()) << index;
  }

  wintest::TempFolder folder;
  FolderPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
  HWND grid = nullptr;
  HWND panelHwnd = nullptr;
  panel::FrmControl* panel = nullptr;
};

TEST_F(PanelWindowTest, a_double_click_on_the_grid_opens_the_panel_with_every_control) {
  DoubleClickGrid();
  EXPECT_EQ(panel->Caption(), "课程表设置 - Schedule.csv");
  wchar_t caption[128] = {};
  GetWindowTextW(panelHwnd, caption, 128);
  EXPECT_STREQ(caption, L"课程表设置 - Schedule.csv");
  // A fixed dialog without minimise and maximise boxes, client 4095 x 4140 twips.
  const LONG style = GetWindowLongW(panelHwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetWindow(panelHwnd, GW_OWNER), nullptr);
  RECT rc{};
  GetClientRect(panelHwnd, &rc);
  const UINT dpi = win32::WindowDpi(panelHwnd);
  EXPECT_NEAR(rc.right, MulDiv(4095, static_cast<int>(dpi), 1440), 1);
  EXPECT_NEAR(rc.bottom, MulDiv(4140, static_cast<int>(dpi), 1440), 1);

  std::set<std::wstring> texts;
  for (const Child& c : Children(panelHwnd)) texts.insert(c.text);
  for (const wchar_t* t :
       {L"文件",     L"界面", L"功能", L"关于", L"锁定", L"折叠", L"透明",     L"有框",
        L"确定",     L"保存", L"退出", L"加载", L"新建", L"另存", L"课表加亮", L"随机自启",
        L"无操作",   L"生成", L"查看", L"行数", L"列数", L"窗口", L"配色",     L"课前提醒方式",
        L"小时关机", L"校历", L"表头", L"背景", L"亮列", L"亮行", L"无课",     L"有课",
        L"课间",     L"字色", L"程序", L"说明", L"帮助"})
    EXPECT_TRUE(texts.count(t)) << Utf8FromPath(std::filesystem::path(t));

  // The lists carry their items.
  HWND layer = HwndOf(panel->CmbTopFloor);
  ASSERT_EQ(SendMessageW(layer, CB_GETCOUNT, 0, 0), 3);
  wchar_t item[64] = {};
  SendMessageW(layer, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"始终在下");
  HWND files = HwndOf(panel->FileSchedule);
  ASSERT_EQ(SendMessageW(files, LB_GETCOUNT, 0, 0), 1);
  SendMessageW(files, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"Schedule.csv");

  // The file page is the one shown; the others follow their hidden frames.
  EXPECT_TRUE(IsWindowVisible(ChildWithText(panelHwnd, L"加载")));
  EXPECT_FALSE(IsWindowVisible(ChildWithText(panelHwnd, L"锁定")));
  EXPECT_FALSE(IsWindowVisible(ChildWithText(panelHwnd, L"生成")));
  ClickTab(2);
  EXPECT_TRUE(IsWindowVisible(ChildWithText(panelHwnd, L"生成")));
  EXPECT_FALSE(IsWindowVisible(ChildWithText(panelHwnd, L"加载")));

  // A second double click only brings it forward.
  DoubleClickGrid();
  EXPECT_EQ(wintest::OwnWindowStarting(L"课程表设置"), panelHwnd);
  EXPECT_TRUE(panel->FrameSet[2].Visible());
}

TEST_F(PanelWindowTest, ticking_lock_disables_the_grid_window) {
  DoubleClickGrid();
  ClickTab(1);
  HWND lock = ChildWithText(panelHwnd, L"锁定");
  ASSERT_TRUE(IsWindowVisible(lock));
  EXPECT_TRUE(IsWindowEnabled(grid));
  Click(lock);
  EXPECT_EQ(SendMessageW(lock, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(panel->ChkLock.Value(), 1);
  EXPECT_FALSE(IsWindowEnabled(grid));
  Click(lock);
  EXPECT_TRUE(IsWindowEnabled(grid));
}

TEST_F(PanelWindowTest, save_settings_writes_the_ini_in_the_program_folder) {
  DoubleClickGrid();
  ClickTab(1);
  Click(ChildWithText(panelHwnd, L"有框"));
  // The save button opens its menu on a left release.
  HWND save = HwndOf(panel->CmdSaveSet);
  SendMessageW(save, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(save, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  ASSERT_EQ(platform.dialogs().menus.size(), 1u);
  EXPECT_EQ(platform.dialogs().menus[0], "mnu_save");
  panel->mnu_save_set_Click();
  const std::string ini = FileBytes(folder.path() / "Orvel2.ini");
  // The font box shows the grid's font only when the system lists it under that name.
  EXPECT_EQ(ini, Utf8ToAnsi("0,0\r\nSchedule.csv\r\n0,0,1,0,0,0\r\n0,0,0,0,0,0,0,0\r\n" +
                            panel->CmbFontName->Text() + ",9,0\r\n0,0,0,0,0\r\n"));
  ASSERT_FALSE(platform.dialogs().messages.empty());
  EXPECT_EQ(platform.dialogs().messages.back().text, "当前设置已保存");
  EXPECT_EQ(platform.dialogs().messages.back().title, "保存成功");
}

TEST_F(PanelWindowTest, generate_writes_the_school_calendar_in_the_ansi_code_page) {
  DoubleClickGrid();
  ClickTab(2);
  // The year of the worked example, added to the list so that the user can choose it.
  panel->CmbYears.AddItem("2009");
  panel->CmbYears.UserChoose(static_cast<int>(panel->CmbYears.Items().size()) - 1);
  Pump();
  Click(ChildWithText(panelHwnd, L"生成"));
  const auto file = folder.path() / "csv" / PathFromUtf8("上海2009~2010学年度校历.csv");
  const std::string bytes = FileBytes(file);
  ASSERT_FALSE(bytes.empty());
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(bytes.substr(at, end - at));
  EXPECT_EQ(at, bytes.size());  // every line ends in CR LF
  ASSERT_EQ(lines.size(), 46u);
  const std::map<std::size_t, std::string> expected = {{1, "上海2009~2010学年度校历,,,,,,,"},
                                                       {2, "第一学期,,,,,,,"},
                                                       {3, "周序,日,一,二,三,四,五,六"},
                                                       {4, "1,,,2009/9/1,2,3,4,5"},
                                                       {5, "2,6,7,8,9,10,11,12"},
                                                       {8, "5,27,28,29,30,10/1,2,3"},
                                                       {21, "18,27,28,29,30,31,2010/1/1,2"},
                                                       {26, "23,31,2010/2/1,2,3,4,5,"},
                                                       {27, "第二学期,,,,,,,"},
                                                       {28, "周序,日,一,二,三,四,五,六"},
                                                       {29, "1,,2010/3/1,2,3,4,5,6"},
                                                       {46, "18,27,28,29,30,"}};
  for (const auto& [line, text] : expected) EXPECT_EQ(lines[line - 1], Utf8ToAnsi(text)) << line;
  const auto& shown = platform.dialogs().messages;
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().title, "校历导出成功");
}

TEST_F(PanelWindowTest, auto_start_writes_the_machine_run_value) {
  if (!wintest::InWinePrefix()) GTEST_SKIP() << "writes the machine's Run key: Wine prefixes only";
  constexpr wchar_t kRun[] = L"software\\microsoft\\windows\\currentversion\\run";
  DoubleClickGrid();
  if (panel->WindowsVersion() == 6.0f) GTEST_SKIP() << "Windows 6.0 uses the start-up shortcut";
  ASSERT_EQ(panel->ChkPowerStart.Value(), 0);
  ClickTab(2);
  Click(ChildWithText(panelHwnd, L"随机自启"));
  Click(ChildWithText(panelHwnd, L"确定"));
  Pump();
  EXPECT_FALSE(IsWindow(panelHwnd));  // OK closes the panel

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  char data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  const LONG read =
      RegQueryValueExA(key, "q7Scd", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegDeleteValueW(key, L"q7Scd");  // leave the prefix as it was
  RegCloseKey(key);
  ASSERT_EQ(read, ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  std::string text(data, size);
  // Whether the stored length counts the terminating zero is the writer's business.
  while (!text.empty() && text.back() == '\0') text.pop_back();
  EXPECT_EQ(AnsiToUtf8(text), desktop::ProgramPathText(platform));
  EXPECT_EQ(desktop::ProgramPathText(platform),
            Utf8FromPath(folder.path()) + "\\" +
                Utf8FromPath(platform.system().ProgramPath().stem()) + ".exe");
}

TEST_F(PanelWindowTest, exit_closes_the_schedule_window_the_icon_and_the_panel) {
  DoubleClickGrid();
  HWND schedule = wintest::FormHwnd(program->window());
  ASSERT_NE(schedule, nullptr);
  Click(ChildWithText(panelHwnd, L"退出"));
  Pump();
  EXPECT_FALSE(IsWindow(panelHwnd));
  EXPECT_FALSE(IsWindow(schedule));
  EXPECT_FALSE(program->window().Loaded());
  EXPECT_EQ(platform.quits, 1);
}

}  // namespace
}  // namespace orvel
