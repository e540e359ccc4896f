#include "panel/save_refusal_text.h"

#include "platform/text_codec.h"
#include "timetable/program_folder.h"
#include "program/timetable_messages.h"

namespace orvel::panel {
namespace {

// What is wrong, following the place ("第2行第3列", "“字号”一项").
std::string Fault(const FieldRefusal& refusal) {
  switch (refusal.fault) {
    case FieldFault::Comma:
      return "含有半角逗号“,”，读回时会被拆开";
    case FieldFault::LineBreak:
      return "含有换行，读回时会被拆开";
    case FieldFault::LeadingQuote:
      return "以半角引号“\"”开头，读回时会出错";
    case FieldFault::LeadingBlank:
      return refusal.character == "\t" ? "以制表符开头，读回时会丢失" : "以空格开头，读回时会丢失";
    case FieldFault::NotInCodePage:
      return "中的“" + refusal.character + "”无法用本机的文字编码保存";
    case FieldFault::TakenForUtf8:
      return "中的“" + refusal.character + "”保存后会被误当作 UTF-8 文字，读回时变成乱码";
  }
  return {};
}

std::string Advice(FieldFault fault) {
  switch (fault) {
    case FieldFault::Comma:
      return "请改用全角逗号“，”。";
    case FieldFault::LineBreak:
      return "请把文字写在一行里。";
    case FieldFault::LeadingQuote:
      return "请改用全角引号“”。";
    case FieldFault::LeadingBlank:
      return "请删去开头的空白。";
    case FieldFault::NotInCodePage:
      return "请删去它或换成其他字。";
    case FieldFault::TakenForUtf8:
      return "请在课表里多写几个常用汉字（如“星期一”）后再保存。";
  }
  return {};
}

std::string SettingName(SettingsText field) {
  switch (field) {
    case SettingsText::ScdFileName:
      return "课表文件名";
    case SettingsText::FontName:
      return "字体";
    case SettingsText::FontSize:
      return "字号";
    case SettingsText::TextEffect:
      return "文字效果";
  }
  return {};
}

}  // namespace

std::string TimetableRefusalText(std::string_view scdFileName, const UnwritableCell& cell) {
  return FillIn(
      "当前课表“{}”未被保存：第{}行第{}列{}。\n{}",
      {scdFileName, cell.row + 1, cell.col + 1, Fault(cell.refusal), Advice(cell.refusal.fault)});
}

std::string InvalidFileNameText(std::string_view scdFileName) {
  if (WindowsFileNameFault(scdFileName) != FileNameFault::DeviceName)
    return std::string(kInvalidFileNameText);
  return program::UnusableNameProblem(scdFileName) + "请换一个名字！";
}

std::string DayFieldRefusalText(std::string_view field, const FieldRefusal& refusal) {
  return "“" + std::string(field) + "”一项" + Fault(refusal) + "。\n" + Advice(refusal.fault);
}

std::string DayLineRefusalText(int line, const FieldRefusal& refusal) {
  const std::string advice =
      refusal.fault == FieldFault::TakenForUtf8 ? "请修改这一行后再保存。" : Advice(refusal.fault);
  return "第" + std::to_string(line) + "行" + Fault(refusal) + "。\n" + advice;
}

std::string SettingsRefusalText(const UnwritableSetting& setting) {
  // A file name is changed with save as, not typed here.
  std::string advice = Advice(setting.refusal.fault);
  if (setting.field == SettingsText::ScdFileName)
    advice = "请先用“另存”换一个文件名，再保存设置。";
  else if (setting.refusal.fault == FieldFault::TakenForUtf8)
    advice = "请修改这一项后再保存。";
  return FillIn("当前设置未被保存：“{}”一项{}。\n{}",
                {SettingName(setting.field), Fault(setting.refusal), advice});
}

}  // namespace orvel::panel
