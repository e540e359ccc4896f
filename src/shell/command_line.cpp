#include "shell/command_line.h"

#include <optional>

#include "platform/text_codec.h"

namespace orvel::shell {
namespace {

std::optional<StartAction> SwitchAction(std::string_view arg) {
  if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return std::nullopt;
  std::string name(arg.substr(1));
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (name == "import") return StartAction::Import;
  if (name == "export-cses") return StartAction::ExportCses;
  return std::nullopt;
}

// `problem` names the argument it is about.
StartCommand Refused(std::string_view programName, std::string_view problem,
                     std::string_view argument) {
  return {StartAction::Refuse,
          {},
          FillIn(FillIn("{}用法：{} [/import 文件 | /export-cses 文件]", {problem, programName}),
                 {argument})};
}

}  // namespace

StartCommand ParseCommandLine(std::string_view programName, const std::vector<std::string>& args) {
  if (args.empty()) return {};
  const std::optional<StartAction> action = SwitchAction(args[0]);
  if (!action) return Refused(programName, "不认识的参数“{}”。", args[0]);
  if (args.size() < 2 || args[1].empty())
    return Refused(programName, "“{}”后面缺少文件名。", args[0]);
  if (args.size() > 2) return Refused(programName, "多余的参数“{}”。", args[2]);
  return {*action, args[1], {}};
}

}  // namespace orvel::shell
