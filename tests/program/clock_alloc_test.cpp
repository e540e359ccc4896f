// The schedule clock's common tick, within one period, touches the heap not at all: the whole
// program on the headless backend, with operator new replaced by a counting one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

#include "app/grid_program.h"
#include "clock/strip_line.h"
#include "grid/grid_clock_apply.h"
#include "program_fixture.h"

namespace {
std::size_t g_allocations = 0;  // the program runs on one thread
bool g_counting = false;
}  // namespace

// GCC pairs malloc in operator new with free in operator delete and cannot tell they match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  if (g_counting) ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace orvel::test {
namespace {

using namespace std::chrono;

// Allocations made while `run` runs.
template <class Fn>
std::size_t Allocations(Fn run) {
  g_allocations = 0;
  g_counting = true;
  run();
  g_counting = false;
  return g_allocations;
}

class ClockAllocTest : public ::testing::Test {
 protected:
  void Start(const std::string& remind, const std::string& area) {
    WriteTimetable(folder.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.highlight = "1";
    settings.remind = remind;
    settings.area = area;
    settings.Write(folder.path());
    platform.SetNow(kTuesday, 8 * 3600 + 10 * 60);
    program = std::make_unique<app::GridProgram>(platform);
    program->Start();
    platform.Advance(2);  // the first ticks write the label and paint the period
  }

  ProgramFolder folder;
  headless::HeadlessPlatform platform{folder.path()};
  std::unique_ptr<app::GridProgram> program;
};

TEST_F(ClockAllocTest, ticks_within_a_period_allocate_nothing) {
  for (const char* area : {"0", "1"}) {
    SCOPED_TRACE(area);
    ProgramFolder own;
    WriteTimetable(own.path(), "Schedule.csv", WeekTable());
    SettingsFile settings;
    settings.highlight = "1";
    settings.remind = "2";
    settings.area = area;
    settings.Write(own.path());
    headless::HeadlessPlatform p(own.path());
    p.SetNow(kTuesday, 8 * 3600 + 10 * 60);
    app::GridProgram prog(p);
    prog.Start();
    p.Advance(2);
    EXPECT_EQ(Allocations([&] { p.Advance(30); }), 0u);
  }
}

TEST_F(ClockAllocTest, the_class_strips_line_allocates_nothing_once_its_text_has_grown) {
  Start("1", "1");
  const grid::GridClockCells cells(program->window().MSFlexGrid1);
  const clock::SchoolDay& today = program->state().days.On(kTuesday, program->state().live.area);
  std::string line;
  const auto hourFromEight = [&] {
    for (int s = 0; s < 3600; ++s) clock::ComposeStripLine(cells, today, 8 * 3600 + s, line);
  };
  hourFromEight();  // a period, the break and the next period: the longest line once
  EXPECT_EQ(Allocations(hourFromEight), 0u);
  EXPECT_EQ(line, "第二节 语文 · 距下课 40:01");
}

TEST_F(ClockAllocTest, a_reminder_tick_is_seen_to_allocate) {
  // The counter works: the popup's text and window are built on the heap.
  Start("1", "0");
  platform.SetNow(kTuesday, 8 * 3600 + 51 * 60 + 59);
  EXPECT_GT(Allocations([&] { platform.Advance(1); }), 0u);
  ASSERT_NE(platform.FindForm("frmTips"), nullptr);
}

}  // namespace
}  // namespace orvel::test
