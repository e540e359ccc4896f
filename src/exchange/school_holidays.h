#pragma once
// The national holiday files a followed source publishes beside its timetable, holidays/2027.json
// for this year and the next: asked for as the day list is (conditionally, with the address's
// query; a 404, or an object store's 403, is no failure and the copy kept stays), and kept as
// holidays\2027.school.json only when they read as holiday files.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "exchange/followed_source.h"
#include "exchange/holiday_file.h"
#include "platform/ui/services.h"

namespace orvel::exchange {

struct HolidayFileAsk {
  int year = 0;
  Validators known;
};

struct FetchedHolidayFile {
  int year = 0;
  FetchedFile file;
  HolidayFileProblem unusable;  // Fetched: why the bytes are no holiday file; None when they are
};

// holidays/2027.json in the folder of the source's timetable, with the address's query.
std::string SchoolHolidayLocation(const FollowedSource& source, int year);
// Where the program keeps the school's file of the year.
std::filesystem::path SchoolHolidayCopy(const std::filesystem::path& programFolder, int year);

// Each file asked for, and read; blocks, so it runs off the window thread.
std::vector<FetchedHolidayFile> FetchSchoolHolidays(ui::Http& http, const FollowedSource& source,
                                                    const std::vector<HolidayFileAsk>& asks);

struct HolidayUpdate {
  bool changed = false;  // a copy was written
  FollowProblem problem;  // of the first file that could not be fetched, read or kept
};

// What the session knows of the copies it fetched.
class SchoolHolidayFiles {
 public:
  // The files of `year` and the next, each asked for with what is known of its copy while the
  // copy is on disk.
  std::vector<HolidayFileAsk> Asks(int year, const std::filesystem::path& programFolder) const;
  // What came into the copies, each written only when it differs; a file that cannot be used
  // leaves its copy, and the others are kept all the same.
  HolidayUpdate Keep(const std::vector<FetchedHolidayFile>& fetched,
                     const std::filesystem::path& programFolder);

 private:
  std::map<int, Validators> known_;
};

}  // namespace orvel::exchange
