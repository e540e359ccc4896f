// The right-click menu's 课堂条 and 语音提醒 in both editions: the spoken reminder at the
// reminder second, the notice when the PC has no Chinese voice, the modes kept in classroom.ini;
// and a countdown added in 调课与放假.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/grid_program.h"
#include "classic_fixture.h"
#include "desktop/frm_tips.h"
#include "panel/frm_days.h"
#include "platform/file_io.h"
#include "platform/headless/user_actions.h"
#include "platform/text_codec.h"
#include "program_fixture.h"

namespace orvel::test {
namespace {

using namespace std::chrono;

constexpr int kSecondBeforeReminder = 8 * 3600 + 51 * 60 + 59;  // 语文 starts at 8:55

std::string Bytes(const std::filesystem::path& file) {
  return ReadWholeFile(file, 1 << 20).bytes;
}

class ClassroomTest : public ::testing::Test {
 public:
  // The grid edition in a folder of its own, highlighting on, at 8:51:59 of a Tuesday whose
  // second period is 语文.
  struct Program {
    Program(const std::string& remind, std::string_view classroom) {
      WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
      SettingsFile settings;
      settings.highlight = "1";
      settings.remind = remind;
      settings.area = "1";
      settings.Write(folder.path());
      if (!classroom.empty()) WriteAnsiFile(folder.path() / "classroom.ini", classroom);
      platform.SetNow(kTuesday, kSecondBeforeReminder);
      Restart();
    }
    void Restart() {
      program.reset();
      program = std::make_unique<app::GridProgram>(platform);
      program->Start();
    }
    std::vector<std::string> Spoken() {
      std::vector<std::string> texts;
      for (const headless::SpeechRecord& r : platform.speech().Requests()) texts.push_back(r.text);
      return texts;
    }

    ProgramFolder folder;
    headless::HeadlessPlatform platform{folder.path()};
    std::unique_ptr<app::GridProgram> program;
  };

 protected:
  void Start(const std::string& remind, std::string_view classroom = {}) {
    run = std::make_unique<Program>(remind, classroom);
  }
  // The right-click menu with the item of `caption` chosen, wherever it is (none for ""); the
  // menu as it was shown.
  headless::ShownMenu Choose(const std::string& caption) {
    run->platform.dialogs().QueueMenuCaption(caption);
    EXPECT_TRUE(headless::RightClickCell(run->platform, run->program->window().MSFlexGrid1, 1, 2));
    return run->platform.dialogs().Menus().back();
  }
  std::filesystem::path Classroom() const { return run->folder.path() / "classroom.ini"; }
  headless::HeadlessPlatform& platform() { return run->platform; }
  program::ProgramState& state() { return run->program->state(); }

  std::unique_ptr<Program> run;
};

TEST(ClassroomSpeechTest, the_reminder_is_spoken_at_its_second_beside_popup_or_balloon) {
  struct Case {
    const char* remind;
    const char* classroom;
    std::vector<std::string> spoken;
  } cases[] = {
      {"1", "speech=on", {"下节课，语文"}},
      {"2", "speech=on", {"下节课，语文"}},
      {"0", "speech=on", {}},  // no reminder, nothing said
      {"1", "", {}},           // off by default
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.remind) + " " + c.classroom);
    ClassroomTest::Program run(c.remind, c.classroom);
    const std::int64_t start = run.platform.clock().SteadyMs();
    run.platform.Advance(1);  // 8:52:00
    EXPECT_EQ(run.Spoken(), c.spoken);
    if (!c.spoken.empty()) {
      // Said at the reminder's second.
      const headless::SpeechRecord& said = run.platform.speech().Requests().front();
      EXPECT_TRUE(said.voiced);
      EXPECT_EQ(said.atSteadyMs, start + 1000);
    }
    run.platform.Advance(120);
    EXPECT_EQ(run.Spoken().size(), c.spoken.size());
  }
}

TEST_F(ClassroomTest, turning_speech_on_needs_a_chinese_voice_and_is_kept_in_classroom_ini) {
  Start("1");
  EXPECT_EQ(Choose("").checked, (std::vector<std::string>{"全屏时显示"}));

  // No Chinese voice: the notice once, still off, nothing written.
  platform().speech().SetChineseVoice(false);
  Choose("语音提醒");
  EXPECT_FALSE(state().classroom.speech);
  platform().Advance(1);  // the answer comes, and with it 8:52:00's reminder, unspoken
  EXPECT_FALSE(state().classroom.speech);
  const headless::ShellIconRecord* icon = platform().tray().Icon(run->program->window());
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(AnsiToUtf8(icon->balloonTextAnsi), "此电脑没有中文语音，语音提醒无法使用。");
  EXPECT_EQ(AnsiToUtf8(icon->balloonTitleAnsi), "语音提醒");
  EXPECT_FALSE(std::filesystem::exists(Classroom()));
  EXPECT_TRUE(run->Spoken().empty());

  // With one: on, checked, kept.
  platform().speech().SetChineseVoice(true);
  Choose("语音提醒");
  platform().Advance(1);
  EXPECT_TRUE(state().classroom.speech);
  EXPECT_EQ(Bytes(Classroom()), "strip=fullscreen\r\nspeech=on\r\n");
  EXPECT_EQ(Choose("").checked, (std::vector<std::string>{"全屏时显示", "语音提醒"}));

  // Off again at once, without asking for a voice.
  Choose("语音提醒");
  EXPECT_FALSE(state().classroom.speech);
  EXPECT_EQ(Bytes(Classroom()), "strip=fullscreen\r\nspeech=off\r\n");
  EXPECT_EQ(platform().speech().Lookups(), 2);
}

TEST_F(ClassroomTest, speech_kept_on_without_a_chinese_voice_is_off_for_the_run_and_said_once) {
  Start("1", "speech=on");
  platform().speech().SetChineseVoice(false);
  run->Restart();
  platform().Advance(1);  // the lookup's answer, and 8:52:00's reminder
  EXPECT_TRUE(run->Spoken().empty());
  EXPECT_EQ(Choose("").checked, (std::vector<std::string>{"全屏时显示"}));
  platform().Advance(120);
  int told = 0;
  for (const headless::TrayOp& op : platform().tray().Ops())
    told += AnsiToUtf8(op.record.balloonTextAnsi) == "此电脑没有中文语音，语音提醒无法使用。";
  EXPECT_EQ(told, 1);
  // classroom.ini keeps what it says, for a PC that gets a voice later.
  EXPECT_EQ(Bytes(Classroom()), "speech=on");
  // Asked for again, with a voice now: on, and spoken.
  platform().speech().SetChineseVoice(true);
  Choose("语音提醒");
  platform().Advance(1);
  EXPECT_EQ(Choose("").checked, (std::vector<std::string>{"全屏时显示", "语音提醒"}));
}

TEST_F(ClassroomTest, the_strips_mode_is_chosen_checked_and_kept_only_when_it_changes) {
  Start("1", "stripLeft=-28800\r\nstripTop=300\r\n");
  const headless::ShownMenu first = Choose("始终显示");
  EXPECT_EQ(first.captions,
            (std::vector<std::string>{"控制面板...", "导入课表...", "导出为 CSES...",
                                      "调课与放假...", "考试安排...", "考试看板", "通知",
                                      "课堂条", "语音提醒", "校时...", "立即校时", "对齐铃声",
                                      "退出"}));
  EXPECT_EQ(first.submenus.at("课堂条"),
            (std::vector<std::string>{"关", "全屏时显示", "始终显示"}));
  EXPECT_EQ(first.chosenCaption, "始终显示");
  // The strip's place is written back with the mode.
  EXPECT_EQ(Bytes(Classroom()),
            "strip=always\r\nstripLeft=-28800\r\nstripTop=300\r\nspeech=off\r\n");
  EXPECT_EQ(Choose("关").checked, (std::vector<std::string>{"始终显示"}));
  EXPECT_EQ(state().classroom.strip, StripMode::Off);
  std::filesystem::remove(Classroom());
  EXPECT_EQ(Choose("关").checked, (std::vector<std::string>{"关"}));
  EXPECT_FALSE(std::filesystem::exists(Classroom()));  // no change, nothing written

  // The next start shows what the file says.
  Choose("全屏时显示");
  run->Restart();
  EXPECT_EQ(state().classroom.strip, StripMode::FullScreen);
  EXPECT_EQ(Choose("").checked, (std::vector<std::string>{"全屏时显示"}));

  // A file that cannot be written: the mode holds for this run, and the user hears why.
  std::filesystem::permissions(Classroom(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const std::string kept = Bytes(Classroom());
  Choose("关");
  EXPECT_EQ(state().classroom.strip, StripMode::Off);
  EXPECT_EQ(Bytes(Classroom()), kept);
  const headless::ShellIconRecord* icon = platform().tray().Icon(run->program->window());
  ASSERT_NE(icon, nullptr);
  EXPECT_NE(AnsiToUtf8(icon->balloonTextAnsi).find("未能保存 classroom.ini"), std::string::npos);
  // Told once a run, however often it fails again.
  Choose("始终显示");
  Choose("关");
  platform().Advance(60);
  int told = 0;
  for (const headless::TrayOp& op : platform().tray().Ops())
    told += AnsiToUtf8(op.record.balloonTextAnsi).find("未能保存") != std::string::npos &&
            op.kind == headless::TrayOpKind::Modify;
  EXPECT_EQ(told, 1);
  std::filesystem::permissions(Classroom(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST_F(ClassroomTest, a_countdown_added_in_the_days_window_is_in_days_csv_and_decides_the_day) {
  Start("1");
  Choose("调课与放假...");
  auto* days = dynamic_cast<panel::FrmDays*>(platform().FindForm("FrmDays"));
  ASSERT_NE(days, nullptr);
  days->CmbKind.UserChoose(6);
  ASSERT_EQ(days->CmbKind.Text(), "倒计时");
  EXPECT_TRUE(days->TxtValue1.Visible());
  EXPECT_EQ(days->LblValue1.Caption(), "名称");
  days->DtpDate.SetValue(2010y / June / 7);
  days->CmdAdd.UserClick();  // without a name: refused
  ASSERT_FALSE(platform().dialogs().Messages().empty());
  EXPECT_EQ(platform().dialogs().Messages().back().text, "请填写倒计时的名称（如“高考”）。");
  const std::filesystem::path list = run->folder.path() / "days.csv";
  EXPECT_FALSE(std::filesystem::exists(list));

  ASSERT_TRUE(headless::TypeInto(platform(), days->TxtValue1, "高考"));
  days->CmdAdd.UserClick();
  EXPECT_EQ(Bytes(list), *Utf8ToAnsiExact("2010-06-07,倒计时,高考\r\n"));
  EXPECT_EQ(days->LstDays.Items(), (std::vector<std::string>{"2010-06-07 星期一  倒计时 高考"}));
  const clock::SchoolDay& today = state().days.On(kTuesday, state().live.area);
  ASSERT_TRUE(today.countdown);
  EXPECT_EQ(today.countdown->name, "高考");
  EXPECT_EQ(today.countdown->daysLeft, 279);
}

TEST(ClassroomClassicTest, the_classic_edition_gives_the_no_voice_notice_in_its_popup) {
  ProgramFolder folder;
  WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
  SettingsFile settings;
  settings.lock = "1";  // a right click through an inert box opens the window's menu
  WriteClassicSettings(folder.path(), settings);
  ClassicTestProgram classic(folder.path());
  classic.platform.speech().SetChineseVoice(false);
  classic.Start();
  classic.platform.dialogs().QueueMenuCaption("语音提醒");
  ASSERT_TRUE(headless::RightClickTextBox(classic.platform, CellBox(classic.window(), 1, 2)));
  classic.platform.Advance(1);
  const auto* popup = dynamic_cast<desktop::FrmTips*>(classic.platform.FindForm("frmTips"));
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->tag, "此电脑没有中文语音，语音提醒无法使用。");
  EXPECT_TRUE(classic.platform.sound().Beeps().empty());
  EXPECT_FALSE(classic.program->state().classroom.speech);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "classroom.ini"));
}

}  // namespace
}  // namespace orvel::test
