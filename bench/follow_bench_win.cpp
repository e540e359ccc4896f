// What following a published timetable costs a school: SOURCES classroom PCs, each with its own
// program folder and its own class's CSES file, fetched and applied through the same path as the
// programs (WinHTTP, the import, the writer) from a web server, first in full and then as the
// conditional request of every later period. The server's own count of bytes (its /stats) gives
// what moved over the network.
//
//   follow_bench.exe BASE_URL [SOURCES]     (BASE_URL: the server of
//   tests/windows/follow_server.py)
//
// Prints, for each round, the time per PC and the bytes per PC in each direction.
// The backend's header first: it keeps <windows.h>'s MessageBox macro off the portable interfaces.
#include "platform/win32/services_win.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "exchange/followed_source.h"
#include "platform/file_io.h"
#include "platform/win32/wide.h"

namespace {

namespace fs = std::filesystem;
using orvel::exchange::FetchRound;
using orvel::exchange::FollowedSource;
using orvel::exchange::Validators;

struct Stats {
  long long requests = 0, ok = 0, notModified = 0, bytesIn = 0, bytesOut = 0;
};

long long Field(const std::string& text, const std::string& name) {
  const std::size_t at = text.find(name + "=");
  return at == std::string::npos ? -1 : std::atoll(text.c_str() + at + name.size() + 1);
}

Stats ServerStats(orvel::ui::Http& http, const std::string& base) {
  orvel::ui::HttpRequest request;
  request.url = base + "/stats";
  request.maxBodyBytes = 4096;
  const std::string text = http.Get(request).body;
  return {Field(text, "requests"), Field(text, "ok"), Field(text, "not_modified"),
          Field(text, "bytes_in"), Field(text, "bytes_out")};
}

struct Pc {
  fs::path folder;
  FollowedSource source;
  Validators timetable, dayList;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: follow_bench.exe BASE_URL [SOURCES]\n");
    return 2;
  }
  const std::string base = orvel::win32::Narrow(argv[1]);
  const int sources = argc > 2 ? _wtoi(argv[2]) : 1000;
  orvel::win32::Win32Http http;

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const fs::path root = fs::path(temp) / ("orvel-follow-bench-" + std::to_string(GetTickCount()));
  std::vector<Pc> pcs;
  for (int i = 0; i < sources; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "c%04d", i);
    const auto resolved = orvel::exchange::ResolveSource(base + "/gen/{class}.yaml", name);
    if (!resolved.source) {
      std::fprintf(stderr, "the source cannot be followed (problem %d)\n",
                   static_cast<int>(resolved.problem.kind));
      return 1;
    }
    Pc pc{root / name, *resolved.source, {}, {}};
    fs::create_directories(pc.folder / "scd");
    pcs.push_back(std::move(pc));
  }

  const char* rounds[] = {"first fetch (200)", "unchanged (304)"};
  int failures = 0;
  for (const char* round : rounds) {
    const Stats before = ServerStats(http, base);
    const auto start = std::chrono::steady_clock::now();
    for (Pc& pc : pcs) {
      const FetchRound fetched =
          orvel::exchange::FetchSource(http, pc.source, pc.timetable, pc.dayList);
      const auto update = orvel::exchange::UpdateTimetable(fetched.timetable, pc.source, pc.folder,
                                                           orvel::Edition::Grid);
      if (update.outcome == orvel::exchange::UpdateOutcome::Failed) {
        ++failures;
        continue;
      }
      pc.timetable = fetched.timetable.validators;
      if (fetched.dayList) {
        orvel::exchange::UpdateSchoolDayList(*fetched.dayList, pc.folder);
        pc.dayList = fetched.dayList->validators;
      }
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const Stats after = ServerStats(http, base);
    // The stats request itself is counted in `after`: one request of a few hundred bytes.
    const long long requests = after.requests - before.requests - 1;
    std::printf(
        "%-18s %d PCs: %.2f ms per PC, %lld requests (%lld x 200, %lld x 304, the rest 404 of "
        "days.csv), %.0f bytes per PC from the server, %.0f to it\n",
        round, sources, ms / sources, requests, after.ok - before.ok - 1,
        after.notModified - before.notModified, double(after.bytesOut - before.bytesOut) / sources,
        double(after.bytesIn - before.bytesIn) / sources);
  }
  std::error_code ec;
  fs::remove_all(root, ec);
  if (failures) std::fprintf(stderr, "%d fetches failed\n", failures);
  return failures ? 1 : 0;
}
