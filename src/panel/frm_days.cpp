#include "panel/frm_days.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "clock/week_label.h"
#include "panel/save_refusal_text.h"
#include "platform/ui/platform.h"
#include "program/day_lists.h"
#include "program/holiday_files.h"

namespace orvel::panel {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// The designed window, twips.
constexpr double kClientWidth = 6600, kClientHeight = 5340;
constexpr double kRowHeight = 330, kButtonHeight = 375;

// The kinds in the order of CmbKind.
constexpr DayRuleKind kKinds[] = {
    DayRuleKind::Holiday, DayRuleKind::MakeUpDay, DayRuleKind::Swap,     DayRuleKind::TermStart,
    DayRuleKind::OddWeek, DayRuleKind::EvenWeek,  DayRuleKind::Countdown};
// Rules from this many days ago on are listed; older ones stay in the file.
constexpr int kDaysShownBefore = 30;

std::vector<std::string> WeekdayNames() {
  std::vector<std::string> names;
  for (int day = 1; day <= 7; ++day) names.emplace_back(WeekdayName(day));
  return names;
}

// "2026-10-10 星期六  补班，按星期二上课（单周）".
std::string ItemText(const DayRule& rule) {
  std::string what;
  switch (rule.kind) {
    case DayRuleKind::Holiday:
      what = rule.name.empty() ? "放假" : "放假 " + rule.name;
      break;
    case DayRuleKind::MakeUpDay:
      what = "补班，按" + std::string(WeekdayName(rule.weekday)) + "上课";
      if (rule.half == WeekParity::Odd) what += "（单周）";
      if (rule.half == WeekParity::Even) what += "（双周）";
      break;
    case DayRuleKind::Swap:
      what = "调课：" + rule.period + (rule.text.empty() ? " 停课" : " → " + rule.text);
      break;
    case DayRuleKind::TermStart:
      what = "开学（第1周）";
      break;
    case DayRuleKind::OddWeek:
      what = "单周";
      break;
    case DayRuleKind::EvenWeek:
      what = "双周";
      break;
    case DayRuleKind::Countdown:
      what = "倒计时 " + rule.name;
      break;
    case DayRuleKind::NationalDays:
      break;
  }
  return DayDateText(rule.date) + " " +
         std::string(WeekdayName(clock::MondayFirstWeekday(rule.date))) + "  " + what;
}

}  // namespace

FrmDays::FrmDays(program::ProgramState& state, std::function<void()> changed)
    : ui::Form(state.platform, "FrmDays", ui::FormStyle::FixedDialog),
      LstDays(this, "LstDays"),
      LblDate(this, "LblDate"),
      DtpDate(this, "DtpDate"),
      LblKind(this, "LblKind"),
      CmbKind(this, "CmbKind", false, {"放假", "补班", "调课", "开学", "单周", "双周", "倒计时"}),
      LblValue1(this, "LblValue1"),
      TxtValue1(this, "TxtValue1"),
      CmbWeekday(this, "CmbWeekday", false, WeekdayNames()),
      LblValue2(this, "LblValue2"),
      TxtValue2(this, "TxtValue2"),
      CmbHalf(this, "CmbHalf", false, {"每周", "单周", "双周"}),
      CmdAdd(this, "CmdAdd", "添加"),
      CmdDelete(this, "CmdDelete", "删除"),
      ChkNational(this, "ChkNational", "按国家法定节假日放假和补班"),
      LblNational(this, "LblNational"),
      CmdClose(this, "CmdClose", "关闭"),
      state_(state),
      changed_(std::move(changed)) {
  SetCaption(std::string(program::kDaysTitle));
  SetClientSize(kClientWidth, kClientHeight);
  centred = true;

  LstDays.Move(120, 120, 6360, 2460);
  LblDate.Move(120, 2760, 600, kRowHeight);
  LblDate.SetCaption("日期");
  DtpDate.Move(720, 2730, 1800, kRowHeight);
  LblKind.Move(2640, 2760, 600, kRowHeight);
  LblKind.SetCaption("类型");
  CmbKind.Move(3240, 2730, 1200, kRowHeight);
  LblValue1.Move(120, 3240, 600, kRowHeight);
  TxtValue1.Move(720, 3210, 1800, kRowHeight);
  CmbWeekday.Move(720, 3210, 1800, kRowHeight);
  LblValue2.Move(2640, 3240, 600, kRowHeight);
  TxtValue2.Move(3240, 3210, 3240, kRowHeight);
  CmbHalf.Move(3240, 3210, 1200, kRowHeight);
  CmdAdd.Move(4560, 2700, 900, kButtonHeight);
  CmdDelete.Move(5580, 2700, 900, kButtonHeight);
  ChkNational.Move(120, 3780, 4200, kRowHeight);
  // Two lines: the sentence for a year without data is longer than the window is wide.
  LblNational.Move(120, 4170, 6360, 2 * kRowHeight);
  CmdClose.Move(5580, 4800, 900, kButtonHeight);
  for (ui::Label* label : {&LblDate, &LblKind, &LblValue1, &LblValue2, &LblNational})
    label->transparentBack = true;

  onLoad = [this] { Form_Load(); };
  CmbKind.onClick = [this] { CmbKind_Click(); };
  CmdAdd.onClick = [this] { CmdAdd_Click(); };
  CmdDelete.onClick = [this] { CmdDelete_Click(); };
  ChkNational.onClick = [this] { ChkNational_Click(); };
  CmdClose.onClick = [this] { Unload(); };
}

void FrmDays::Form_Load() {
  DtpDate.SetValue(state_.now.date);
  CmbWeekday.SetListIndex(0);
  CmbHalf.SetListIndex(0);
  CmbKind.SetListIndex(0);
  filling_ = true;
  ChkNational.SetValue(state_.days.rules().NationalDaysOn() ? 1 : 0);
  filling_ = false;
  ReadList();
  ShowNationalDays();
}

void FrmDays::ShowNationalDays() {
  LblNational.SetCaption(
      program::NationalDaysStatusText(state_.days.rules(), state_.now.date));
}

void FrmDays::CmbKind_Click() {
  const DayRuleKind kind = kKinds[std::max(CmbKind.ListIndex(), 0)];
  const bool named = kind == DayRuleKind::Holiday || kind == DayRuleKind::Countdown;
  const bool makeUp = kind == DayRuleKind::MakeUpDay;
  const bool swap = kind == DayRuleKind::Swap;
  LblValue1.SetCaption(named ? "名称" : makeUp ? "按星期" : swap ? "节次" : "");
  LblValue2.SetCaption(makeUp ? "单双周" : swap ? "内容" : "");
  TxtValue1.SetVisible(named || swap);
  CmbWeekday.SetVisible(makeUp);
  TxtValue2.SetVisible(swap);
  CmbHalf.SetVisible(makeUp);
}

bool FrmDays::ReadList() {
  DayListRead read = ReadDayList(state_.programFolder / kDayListFileName);
  if (read.status != FileStatus::Ok && read.status != FileStatus::NotFound) {
    Refuse("无法读取 days.csv，请检查它是否正被其他程序使用。");
    return false;
  }
  list_ = std::move(read.list);
  ShowList();
  return true;
}

void FrmDays::ShowList() {
  const sys_days from = sys_days{state_.now.date} - days{kDaysShownBefore};
  shownLines_.clear();
  for (std::size_t i = 0; i < list_.lines.size(); ++i) {
    const std::optional<DayRule>& rule = list_.lines[i].rule;
    if (rule && rule->kind != DayRuleKind::NationalDays && sys_days{rule->date} >= from)
      shownLines_.push_back(i);
  }
  std::stable_sort(shownLines_.begin(), shownLines_.end(), [this](std::size_t a, std::size_t b) {
    return sys_days{list_.lines[a].rule->date} < sys_days{list_.lines[b].rule->date};
  });
  std::vector<std::string> items;
  for (const std::size_t i : shownLines_) items.push_back(ItemText(*list_.lines[i].rule));
  LstDays.SetItems(std::move(items));
}

void FrmDays::Refuse(const std::string& text) {
  state_.platform.dialogs().MessageBox(this, text, std::string(program::kDaysTitle),
                                       ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

void FrmDays::WriteList() {
  const DayListWrite written = WriteDayList(state_.programFolder / kDayListFileName, list_);
  if (written.refused) {
    Refuse("未能保存：days.csv " +
           DayLineRefusalText(written.refused->line, written.refused->refusal));
  } else if (written.status == FileStatus::AccessDenied) {
    Refuse("未能保存：days.csv 是只读文件，或正被其他程序使用。");
  } else if (written.status != FileStatus::Ok) {
    Refuse("未能保存 days.csv，请检查程序所在的文件夹是否可以写入。");
  }
  // What is on disk now, whether the change went in or not.
  if (ReadList() && written.status == FileStatus::Ok && changed_) changed_();
  ShowNationalDays();
}

void FrmDays::CmdAdd_Click() {
  DayRule rule;
  rule.kind = kKinds[std::max(CmbKind.ListIndex(), 0)];
  rule.date = DtpDate.Value();
  switch (rule.kind) {
    case DayRuleKind::Holiday:
      rule.name = TxtValue1.Text();
      break;
    case DayRuleKind::Countdown:
      rule.name = TxtValue1.Text();
      if (rule.name.empty()) {
        Refuse("请填写倒计时的名称（如“高考”）。");
        return;
      }
      break;
    case DayRuleKind::MakeUpDay:
      rule.weekday = std::max(CmbWeekday.ListIndex(), 0) + 1;
      rule.half = CmbHalf.ListIndex() == 1   ? WeekParity::Odd
                  : CmbHalf.ListIndex() == 2 ? WeekParity::Even
                                             : WeekParity::Unknown;
      break;
    case DayRuleKind::Swap:
      rule.period = TxtValue1.Text();
      rule.text = TxtValue2.Text();
      if (rule.period.empty()) {
        Refuse("请填写要调的节次：第一列的名称（如“第三节”）或第几节（如“3”）。");
        return;
      }
      break;
    default:
      break;
  }
  for (const auto& [field, name] : {std::pair{&rule.name, "名称"}, std::pair{&rule.period, "节次"},
                                    std::pair{&rule.text, "内容"}}) {
    if (const std::optional<FieldRefusal> refusal = RefuseDayRuleText(*field)) {
      Refuse("未添加：" + DayFieldRefusalText(name, *refusal));
      return;
    }
  }
  if (!ReadList()) return;
  list_.lines.push_back({DayRuleLine(rule), rule, false});
  WriteList();
}

void FrmDays::CmdDelete_Click() {
  const int index = LstDays.ListIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= shownLines_.size()) {
    Refuse("请先在列表中选定要删除的一项。");
    return;
  }
  // The line as shown, found again in the file as it is now.
  const DayLine shown = list_.lines[shownLines_[static_cast<std::size_t>(index)]];
  if (!ReadList()) return;
  const auto found = std::find(list_.lines.begin(), list_.lines.end(), shown);
  if (found == list_.lines.end()) return;
  list_.lines.erase(found);
  WriteList();
}

void FrmDays::ChkNational_Click() {
  if (filling_ || !ReadList()) return;
  std::erase_if(list_.lines, [](const DayLine& line) {
    return line.rule && line.rule->kind == DayRuleKind::NationalDays;
  });
  // A line only where the wish differs from what the school's list says.
  const DayListRead school = ReadDayList(state_.programFolder / kSchoolDayListFileName);
  const bool schoolOn = clock::DayRules::FromLists(&school.list, DayList{}).NationalDaysOn();
  const bool on = ChkNational.Value() == 1;
  if (on != schoolOn) {
    DayRule rule;
    rule.kind = DayRuleKind::NationalDays;
    rule.nationalDaysOn = on;
    list_.lines.push_back({DayRuleLine(rule), rule, false});
  }
  WriteList();
}

}  // namespace orvel::panel
