#pragma once
// What the control panel and the program shell need of the schedule window, whichever edition
// draws it: the grid edition's FrmSchedule and the classic edition's text-box window implement
// it. Only actions on the window itself are here; the process-wide values live in ProgramState.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/reminder.h"
#include "clock/school_day.h"
#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/services.h"
#include "timetable/timetable.h"
#include "timetable/timetable_read.h"

namespace orvel::program {

// Before a swapped lesson's text in its cell, so that the user can tell it from the timetable.
inline constexpr std::string_view kSwappedMark = "→";

// How a layered window lets the desktop through.
enum class Layering {
  ConstantAlpha,  // the whole window at `alpha` (0 to 255)
  ColourKey,      // every pixel of `colour` see-through
};

class ScheduleWindow {
 public:
  virtual ~ScheduleWindow() = default;

  // Filled by the program shell; empty ones do nothing.
  std::function<void()> ShowControlPanel;  // the double clicks open the control panel
  std::function<void()> IdleCheck;         // one tick of the idle-shutdown check
  std::function<void()> ShowScheduleMenu;  // a right click opens the window's menu
  // The start-up has read the settings and the day lists and is about to show the timetable:
  // the shell hands the window today's day (ShowSchoolDay) before the fold needs its column.
  std::function<void()> SettingsRead;
  // Files dropped on the window, full paths in UTF-8.
  std::function<void(const std::vector<std::string>& paths)> ImportDroppedFiles;

  // The window kept above full-screen programs while its layer is "始终在上"
  // (KeepInFrontWhenOnTop); it ends with the window.
  desktop::FrontRegistration keptInFront;

  // One tick of the schedule clock at `now`, which the shell's second runs while highlighting is
  // on: the window decides, paints, and hands the reminder of the tick to `raise` at the point of
  // its painting where the edition raises it.
  using RaiseReminder = std::function<void(clock::Reminder& reminder, bool removeTrayIcon)>;
  virtual void RunClockTick(const clock::ClockSettings& settings, const clock::SchoolDay& today,
                            std::int32_t nowSeconds, const RaiseReminder& raise) = 0;
  // The day the shell has decided today is, kept for the fold and for the timetables shown later
  // that day: the lessons swapped on it shown in their cells, marked, in place of those of the
  // day before; the timetable itself (what a save writes) keeps its own texts. Until the shell
  // hands one, the window shows a plain Monday.
  virtual void ShowSchoolDay(const clock::SchoolDay& today) = 0;
  // The class strip's line (clock/strip_line.h) from the timetable the window shows, on `today`
  // at `nowSeconds`, written into `line`.
  virtual void ComposeStripLine(const clock::SchoolDay& today, std::int32_t nowSeconds,
                                std::string& line) const = 0;

  // The window, for its place (Left, Top), its layer and its layered attributes.
  virtual ui::Form& form() = 0;

  // The live values (ProgramState::live) as the window shows them; live_values.h changes them.
  // Lock: the timetable takes no input while locked.
  virtual void ShowLock(bool locked) = 0;
  // Fold to the column of the day last handed (ShowSchoolDay) or show every column again.
  virtual void ShowFold(bool folded) = 0;
  // The frame around the cells; an edition whose frame waits for a rebuild records it for then.
  virtual void ApplyFrame(bool framed) = 0;
  // Makes the window layered: a constant alpha or a colour key.
  virtual void MakeLayered(Layering layering, ui::Colour colour, int alpha) = 0;

  // Font name, size and text effect of the grid; the classic edition has none of them.
  virtual bool HasFonts() const = 0;
  virtual std::string GridFontName() const = 0;
  virtual float GridFontSize() const = 0;
  virtual int GridTextEffect() const = 0;
  virtual void SetGridFontName(const std::string& name) = 0;
  virtual void SetGridFontSize(float points) = 0;
  virtual void SetGridTextEffect(int effect) = 0;

  // Timerduration, the idle check's timer.
  virtual ui::Timer& IdleTimer() = 0;
  // Every cell of the timetable white, as when highlighting stops.
  virtual void PaintCellsWhite() = 0;

  // Reads scdFileName from "scd" with the edition's reader and makes it the current file. On a
  // failed read: the edition's own message, the empty default timetable and the default file
  // name; false then.
  virtual bool LoadTimetableFile(const std::string& scdFileName) = 0;
  // The same for a load nobody asked for (a followed source's round): no message. A failed read
  // changes nothing, and the window keeps what it shows. The read, without its table, says how
  // it went.
  virtual TimetableRead LoadTimetableQuietly(const std::string& scdFileName) = 0;
  // A timetable already read and checked (a followed source's round does so off the window
  // thread) shown and made the current file scdFileName; nothing is read from disk again.
  virtual void ShowFetchedTimetable(const std::string& scdFileName, const Timetable& table) = 0;
  // Whether the window can show a timetable of rows × cols cells.
  virtual bool CanHold(std::int16_t rows, std::int16_t cols) const = 0;
  // An empty timetable of rows × cols cells; a size it cannot hold keeps the current one.
  virtual void NewTimetable(std::int16_t rows, std::int16_t cols) = 0;
  // The cells as they stand, for saving; nothing if the window holds no valid table.
  virtual std::optional<Timetable> CurrentTimetable() const = 0;
};

}  // namespace orvel::program
