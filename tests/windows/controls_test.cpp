// The plain controls on a real dialog form: their native windows, and the event rules when the
// user acts on them (the messages the controls themselves send) or code sets them.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/win32/control_peer.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"
#include "window_text.h"

namespace orvel {
namespace {

class ControlsForm : public ui::Form {
 public:
  explicit ControlsForm(ui::Platform& p) : Form(p, "FrmControls", ui::FormStyle::FixedDialog) {
    SetCaption("控件测试");
    SetClientSize(4800, 3600);
    Move(1500, 1500);
    LabA.SetCaption("标签");
    LabA.Move(120, 120, 1500, 300);
    CmdA.Move(120, 480, 1200, 375);
    ChkA.Move(120, 960, 1800, 300);
    TxtA.Move(120, 1320, 1800, 300);
    CmbList.Move(120, 1740, 1800, 300);
    CmbEdit.Move(120, 2160, 1800, 300);
    LabOff.SetCaption("停用");
    LabOff.Move(120, 2640, 1500, 600);
    LabOff.SetEnabled(false);
    FilA.Move(2400, 120, 2200, 1500);
    FrameA.Move(2400, 1800, 2200, 1500);
    LabInFrame.SetCaption("框内");
    LabInFrame.Move(2520, 1920, 1200, 300);
  }

  ui::Label LabA{this, "LabA"};
  ui::Button CmdA{this, "CmdA", "确定"};
  ui::CheckBox ChkA{this, "ChkA", "课表加亮"};
  ui::TextBox TxtA{this, "TxtA"};
  ui::ComboBox CmbList{this, "CmbList", false, {"普通模式", "始终在上", "始终在下"}};
  ui::ComboBox CmbEdit{this, "CmbEdit", true, {"0.1", "0.5", "1"}};
  ui::Label LabOff{this, "LabOff"};
  ui::FileList FilA{this, "FilA"};
  ui::Frame FrameA{this, "FrameA"};
  ui::Label LabInFrame{this, "LabInFrame"};
  ui::Timer TimerA{this, "TimerA", 50, false};
};

HWND ControlHwnd(const ui::Widget& widget) {
  const auto* peer = dynamic_cast<const win32::ControlPeer*>(widget.peer());
  return peer ? peer->hwnd() : nullptr;
}

bool SameClass(HWND hwnd, const wchar_t* expected) {
  return lstrcmpiW(wintest::WindowClass(hwnd).c_str(), expected) == 0;
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

// What a control sends its parent when the user changes it.
void Notify(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
               reinterpret_cast<LPARAM>(control));
}

// Keys as the user types them into an edit window.
void Type(HWND edit, const std::wstring& text) {
  for (wchar_t ch : text) SendMessageW(edit, WM_CHAR, ch, 1);
}

void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  wintest::PumpFor(200);
}

POINT Centre(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    wintest::Pump();
    hwnd = wintest::FormHwnd(form);
    ASSERT_TRUE(hwnd);
  }
  void TearDown() override { form.Unload(); }

  win32::Win32Platform platform;
  ControlsForm form{platform};
  HWND hwnd = nullptr;
};

TEST_F(ControlsTest, every_control_is_a_native_child_of_its_class_with_its_caption) {
  EXPECT_EQ(wintest::WindowCaption(hwnd), L"控件测试");
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CAPTION);

  struct Expected {
    const ui::Widget* widget;
    const wchar_t* windowClass;
    const wchar_t* caption;  // null: not checked
  };
  const std::vector<Expected> all = {
      {&form.LabA, L"Static", L"标签"},      {&form.CmdA, L"Button", L"确定"},
      {&form.ChkA, L"Button", L"课表加亮"},  {&form.TxtA, L"Edit", L""},
      {&form.CmbList, L"ComboBox", nullptr}, {&form.CmbEdit, L"ComboBox", nullptr},
      {&form.LabOff, L"Static", L"停用"},    {&form.FilA, L"ListBox", nullptr},
      {&form.FrameA, L"Static", nullptr},    {&form.LabInFrame, L"Static", L"框内"},
  };
  for (const Expected& e : all) {
    SCOPED_TRACE(e.widget->name());
    HWND control = ControlHwnd(*e.widget);
    ASSERT_TRUE(control);
    EXPECT_EQ(GetParent(control), hwnd);
    EXPECT_TRUE(SameClass(control, e.windowClass)) << wintest::WindowClass(control).size();
    if (e.caption) {
      EXPECT_EQ(wintest::WindowCaption(control), e.caption);
    }
    EXPECT_TRUE(IsWindowVisible(control));
  }
  EXPECT_FALSE(IsWindowEnabled(ControlHwnd(form.LabOff)));
  // Only the editable box has an edit part.
  const auto kind = [](HWND h) { return GetWindowLongPtrW(h, GWL_STYLE) & 3; };
  EXPECT_EQ(kind(ControlHwnd(form.CmbList)), CBS_DROPDOWNLIST);
  EXPECT_EQ(kind(ControlHwnd(form.CmbEdit)), CBS_DROPDOWN);
  EXPECT_EQ(SendMessageW(ControlHwnd(form.CmbList), CB_GETCOUNT, 0, 0), 3);
}

TEST_F(ControlsTest, check_box_click_and_code_both_raise_click_and_show_the_value) {
  HWND box = ControlHwnd(form.ChkA);
  std::vector<int> clicks;  // the value each click handler saw
  form.ChkA.onClick = [&] { clicks.push_back(form.ChkA.Value()); };

  SendMessageW(box, BM_CLICK, 0, 0);
  wintest::Pump();
  EXPECT_EQ(clicks, std::vector<int>{1});
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);

  form.ChkA.SetValue(0);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form.ChkA.SetValue(0);  // no change, no click
  EXPECT_EQ(clicks.size(), 2u);
  form.ChkA.SetValue(1);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ControlsTest, list_choice_by_user_or_code_raises_click_with_the_position) {
  HWND list = ControlHwnd(form.CmbList);
  std::vector<int> clicks;
  form.CmbList.onClick = [&] { clicks.push_back(form.CmbList.ListIndex()); };

  SendMessageW(list, CB_SETCURSEL, 2, 0);
  Notify(list, CBN_SELCHANGE);
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_EQ(form.CmbList.Text(), "始终在下");

  form.CmbList.SetListIndex(1);
  form.CmbList.SetListIndex(1);  // the same position again still counts as a choice
  EXPECT_EQ(clicks, (std::vector<int>{2, 1, 1}));
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(wintest::WindowCaption(list), L"始终在上");

  form.CmbList.SetListIndex(-1);  // clearing is silent
  EXPECT_EQ(clicks.size(), 3u);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ControlsTest, editable_boxes_show_text_set_by_code_silently_and_take_typed_text) {
  HWND combo = ControlHwnd(form.CmbEdit);
  HWND comboEdit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(comboEdit);
  int comboClicks = 0;
  form.CmbEdit.onClick = [&] { ++comboClicks; };

  form.CmbEdit.SetText("0.7");
  EXPECT_EQ(comboClicks, 0);
  EXPECT_EQ(wintest::WindowCaption(combo), L"0.7");
  SendMessageW(comboEdit, EM_SETSEL, 0, -1);
  Type(comboEdit, L"1.5");
  wintest::Pump();
  EXPECT_EQ(form.CmbEdit.Text(), "1.5");
  EXPECT_EQ(form.CmbEdit.ListIndex(), -1);
  EXPECT_EQ(comboClicks, 0);

  HWND edit = ControlHwnd(form.TxtA);
  int changes = 0;
  form.TxtA.onChange = [&] { ++changes; };
  form.TxtA.SetText("语文");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(wintest::WindowCaption(edit), L"语文");
  SendMessageW(edit, EM_SETSEL, 2, 2);
  Type(edit, L"课");
  EXPECT_EQ(form.TxtA.Text(), "语文课");
  EXPECT_EQ(changes, 1);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"数学"));
  EXPECT_EQ(form.TxtA.Text(), "数学");
  EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, file_list_shows_only_the_csv_files_of_its_folder) {
  wintest::TempFolder folder;
  // Wide names: a narrow one would be taken in the ANSI code page, not as UTF-8.
  const auto touch = [&](const wchar_t* name) { std::ofstream(folder.path() / name) << "1,1\r\n"; };
  touch(L"Schedule.csv");
  touch(L"高一.csv");
  touch(L"notes.txt");
  touch(L"old.csv.bak");
  std::filesystem::create_directory(folder.path() / L"dir.csv");

  HWND list = ControlHwnd(form.FilA);
  const auto shown = [&] {
    std::vector<std::wstring> names;
    const LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
      wchar_t buffer[MAX_PATH]{};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
      names.emplace_back(buffer);
    }
    return names;
  };

  form.FilA.SetPath(Utf8(folder.path()));
  EXPECT_EQ(shown(), (std::vector<std::wstring>{L"Schedule.csv", L"高一.csv"}));
  EXPECT_EQ(form.FilA.Items(), (std::vector<std::string>{"Schedule.csv", "高一.csv"}));

  touch(L"Another.csv");
  form.FilA.SetPath(form.FilA.Path());  // setting the folder reads it again
  EXPECT_EQ(shown(), (std::vector<std::wstring>{L"Another.csv", L"Schedule.csv", L"高一.csv"}));

  std::string chosen;
  form.FilA.onClick = [&] { chosen = form.FilA.FileName(); };
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  Notify(list, LBN_SELCHANGE);
  EXPECT_EQ(chosen, "Schedule.csv");
}

TEST_F(ControlsTest, hiding_a_frame_hides_the_controls_inside_it_only) {
  HWND inside = ControlHwnd(form.LabInFrame);
  HWND outside = ControlHwnd(form.LabA);
  form.FrameA.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(ControlHwnd(form.FrameA)));
  EXPECT_FALSE(IsWindowVisible(inside));
  EXPECT_TRUE(IsWindowVisible(outside));
  EXPECT_TRUE(form.LabInFrame.Visible());  // its own state is unchanged

  form.FrameA.SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(inside));

  form.FrameA.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(inside));
  EXPECT_TRUE(IsWindowEnabled(outside));
}

TEST_F(ControlsTest, timer_fires_while_messages_are_pumped_and_stops_when_disabled) {
  int ticks = 0;
  form.TimerA.onTimer = [&] { ++ticks; };
  wintest::PumpFor(200);
  EXPECT_EQ(ticks, 0);  // created disabled

  form.TimerA.SetEnabled(true);
  wintest::PumpFor(500);
  EXPECT_GE(ticks, 3);
  EXPECT_LE(ticks, 11);

  form.TimerA.SetEnabled(false);
  const int stopped = ticks;
  wintest::PumpFor(300);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(ControlsTest, a_disabled_label_lets_the_click_through_to_the_form) {
  int formClicks = 0, labelClicks = 0, offClicks = 0;
  form.onClick = [&] { ++formClicks; };
  form.LabA.onClick = [&] { ++labelClicks; };
  form.LabOff.onClick = [&] { ++offClicks; };
  HWND off = ControlHwnd(form.LabOff);
  const POINT centre = Centre(off);

  const LPARAM at = MAKELPARAM(centre.x, centre.y);
  EXPECT_EQ(SendMessageW(off, WM_NCHITTEST, 0, at), HTTRANSPARENT);

  // A real click (injected input) on each label.
  BringWindowToTop(hwnd);
  wintest::Pump();
  ClickAt(Centre(ControlHwnd(form.LabA)));
  EXPECT_EQ(labelClicks, 1);
  EXPECT_EQ(formClicks, 0);
  ClickAt(centre);
  EXPECT_EQ(offClicks, 0);
  EXPECT_EQ(formClicks, 1);
}

}  // namespace
}  // namespace orvel
