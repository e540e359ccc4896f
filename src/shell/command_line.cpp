#include "shell/command_line.h"

#include <optional>

#include "platform/text_codec.h"
#include "timetable/number_text.h"

namespace orvel::shell {
namespace {

// The switch's name without its "/" or "-", in lower case; nothing for an argument that is none.
std::optional<std::string> SwitchName(std::string_view arg) {
  if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return std::nullopt;
  return AsciiLower(std::string(arg.substr(1)));
}

StartCommand Refused(std::string_view programName, const std::string& problem) {
  StartCommand refused;
  refused.action = StartAction::Refuse;
  refused.problem = problem + "用法：" + std::string(programName) +
                    " [/import 文件 | /export-cses 文件 | /follow 来源 [/class 班级] "
                    "[/every 分钟] [/notices-every 分钟] | /follow off]";
  return refused;
}

// Why a number of minutes for /every (or /notices-every) cannot be taken, or nothing.
std::optional<std::string> MinutesProblem(const std::string& text, bool notices) {
  const int low = notices ? exchange::kMinNoticeMinutes : exchange::kMinRefreshMinutes;
  const int high = notices ? exchange::kMaxNoticeMinutes : exchange::kMaxRefreshMinutes;
  const std::optional<std::int32_t> minutes = ToInt32(text);
  if (!minutes || std::to_string(*minutes) != text || *minutes < low || *minutes > high)
    return std::string(notices ? "通知刷新间隔“" : "刷新间隔“") + text + "”应是 " +
           std::to_string(low) + " 到 " + std::to_string(high) + " 之间的分钟数。";
  return std::nullopt;
}

StartCommand ParseFollow(std::string_view programName, const std::vector<std::string>& args) {
  StartCommand command;
  if (AsciiLower(args[1]) == "off") {
    if (args.size() > 2) return Refused(programName, "多余的参数“" + args[2] + "”。");
    command.action = StartAction::StopFollowing;
    return command;
  }
  command.action = StartAction::Follow;
  command.file = args[1];
  for (std::size_t i = 2; i < args.size(); i += 2) {
    const std::optional<std::string> name = SwitchName(args[i]);
    if (!name || (*name != "class" && *name != "every" && *name != "notices-every"))
      return Refused(programName, "多余的参数“" + args[i] + "”。");
    if (i + 1 >= args.size() || args[i + 1].empty())
      return Refused(programName,
                     "“" + args[i] + "”后面缺少" + (*name == "class" ? "班级名。" : "分钟数。"));
    if (*name == "class") {
      command.className = args[i + 1];
      continue;
    }
    const bool notices = *name == "notices-every";
    if (const std::optional<std::string> problem = MinutesProblem(args[i + 1], notices))
      return Refused(programName, *problem);
    (notices ? command.noticeMinutes : command.minutes) = *ToInt32(args[i + 1]);
  }
  return command;
}

StartCommand ParseInstallSettings(std::string_view programName,
                                  const std::vector<std::string>& args) {
  StartCommand command;
  command.action = StartAction::InstallSettings;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::size_t equals = args[i].find('=');
    const std::string name = AsciiLower(args[i].substr(0, equals));
    if (equals == std::string::npos ||
        (name != "follow" && name != "class" && name != "every" && name != "strip" &&
         name != "speech" && name != "timeservers"))
      return Refused(programName, "不认识的设置“" + args[i] + "”。");
    const std::string value = args[i].substr(equals + 1);
    // An installer passes every property, given or not.
    if (value.empty()) continue;
    const std::optional<std::string> problem =
        name == "every" ? MinutesProblem(value, false) : std::nullopt;
    if (problem) return Refused(programName, *problem);
    command.settings.emplace_back(name, value);
  }
  return command;
}

}  // namespace

StartCommand ParseCommandLine(std::string_view programName, const std::vector<std::string>& args) {
  if (args.empty()) return {};
  const std::optional<std::string> name = SwitchName(args[0]);
  std::optional<StartAction> action;
  if (name == "import") action = StartAction::Import;
  if (name == "export-cses") action = StartAction::ExportCses;
  if (name == "follow") action = StartAction::Follow;
  if (name == "install-settings") return ParseInstallSettings(programName, args);
  if (!action) return Refused(programName, "不认识的参数“" + args[0] + "”。");
  if (args.size() < 2 || args[1].empty())
    return Refused(programName, "“" + args[0] + "”后面缺少" +
                                    (*action == StartAction::Follow ? "课表来源。" : "文件名。"));
  if (*action == StartAction::Follow) return ParseFollow(programName, args);
  if (args.size() > 2) return Refused(programName, "多余的参数“" + args[2] + "”。");
  StartCommand command;
  command.action = *action;
  command.file = args[1];
  return command;
}

}  // namespace orvel::shell
