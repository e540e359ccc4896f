// The CSES import of files up to the import's 1 MB cap, of the shapes that once froze it: one
// schedule aliased many times over a long day list, a schedule of thousands of junk keys aliased
// as often, collections nested half a million deep, and a large timetable as a school could write
// it. Each file is generated here; the counter "refused" is 1 when the import refused the file.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <string>

#include "exchange/cses.h"
#include "exchange/cses_file.h"

namespace {

using orvel::exchange::CsesImport;
using orvel::exchange::ImportCses;
using orvel::exchange::kMaxCsesFileBytes;

// A day list of 250,000 items, and one schedule over it named 160,000 times more.
std::string AliasedDayList() {
  std::string yaml =
      "version: 2\nconfiguration: {cycle: {spans: [{activity: work, count: 5}, {activity: rest, "
      "count: 2}]}}\nsubjects: [{name: 数学}]\nd: &d [1";
  for (int i = 1; i < 250000; ++i) yaml += ",1";
  yaml += "]\nschedules: [&s {enable_day: *d, classes: []}";
  for (int i = 0; i < 160000; ++i) yaml += ",*s";
  return yaml + "]\n";
}

// A version 1 schedule of 20,000 junk keys before the ones the import reads, named 20,000 times.
std::string AliasedJunkKeys() {
  std::string yaml = "version: 1\nsubjects: [{name: 数学}]\nschedules: [&s {";
  for (int i = 0; i < 20000; ++i) yaml += "k" + std::to_string(i) + ": 0, ";
  yaml += "enable_day: 1, weeks: all, classes: []}";
  for (int i = 1; i < 20000; ++i) yaml += ",*s";
  return yaml + "]\n";
}

// 1 MB of flow sequences, each inside the last.
std::string NestedSequences() {
  return std::string(500000, '[') + std::string(500000, ']') + "\n";
}

// Thousands of subjects all at one time on one day, their class list named by four more
// schedules of that day: one cell of every subject, as large as the class bound lets it be.
std::string OneCellManySubjects() {
  constexpr int kSubjects = 16000;
  std::string yaml = "version: 1\nsubjects: [";
  for (int s = 0; s < kSubjects; ++s)
    yaml += (s ? ", {name: s" : "{name: s") + std::to_string(s) + "}";
  yaml += "]\nschedules:\n- {enable_day: 1, weeks: all, classes: &c [";
  for (int s = 0; s < kSubjects; ++s) {
    yaml +=
        (s ? ", {subject: s" : "{subject: s") + std::to_string(s) + ", start_time: 1, end_time: 2}";
  }
  yaml += "]}\n";
  for (int k = 0; k < 4; ++k) yaml += "- {enable_day: 1, weeks: all, classes: *c}\n";
  return yaml;
}

// A valid timetable just under 1 MB: 40 subjects, every day of odd and even weeks full of
// classes at 250 times, each class written out in block style with the keys other programs add.
std::string LargeTimetable() {
  std::string yaml = "version: 1\nsubjects:\n";
  for (int s = 0; s < 40; ++s) {
    yaml += "  - name: 科目" + std::to_string(s) + "\n    teacher: 老师" + std::to_string(s) +
            "\n    room: \"" + std::to_string(100 + s) + "\"\n";
  }
  yaml += "schedules:\n";
  int n = 0;
  for (;;) {
    for (int day = 1; day <= 7; ++day) {
      for (const char* weeks : {"odd", "even"}) {
        std::string schedule = "  - name: 第" + std::to_string(day) +
                               "天\n    enable_day: " + std::to_string(day) +
                               "\n    weeks: " + weeks + "\n    classes:\n";
        for (int k = 0; k < 40; ++k, ++n) {
          const int start = 6 * 3600 + (n % 250) * 240;
          char line[160];
          std::snprintf(line, sizeof line,
                        "      - subject: 科目%d\n        start_time: \"%02d:%02d:00\"\n"
                        "        end_time: \"%02d:%02d:00\"\n        room: \"%d\"\n",
                        n % 40, start / 3600, start / 60 % 60, (start + 180) / 3600,
                        (start + 180) / 60 % 60, 100 + n % 40);
          schedule += line;
        }
        if (yaml.size() + schedule.size() > kMaxCsesFileBytes) return yaml;
        yaml += schedule;
      }
    }
  }
}

void Import(benchmark::State& state, const std::string& yaml) {
  bool refused = false;
  for (auto _ : state) {
    const CsesImport result = ImportCses(yaml);
    refused = !result.timetable;
    benchmark::DoNotOptimize(result);
  }
  state.counters["bytes"] = static_cast<double>(yaml.size());
  state.counters["refused"] = refused ? 1 : 0;
}

void BM_AliasedDayList(benchmark::State& state) {
  Import(state, AliasedDayList());
}
void BM_AliasedJunkKeys(benchmark::State& state) {
  Import(state, AliasedJunkKeys());
}
void BM_NestedSequences(benchmark::State& state) {
  Import(state, NestedSequences());
}
void BM_OneCellManySubjects(benchmark::State& state) {
  Import(state, OneCellManySubjects());
}
void BM_LargeTimetable(benchmark::State& state) {
  Import(state, LargeTimetable());
}

BENCHMARK(BM_AliasedDayList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AliasedJunkKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NestedSequences)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneCellManySubjects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeTimetable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
