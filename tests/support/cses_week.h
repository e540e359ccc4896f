#pragma once
// A CSES week that the import tests of both the headless and the real window drop: alternating
// weeks on Monday morning, a class on Wednesday and two on Saturday, and the table it becomes.
#include <string>
#include <string_view>
#include <vector>

namespace orvel::test {

constexpr std::string_view kAlternatingWeek = R"(version: 1
subjects:
  - name: 语文
  - name: 数学
  - name: 物理
  - name: 化学
  - name: 体育
schedules:
  - name: 单周星期一
    enable_day: 1
    weeks: odd
    classes:
      - {subject: 物理, start_time: "08:00:00", end_time: "08:45:00"}
  - name: 双周星期一
    enable_day: 1
    weeks: even
    classes:
      - {subject: 化学, start_time: "08:00:00", end_time: "08:45:00"}
  - name: 星期一
    enable_day: 1
    weeks: all
    classes:
      - {subject: 语文, start_time: "08:55:00", end_time: "09:40:00"}
  - name: 星期三
    enable_day: 3
    weeks: all
    classes:
      - {subject: 数学, start_time: "08:00:00", end_time: "08:45:00"}
  - name: 星期六
    enable_day: 6
    weeks: all
    classes:
      - {subject: 数学, start_time: "08:00:00", end_time: "08:45:00"}
      - {subject: 体育, start_time: "08:55:00", end_time: "09:40:00"}
)";

const std::vector<std::vector<std::string>> kAlternatingTable = {
    {"节次", "时间", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
    {"第1节", "8:00-8:45", "物理/化学", "", "数学", "", "", "数学"},
    {"第2节", "8:55-9:40", "语文", "", "", "", "", "体育"},
};

}  // namespace orvel::test
