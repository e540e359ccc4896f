// Orvel2.exe and Schedule.exe started from a command line as a set-up script starts them, each in
// a temporary program folder: the export written without a window and its exit code, a failure's
// exit code and one line on the standard error the script gave, an import that starts the
// window on the imported timetable, and /follow against the test's web server
// (follow_server.py). Exports land in the build folder for the schema check.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "exchange/cses_file.h"
#include "read_cses.h"
#include "shell/exchange_texts.h"
#include "platform/file_io.h"
#include "platform/win32/wide.h"
#include "process_runner.h"
#include "timetable/timetable_reader.h"
#include "win_test_support.h"

namespace orvel {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kRunTimeoutMs = 15000;
constexpr DWORD kCloseGraceMs = 3000;

struct ProgramFile {
  const char* built;  // where the build put it
  const char* name;
};
const ProgramFile kPrograms[] = {{ORVEL2_EXE, "Orvel2"}, {SCHEDULE_EXE, "Schedule"}};

// Text the program wrote in the ANSI code page, as UTF-16.
std::wstring FromAnsi(const std::string& bytes) {
  const int n =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder.path() / "scd");
    // The default timetable, with no settings file: the one an export takes.
    wintest::WriteAnsi(folder.path() / "scd" / "Schedule.csv",
                       "3,8\r\n节次,时间,一,二,三,四,五,六\r\n1,8:00-8:45,语文,数学,英语,物理,化学,"
                       "补课\r\n2,8:55-9:40,数学,语文,体育,英语,单/双,\r\n");
    // A program finds its files beside itself.
    for (const ProgramFile& program : kPrograms)
      ASSERT_TRUE(fs::copy_file(wintest::HostPath(program.built), Exe(program))) << program.built;
  }
  fs::path Exe(const ProgramFile& program) const {
    return folder.path() / (std::string(program.name) + ".exe");
  }
  // Every file below the program folder with its bytes.
  std::vector<std::pair<fs::path, std::string>> Snapshot() const {
    return wintest::FilesWithBytes(folder.path());
  }

  wintest::TempFolder folder;
  wintest::TempFolder elsewhere;
};

TEST_F(CommandLineTest, export_cses_writes_the_current_timetable_and_ends_with_0) {
  const std::optional<Timetable> current =
      ReadTimetable(folder.path() / "scd" / "Schedule.csv", Edition::Grid);
  ASSERT_TRUE(current.has_value());
  for (const ProgramFile& file : kPrograms) {
    // A path with a blank and Chinese names, quoted as a script writes it.
    const fs::path out = elsewhere.path() / PathFromUtf8("输出 文件夹") /
                         PathFromUtf8(std::string("导出 ") + file.name + ".yaml");
    fs::create_directories(out.parent_path());
    const auto files = Snapshot();
    wintest::ChildProcess program(Exe(file), folder.path(),
                                  L"/export-cses \"" + out.wstring() + L"\"", true);
    ASSERT_TRUE(program.Started()) << program.LastError();
    const std::optional<DWORD> code = program.WaitForExit(kRunTimeoutMs);

    ASSERT_TRUE(code.has_value()) << file.name << " did not end by itself";
    EXPECT_EQ(*code, 0u) << file.name;
    EXPECT_EQ(program.ErrorOutput(), "") << file.name;
    EXPECT_EQ(Snapshot(), files) << file.name;
    const exchange::CsesImport back = test::ReadCsesFile(out);
    ASSERT_TRUE(back.timetable.has_value()) << shell::CsesRefusalText(back.refusal);
    for (int r = 1; r < 3; ++r)
      for (int c = 1; c < 8; ++c)
        EXPECT_EQ(back.timetable->cell(r, c), current->cell(r, c)) << r << "," << c;
    // Kept for the schema check that follows this test.
    const fs::path kept = wintest::HostPath(ORVEL_EXPORT_DIR) / (std::string(file.name) + "_cli.yaml");
    fs::create_directories(kept.parent_path());
    fs::copy_file(out, kept, fs::copy_options::overwrite_existing);
  }
}

TEST_F(CommandLineTest, a_failure_ends_with_1_and_one_line_on_standard_error) {
  const std::wstring missing = (elsewhere.path() / L"没有.yaml").wstring();
  const struct {
    std::wstring arguments;
    std::wstring named;  // what the line names
  } cases[] = {
      {L"/export-cses", L"/export-cses"},
      {L"/bogus", L"/bogus"},
      {L"/import \"" + missing + L"\"", L"没有.yaml"},
      // Started in its own folder, as a set-up script does: the timetable stays a timetable.
      {L"/export-cses scd\\Schedule.csv", L"本程序自己的文件"},
      {L"/export-cses nul", L"设备名"},
  };
  const auto files = Snapshot();
  for (const ProgramFile& file : kPrograms)
    for (const auto& c : cases) {
      wintest::ChildProcess program(Exe(file), folder.path(), c.arguments, true);
      ASSERT_TRUE(program.Started()) << program.LastError();
      const std::optional<DWORD> code = program.WaitForExit(kRunTimeoutMs);
      ASSERT_TRUE(code.has_value()) << file.name << " did not end by itself";
      EXPECT_EQ(*code, 1u) << file.name;
      const std::wstring line = FromAnsi(program.ErrorOutput());
      ASSERT_GE(line.size(), 2u);
      EXPECT_EQ(line.substr(line.size() - 2), L"\r\n");
      EXPECT_EQ(line.find(L'\n'), line.size() - 1) << "more than one line";
      EXPECT_NE(line.find(c.named), std::wstring::npos) << file.name;
      EXPECT_EQ(Snapshot(), files) << file.name;
    }
}

TEST_F(CommandLineTest, import_puts_the_file_in_scd_and_starts_the_window) {
  const fs::path yaml = elsewhere.path() / PathFromUtf8("初二 (3) 班.yaml");
  std::ofstream(yaml, std::ios::binary)
      << "version: 1\nsubjects: [{name: 班会}]\nschedules:\n"
         "  - {name: 五, enable_day: 5, weeks: all, classes: [\n"
         "      {subject: 班会, start_time: \"15:00:00\", end_time: \"15:40:00\"}]}\n";
  wintest::ChildProcess program(Exe(kPrograms[0]), folder.path(),
                                L"/import \"" + yaml.wstring() + L"\"");
  ASSERT_TRUE(program.Started()) << program.LastError();
  HWND window = program.WaitForWindow(nullptr, L"Form1", true, kRunTimeoutMs);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(program.WaitForWindow(L"#32770", nullptr, false, 0)) << "unexpected dialog";
  const std::optional<Timetable> imported =
      ReadTimetable(folder.path() / "scd" / PathFromUtf8("初二 (3) 班.csv"), Edition::Grid);
  ASSERT_TRUE(imported.has_value());
  EXPECT_EQ(imported->cell(1, 6), "班会");
  program.Close(window, kCloseGraceMs);
}

TEST_F(CommandLineTest, a_second_start_of_the_same_edition_leaves_one_process) {
  for (const ProgramFile& file : kPrograms) {
    SCOPED_TRACE(file.name);
    wintest::ChildProcess first(Exe(file), folder.path());
    ASSERT_TRUE(first.Started()) << first.LastError();
    HWND window = first.WaitForWindow(nullptr, L"Form1", true, kRunTimeoutMs);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_HIDE);
    wintest::ChildProcess second(Exe(file), folder.path());
    ASSERT_TRUE(second.Started()) << second.LastError();
    EXPECT_EQ(second.WaitForExit(5000), std::optional<DWORD>(0));
    EXPECT_TRUE(first.Running());
    // The running one has shown its window again.
    for (int i = 0; i < 50 && !IsWindowVisible(window); ++i) Sleep(100);
    EXPECT_TRUE(IsWindowVisible(window));
    first.Close(window, kCloseGraceMs);
  }
}

TEST_F(CommandLineTest, follow_fetches_once_ends_with_0_or_1_and_off_stops_it) {
  const auto state = wintest::HostPath(ORVEL_FOLLOW_SERVER_STATE);
  const auto port = [&](const char* name) {
    std::ifstream in(state / name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string served = folder.path().filename().string();
  const fs::path published =
      wintest::HostPath(ORVEL_FOLLOW_SERVER_ROOT) / served / PathFromUtf8("初二3班.yaml");
  fs::create_directories(published.parent_path());
  std::ofstream(published, std::ios::binary)
      << "version: 1\nsubjects: [{name: 班会}]\nschedules:\n"
         "  - {name: 五, enable_day: 5, weeks: all, classes: [\n"
         "      {subject: 班会, start_time: \"15:00:00\", end_time: \"15:40:00\"}]}\n";
  const auto run = [&](const ProgramFile& file, const std::wstring& arguments) {
    wintest::ChildProcess program(Exe(file), folder.path(), arguments, true);
    EXPECT_TRUE(program.Started()) << program.LastError();
    const std::optional<DWORD> code = program.WaitForExit(kRunTimeoutMs);
    // A program that opened its window would not end by itself.
    EXPECT_TRUE(code.has_value()) << file.name << " did not end by itself";
    return std::make_pair(code.value_or(99), FromAnsi(program.ErrorOutput()));
  };
  const fs::path copy = folder.path() / "scd" / PathFromUtf8("初二3班.csv");
  for (const ProgramFile& file : kPrograms) {
    const std::string source = "http://127.0.0.1:" + port("port") + "/" + served + "/{class}.yaml";
    const auto followed =
        run(file, L"/follow " + win32::Widen(source) + L" /class 初二3班 /every 10");
    EXPECT_EQ(followed.first, 0u) << file.name;
    EXPECT_EQ(followed.second, L"") << file.name;
    const std::optional<Timetable> fetched = ReadTimetable(copy, Edition::Grid);
    ASSERT_TRUE(fetched.has_value()) << file.name;
    EXPECT_EQ(fetched->cell(1, 6), "班会");

    // A server that is down: 1 and the reason; the copy stays.
    const std::string down = "http://127.0.0.1:" + port("down_port") + "/{class}.yaml";
    const auto failed = run(file, L"/follow " + win32::Widen(down) + L" /class 初二3班");
    EXPECT_EQ(failed.first, 1u) << file.name;
    EXPECT_NE(failed.second.find(L"无法连接服务器"), std::wstring::npos) << file.name;
    EXPECT_EQ(ReadTimetable(copy, Edition::Grid)->cell(1, 6), "班会");

    const auto off = run(file, L"/follow off");
    EXPECT_EQ(off.first, 0u) << file.name;
    EXPECT_FALSE(fs::exists(folder.path() / "follow.ini")) << file.name;
    fs::remove(copy);
  }
}

TEST_F(CommandLineTest, follow_ends_on_time_when_the_server_trickles_its_headers) {
  const std::string port = [&] {
    std::ifstream in(wintest::HostPath(ORVEL_FOLLOW_SERVER_STATE) / "port");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  // Both editions at once, each in a program folder of its own and with an address of its own,
  // whose first answer comes 2 bytes a second.
  const fs::path folders[] = {folder.path(), elsewhere.path()};
  fs::copy_file(Exe(kPrograms[1]), elsewhere.path() / "Schedule.exe");
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<wintest::ChildProcess>> programs;
  for (int i = 0; i < 2; ++i) {
    const std::string source = "http://127.0.0.1:" + port + "/trickle-head/" +
                               folder.path().filename().string() + "/{class}.yaml?" +
                               kPrograms[i].name;
    programs.push_back(std::make_unique<wintest::ChildProcess>(
        folders[i] / (std::string(kPrograms[i].name) + ".exe"), folders[i],
        L"/follow " + win32::Widen(source) + L" /class 初二3班", true));
    ASSERT_TRUE(programs.back()->Started()) << programs.back()->LastError();
  }
  for (int i = 0; i < 2; ++i) {
    const std::optional<DWORD> code = programs[static_cast<std::size_t>(i)]->WaitForExit(45000);
    const auto ended = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(code.has_value()) << kPrograms[i].name << " did not end";
    EXPECT_LE(ended, std::chrono::seconds(32)) << kPrograms[i].name;
    EXPECT_EQ(*code, 1u) << kPrograms[i].name;
    std::printf("%s ended after %lld ms\n", kPrograms[i].name,
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(ended).count()));
    const std::string line = programs[static_cast<std::size_t>(i)]->ErrorOutput();
    EXPECT_NE(FromAnsi(line).find(L"连接超时"), std::wstring::npos) << kPrograms[i].name << line;
  }
}

}  // namespace
}  // namespace orvel
